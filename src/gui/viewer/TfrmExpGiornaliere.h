#pragma once
// Every deadline of the calendar's day, fulfilled or not, in order of date and time, from
// that year's file; exported as "Scadenze_Giornaliere.xls".
#include <QDate>

#include "gui/app/FinestraGriglia.h"

class TfrmExpGiornaliere : public FinestraGriglia {
    Q_OBJECT
public:
    // `giorno`: the date picked in the viewer's calendar.
    TfrmExpGiornaliere(QWidget* genitore, const QDate& giorno);
    // The viewer's button under the calendar: a new window, shown modally, then destroyed.
    static void Apri(QWidget* genitore, const QDate& giorno);
};
