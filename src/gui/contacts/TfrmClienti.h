#pragma once
// The contact card: one contact of the archive at a time, browsed record by record,
// prepared empty or copied from the card shown, and saved in place or at the end. From here
// the user reaches the search, the recontact list, the attachments, the checkers, the
// export, printing and the PDF of the card.
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/FinestraArchivio.h"
#include "gui/contacts/TfrmAllegaCartella.h"
#include "gui/reports/Modelli.h"

class TfrmClienti : public FinestraArchivio<TArchivioContatti> {
    Q_OBJECT
public:
    TfrmClienti();

    // Nuovo, Duplica, Salva, the arrows and Esci are the card's (FinestraScheda); the card
    // helpers PulisciScheda, MostraScheda and ComponiScheda are FinestraArchivio's.
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();

    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdGuidaClick();

    // The three attachments of the card (fields File01..03, Desc01..03), shown by the hidden
    // labels lblFile01..03 and lblDesc01..03; the attachments window takes and gives them.
    TfrmAllegaCartella::Allegati Allegati() const;
    void ImpostaAllegati(const TfrmAllegaCartella::Allegati& allegati);

    void cmdFileClick();
    void cmdTrovaClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();

protected:
    // Contatti.rub in the program folder.
    std::filesystem::path PercorsoArchivio() const override;

private:
    void CostruisciCampi(QWidget* p);
    void CostruisciComandi();

    report::Modello ModelloCompilato(bool perPdf) const;
};
