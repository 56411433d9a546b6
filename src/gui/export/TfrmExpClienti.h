#pragma once
// Every contact of the archive in a grid, exported as "Contatti.xls".
#include "gui/app/FinestraGriglia.h"

class TfrmExpClienti : public FinestraGriglia {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget* scheda);
    // The contact card's "Esporta archivio": a new window, shown modally, then destroyed.
    static void Apri(QWidget* scheda);
};
