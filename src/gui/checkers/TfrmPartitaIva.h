#pragma once
// The partita IVA checker: check digit and issuing office.
#include "gui/checkers/FinestraControllo.h"

class TfrmPartitaIva : public FinestraControllo {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* chiamante);
    QLineEdit* txtPartitaIva;

    // What a card's button does: the field's text, trimmed, checked in a new window.
    static void Apri(QWidget* chiamante, const QString& partitaIva);
};
