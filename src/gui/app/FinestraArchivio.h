#pragma once
// The record side of a card window, for any archive. Each record field has one control on
// the card, named after it: "txt" + field for what is typed or picked, "chk" + field for a
// check box, "lbl" + field for a label the card fills itself. Through that table the card
// shows a record, composes one, saves it (overwriting the record shown, or appending a new
// one), prepares a copy and browses the archive; the card's own rules (core) say what a
// new card holds, what a copy leaves, and what Salva checks. A field shown by a label keeps
// its value here, and the label only shows it.
#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "core/archive/ArchivioScheda.h"
#include "core/text/Messaggi.h"
#include "core/records/RegoleScheda.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Filtri.h"
#include "gui/app/FinestraScheda.h"
#include "gui/app/TestoQt.h"

template <class ArchivioDi>
class FinestraArchivio : public FinestraScheda {
public:
    using Scheda = typename ArchivioDi::TipoScheda;

    // Puts a record on the card as record number `posizione`: every field through the
    // showing conversion; a check box ticked for "Sì", cleared for "No", left as it was
    // otherwise. The search and list windows bring a picked record in with it.
    void MostraScheda(std::int64_t posizione, const Scheda& scheda) {
        for (std::size_t i = 0; i < controlli_.size(); ++i)
            Scrivi(i, scheda.*(Scheda::Campi[i].membro), true);
        ImpostaPosizione(posizione);
    }

    // The card as it stands, through the storing conversion's trimming; a check box gives
    // "Sì" or "No".
    Scheda ComponiScheda() const {
        Scheda scheda;
        for (std::size_t i = 0; i < controlli_.size(); ++i) {
            std::string& valore = scheda.*(Scheda::Campi[i].membro);
            if (auto* casella = qobject_cast<const QCheckBox*>(controlli_[i]))
                valore = flag::Da(casella->isChecked());
            else if (qobject_cast<const QLabel*>(controlli_[i]))
                valore = etichette_[i];
            else
                valore = S(Rifilato(TestoDi(controlli_[i])));
        }
        return scheda;
    }

    void PulisciScheda() override {
        for (std::size_t i = 0; i < controlli_.size(); ++i)
            if (!Tra(regole_.conservati, Scheda::Campi[i].membro)) Reimposta(i);
        ImpostaPosizione(0);
        PrimoCampo()->setFocus();
    }

    void cmdSalvaClick() override {
        Scheda carta = ComponiScheda();
        const Scheda letta = carta;
        const std::optional<Rifiuto> rifiuto = regole_.controlla(carta);
        // What the checks completed shows on the card, refused or not.
        for (std::size_t i = 0; i < controlli_.size(); ++i) {
            const auto membro = Scheda::Campi[i].membro;
            if (carta.*membro != letta.*membro) Scrivi(i, carta.*membro, true);
        }
        if (rifiuto) {
            if (rifiuto->modo == ModoRifiuto::Messaggio)
                MostraMessaggio(this, Q(rifiuto->testo));
            else
                MostraAvviso(this, Q(rifiuto->testo), TipoAvviso::Avvertimento);
            Controllo(rifiuto->campo)->setFocus();
            return;
        }
        const std::int64_t prima = Posizione();
        std::int64_t posizione = 0;
        try {
            posizione = SalvaScheda<ArchivioDi>(PercorsoArchivio(), prima, carta);
        } catch (const std::exception& e) {
            ErroreAccesso(e);
            return;
        }
        ImpostaPosizione(posizione);
        MostraAvviso(this,
                     prima > 0 ? Q(messaggi::ModificheSalvate) : Q(std::string(regole_.accodata)),
                     TipoAvviso::Informazione);
    }

    void cmdDuplicaClick() override {
        if (Posizione() <= 0) {
            MostraAvviso(this, Q(messaggi::DuplicaNonArchiviata), TipoAvviso::Avvertimento);
            return;
        }
        ImpostaPosizione(0);
        for (const auto membro : regole_.soloDelRecord) Reimposta(Indice(membro));
        try {
            RaggiungiArchivio<ArchivioDi>(PercorsoArchivio());
        } catch (const std::exception& e) {
            ErroreAccesso(e);
            return;
        }
        for (const auto membro : regole_.rifattiInCopia) Reimposta(Indice(membro));
        PrimoCampo()->setFocus();
        MostraAvviso(this, Q(messaggi::DopoDuplica), TipoAvviso::Informazione);
    }

protected:
    FinestraArchivio(const QString& nome, const QString& titolo, const Cornice& cornice,
                     const RegoleScheda<Scheda>& regole)
        : FinestraScheda(nome, titolo, cornice), regole_(regole) {}

