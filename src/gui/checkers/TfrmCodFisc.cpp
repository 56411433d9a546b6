#include "gui/checkers/TfrmCodFisc.h"

#include "core/checkers/CodiceFiscale.h"
#include "gui/app/TestoQt.h"
#include "gui/checkers/TfrmPartitaIva.h"

TfrmCodFisc::TfrmCodFisc(QWidget* chiamante)
    : FinestraControllo(chiamante, "TfrmCodFisc", " Controllo codice fiscale", "txtCodFisc", 16,
                        "Immettere il codice fiscale e premere il pulsante di controllo.",
                        {.maiuscole = true, .alRilascio = true},
                        &controlli::ControllaCodiceFiscale),
      txtCodFisc(Campo()) {}

void TfrmCodFisc::Apri(QWidget* chiamante, const QString& codiceFiscale) {
    // A company's codice fiscale is its partita IVA: digits only go to that checker.
    if (controlli::CodiceFiscaleNumerico(S(codiceFiscale)))
        TfrmPartitaIva::Apri(chiamante, codiceFiscale);
    else
        ApriCon<TfrmCodFisc>(chiamante, codiceFiscale);
}
