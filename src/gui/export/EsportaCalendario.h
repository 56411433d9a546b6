#pragma once
// The calendar commands of the deadlines export window: the deadlines of one year, written
// as Scadenze_<anno>.ics with the same two questions and the same failure handling as the
// spreadsheet export; and the events of a calendar file brought into the year files.
#include <filesystem>

class QWidget;

// Reads <cartella>/<anno>.rcd (never creating it) and writes the calendar in `cartella`.
// Asks before writing; after writing says how many records had a date that could not be
// read and offers to open the file. Any failure shows calendario::EsportazioneFallita.
void EsportaInCalendario(QWidget* genitore, int anno, const std::filesystem::path& cartella);

// Asks for an .ics file with the open-file dialog and appends its events to the year files
// "<anno>.rcd" of `cartella`, each to the file of its year; ends with the count of what was
// added, already there, unreadable and refused; a file that holds no calendar at all is
// said as such. True when records were added, so that the caller shows them.
bool ImportaDaCalendario(QWidget* genitore, const std::filesystem::path& cartella);
