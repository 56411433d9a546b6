#include "gui/checkers/TfrmIban.h"

#include "core/checkers/Iban.h"

TfrmIban::TfrmIban(QWidget* chiamante)
    : FinestraControllo(chiamante, "TfrmIban", " Controllo IBAN", "txtIban", 27,
                        "Immettere l'IBAN e premere il pulsante di controllo.",
                        {.maiuscole = true, .alRilascio = true}, &controlli::ControllaIban),
      txtIban(Campo()) {}

void TfrmIban::Apri(QWidget* chiamante, const QString& iban) { ApriCon<TfrmIban>(chiamante, iban); }
