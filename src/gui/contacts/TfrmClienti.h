#pragma once
// The contact card: one contact of the archive at a time, browsed record by record,
// prepared empty or copied from the card shown, and saved in place or at the end.
#include <QCheckBox>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/app/Navigazione.h"
#include "core/contacts/TSchedaContatto.h"
#include "gui/app/Convenzioni.h"
#include "gui/reports/Modelli.h"

class TArchivioContatti;

class TfrmClienti : public FinestraIntera {
    Q_OBJECT
public:
    TfrmClienti();

    // The card helpers the search and list windows use to bring a record in.
    void PulisciScheda();
    void MostraScheda(std::int64_t posizione, const TSchedaContatto& scheda);
    TSchedaContatto ComponiScheda() const;

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdPrimoClick() { Scorri(Navigazione::Primo); }
    void cmdIndietroClick() { Scorri(Navigazione::Indietro); }
    void cmdAvantiClick() { Scorri(Navigazione::Avanti); }
    void cmdUltimoClick() { Scorri(Navigazione::Ultimo); }
    void cmdEsciClick() { close(); }
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();

    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdGuidaClick();

    // Commands that open other windows.
    void cmdFileClick();
    void cmdTrovaClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();

protected:
    void FormShow() override { PulisciScheda(); }

private:
    static constexpr int kCampiTesto = 29;  // Cliente … Note, in record order
    static constexpr int kAllegati = 6;     // File01 … Desc03, after Ricontatta

    void CostruisciCampi(QWidget* p);
    void CostruisciComandi(QWidget* p);
    QLineEdit* Testo(const char* nome) const;

    report::Modello ModelloCompilato(bool perPdf) const;
    void Scorri(Navigazione comando);
    std::optional<std::int64_t> Posizione() const;
    // Opens the contact archive for one command and closes it; any failure ends the
    // command with the access message. False when the command failed.
    bool ConArchivio(const std::function<void(TArchivioContatti&)>& comando);

    std::array<QWidget*, kCampiTesto> campi_{};  // line edits and the two province combos
    std::array<QLabel*, kAllegati> allegati_{};
    QCheckBox* chkRicontatta_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLineEdit *txtCliente_ = nullptr, *txtCodFisc_ = nullptr, *txtPartitaIva_ = nullptr,
              *txtCarta_ = nullptr, *txtIban_ = nullptr, *txtEmail_ = nullptr;
    RigaStato* riga_ = nullptr;
};