    // The file every command of the card opens.
    virtual std::filesystem::path PercorsoArchivio() const = 0;

    // Once every control is there: each record field finds its control, and the status
    // line its rule.
    void CompletaScheda() {
        for (std::size_t i = 0; i < controlli_.size(); ++i) {
            const std::string_view nome = Scheda::Campi[i].nome;
            const QString campo = QString::fromLatin1(nome.data(), nome.size());
            for (const char* prefisso : {"txt", "chk", "lbl"})
                if (!controlli_[i])
                    controlli_[i] = Pannello()->findChild<QWidget*>(prefisso + campo);
            if (!controlli_[i])
                qFatal("%s: no control for the field %s", qPrintable(objectName()),
                       qPrintable(campo));
            // What is shown is what is stored: a character the archive cannot hold is
            // refused where it is typed.
            FiltroWindows1252(controlli_[i], [this] { CarattereRifiutato(); });
        }
        CollegaRigaStato();
    }

    // The control of a record field, by the field's name.
    QWidget* Controllo(std::string_view campo) const {
        for (std::size_t i = 0; i < controlli_.size(); ++i)
            if (Scheda::Campi[i].nome == campo) return controlli_[i];
        return nullptr;
    }
    // A field's text, trimmed, as the commands hand it on.
    QString TestoCampo(std::string_view campo) const {
        const std::size_t i = Indice(campo);
        if (qobject_cast<const QLabel*>(controlli_[i])) return Q(etichette_[i]);
        return Rifilato(TestoDi(controlli_[i]));
    }
    // Puts a value in one field, as showing a record does.
    void ScriviCampo(std::string_view campo, const std::string& valore) {
        Scrivi(Indice(campo), valore, true);
    }

private:
    using Membro = std::string Scheda::*;

    void Naviga(Navigazione comando) override {
        SchedaNavigata<Scheda> esito;
        try {
            esito = NavigaArchivio<ArchivioDi>(PercorsoArchivio(), comando, Posizione());
        } catch (const std::exception& e) {
            ErroreAccesso(e);
            return;
        }
        switch (esito.passo.esito) {
            case PassoNavigazione::Mostra:
                MostraScheda(esito.passo.posizione, esito.scheda);
                break;
            case PassoNavigazione::ArchivioVuoto:
                if (esito.passo.svuotaPosizione) ImpostaPosizione(0);
                MostraAvviso(this, Q(messaggi::ArchivioVuoto), TipoAvviso::Informazione);
                break;
            case PassoNavigazione::Niente:
                break;
        }
    }

    // A field back to its value on a new card; a list keeps no item selected.
    void Reimposta(std::size_t i) { Scrivi(i, regole_.nuova.*(Scheda::Campi[i].membro), false); }
    void Scrivi(std::size_t i, const std::string& valore, bool scegliVoce) {
        QWidget* controllo = controlli_[i];
        if (auto* casella = qobject_cast<QCheckBox*>(controllo)) {
            if (const int spunta = flag::Leggi(valore); spunta >= 0)
                casella->setChecked(spunta == 1);
            return;
        }
        if (auto* etichetta = qobject_cast<QLabel*>(controllo)) {
            etichette_[i] = testo::Rifila(valore);
            etichetta->setText(Q(etichette_[i]));
            return;
        }
        ScriviTesto(controllo, Q(testo::Rifila(valore)), scegliVoce);
    }
    static std::size_t Indice(std::string_view campo) {
        for (std::size_t i = 0; i < Scheda::Campi.size(); ++i)
            if (Scheda::Campi[i].nome == campo) return i;
        qFatal("no record field %.*s", int(campo.size()), campo.data());
    }
    static std::size_t Indice(Membro membro) {
        std::size_t i = 0;
        while (Scheda::Campi[i].membro != membro) ++i;
        return i;
    }
    static bool Tra(const std::vector<Membro>& membri, Membro membro) {
        return std::find(membri.begin(), membri.end(), membro) != membri.end();
    }

    const RegoleScheda<Scheda>& regole_;
    std::array<QWidget*, Scheda::Campi.size()> controlli_{};
    std::array<std::string, Scheda::Campi.size()> etichette_{};  // the fields labels show
};
