#pragma once
// The codice fiscale checker.
#include "gui/checkers/FinestraControllo.h"

class TfrmCodFisc : public FinestraControllo {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* chiamante);
    QLineEdit* txtCodFisc;

    // What a card's codice fiscale button does: the field's text, trimmed, checked in a
    // new window; digits only go to the partita IVA checker instead.
    static void Apri(QWidget* chiamante, const QString& codiceFiscale);
};
