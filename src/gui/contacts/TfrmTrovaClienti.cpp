#include "gui/contacts/TfrmTrovaClienti.h"

#include <QComboBox>

#include "core/app/Messaggi.h"
#include "core/app/Testo.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/contacts/TfrmClienti.h"

namespace {

// A control of the opener, not of a window the opener owns (this search among them: it
// has fields of the same names).
QWidget* ControlloDi(QWidget* finestra, const char* nome) {
    for (QWidget* w : finestra->findChildren<QWidget*>(QString::fromLatin1(nome)))
        if (w->window() == finestra->window()) return w;
    return nullptr;
}

void Scrivi(QWidget* finestra, const char* nome, const std::string& valore) {
    QWidget* w = ControlloDi(finestra, nome);
    if (auto* campo = qobject_cast<QLineEdit*>(w))
        campo->setText(Q(valore));
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setEditText(Q(valore));
}

}  // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* chiamante)
    : FinestraRicerca(chiamante, "TfrmTrovaClienti",
                      QStringLiteral(" Trova contatti in archivio")) {
    lblMemory = new QLabel(this);
    lblMemory->setObjectName("lblMemory");
    lblMemory->hide();
    const Filtro tabella[ricerca::kFiltri] = {
        {&txtCliente, "txtCliente", "Cognome e nome contatto:"},
        {&txtComuneRes, "txtComuneRes", "Comune di residenza:"},
        {&txtPartitaIva, "txtPartitaIva", "Partita IVA:"},
        {&txtCodFisc, "txtCodFisc", "Codice fiscale:"},
        {&txtDocumento, "txtDocumento", "Estremi documento:"},
        {&txtOccupazione, "txtOccupazione", "Occupazione:"},
        {&txtProdotti, "txtProdotti", "Prodotti e servizi di interesse:"},
        {&txtZona, "txtZona", "Zona di appartenenza:"},
        {&txtQuestioni, "txtQuestioni", "Questioni in sospeso:"},
        {&txtNote, "txtNote", "Note:"},
    };
    static std::string ricordato;  // one remembered find text for this window class
    CostruisciPannelli(tabella, ricordato, QStringLiteral("Riepilogo contatti"));
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) filtri_[i] = *tabella[i].campo;
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(lstRecords, &ListaRisultati::DoppioClic, this, &TfrmTrovaClienti::lstRecordsDblClick);
}

void TfrmTrovaClienti::Apri(QWidget* chiamante, const QString& modo) {
    auto finestra = std::make_unique<TfrmTrovaClienti>(chiamante);
    finestra->lblMemory->setText(modo);
    MostraPerUso(std::move(finestra));
}

void TfrmTrovaClienti::btnCercaClick() {
    Cerca<TSchedaContatto>(filtri_, ricerca::CampiFiltro,
                           PercorsoProgramma(TArchivioContatti::NomeFile), ricerca::RigaContatto,
                           QStringLiteral("Il presente riepilogo contiene %1 schede."));
}

void TfrmTrovaClienti::lstRecordsDblClick() {
    risultati->Scegli<TSchedaContatto>(PercorsoProgramma(TArchivioContatti::NomeFile),
                                       ricerca::RigaContatto,
                                       [this](std::int64_t posizione, const TSchedaContatto& s) {
                                           CopiaNelChiamante(posizione, s);
                                       });
}

void TfrmTrovaClienti::CopiaNelChiamante(std::int64_t posizione, const TSchedaContatto& s) {
    QWidget* chiamante = parentWidget();
    if (!chiamante) return;
    const std::string modo = testo::Rifila(S(lblMemory->text()));
    if (modo == "clienti") {
        MostraSullaScheda(chiamante, posizione, s);
    } else if (modo == "ricordario") {
        Scrivi(chiamante, "txtPagatore", s.Cliente);
        Scrivi(chiamante, "txtCodFisc", s.CodFisc);
        Scrivi(chiamante, "txtNumTessera", s.Zona);
        Scrivi(chiamante, "txtCarica", s.Questioni);
        Scrivi(chiamante, "txtTelCel", s.TelCel);
        Scrivi(chiamante, "txtRecapito", s.Recapito);
    } else if (modo == "riepilogo") {
        Scrivi(chiamante, "txtCliente", s.Cliente);
    }
}

void MostraSullaScheda(QWidget* scheda, std::int64_t posizione, const TSchedaContatto& s) {
    if (auto* clienti = qobject_cast<TfrmClienti*>(scheda)) clienti->MostraScheda(posizione, s);
}
