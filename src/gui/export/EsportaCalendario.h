#pragma once
// The calendar export command of the deadlines export window: the deadlines of one year,
// written as Scadenze_<anno>.ics, with the same two questions and the same failure
// handling as the spreadsheet export.
#include <filesystem>

class QWidget;

// Reads <cartella>/<anno>.rcd (never creating it) and writes the calendar in `cartella`.
// Asks before writing; after writing says how many records had a date that could not be
// read and offers to open the file. Any failure shows calendario::EsportazioneFallita.
void EsportaInCalendario(QWidget* genitore, int anno, const std::filesystem::path& cartella);
