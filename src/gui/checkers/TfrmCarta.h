#pragma once
// The credit card checker: Luhn check and kind of card.
#include "gui/checkers/FinestraControllo.h"

class TfrmCarta : public FinestraControllo {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* chiamante);
    QLineEdit* txtNumero;

    // What a card's button does: the field's text, trimmed, checked in a new window.
    static void Apri(QWidget* chiamante, const QString& numero);
};
