#pragma once
// The calendar export command of the deadlines export window: the year archive the deadline
// card has open, written as Scadenze_<anno>.ics in the program folder, with the same two
// questions and the same failure handling as the spreadsheet export.
#include <QString>

class QWidget;

// `lblFile` is the card's path of the year archive (<folder>/<anno>.rcd). Asks before
// writing; after writing says how many records had a date that could not be read and
// offers to open the file. Any failure shows calendario::EsportazioneFallita.
void EsportaInCalendario(QWidget* genitore, const QString& lblFile);
