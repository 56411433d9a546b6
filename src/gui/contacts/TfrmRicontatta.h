#pragma once
// The recontact list: the contacts marked to be called back, with their pending questions;
// a double click brings the chosen contact into the contact card.
#include <QPushButton>

#include "gui/app/Convenzioni.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/contacts/TfrmTrovaClienti.h"

class TfrmRicontatta : public Dialogo, public PannelloRisultati {
    Q_OBJECT
public:
    // `scheda` (the contact card) owns the window; `scelta` receives each picked contact.
    TfrmRicontatta(QWidget* scheda, SceltaContatto scelta);
    // The card's command: a new list, shown modally and destroyed when it closes.
    static void Apri(QWidget* scheda, SceltaContatto scelta);

    // The controls are those of the result panel: txtTrova, btnTrova, lstRecords,
    // btnStampa, btnChiudi (no count label).

    void lstRecordsDblClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    SceltaContatto scelta_;
};
