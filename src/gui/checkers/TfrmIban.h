#pragma once
// The IBAN checker (MOD 97-10).
#include "gui/checkers/FinestraControllo.h"

class TfrmIban : public FinestraControllo {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* chiamante);
    QLineEdit* txtIban;

    // What a card's button does: the field's text, trimmed, checked in a new window.
    static void Apri(QWidget* chiamante, const QString& iban);
};
