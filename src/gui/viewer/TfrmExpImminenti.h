#pragma once
// The deadlines of the current year that are imminent today, in order of date and time,
// exported as "Scadenze_Imminenti.xls".
#include "gui/app/FinestraGriglia.h"

class TfrmExpImminenti : public FinestraGriglia {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget* genitore);
    // The viewer's OK: a new window, shown modally, then destroyed.
    static void Apri(QWidget* genitore);
};
