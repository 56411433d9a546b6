#pragma once
// The year's deadlines as an iCalendar file "Scadenze_<anno>.ics", written with libical so
// that any calendar program reads it: one event a record, starting at its date and time,
// with an alarm its warning days before.
#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "core/deadlines/TSchedaScadenza.h"

namespace calendario {

// The export command's texts: the spreadsheet export's two questions and failure message,
// worded for the calendar file.
inline constexpr const char* DomandaEsporta =
    "L'esportazione dei dati nel calendario può richiedere diversi minuti a seconda del "
    "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
inline constexpr const char* Esportato = "Le schede in archivio sono state esportate con successo.";
inline constexpr const char* DomandaApri = "Si vuole aprire il file del calendario?";
inline constexpr const char* EsportazioneFallita =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file del calendario non sia già aperto.";
// "N schede con una data non valida non sono state esportate." (one: "1 scheda ... è stata").
std::string SchedeSaltate(std::size_t quante);

// "Scadenze_2021.ics".
std::string NomeFile(int anno);

// The id of the event of record `posizione` (from 1) of the year's archive. Records never
// move in their file, so the id stays the same from one export to the next even when the
// record is edited, and a calendar that imports the file again updates the event instead
// of adding a second one.
std::string IdEvento(int anno, std::int64_t posizione);

struct EsitoCalendario {
    std::size_t eventi = 0;   // events written
    std::size_t saltate = 0;  // records left out: their date could not be read
};

// The calendar text of the records of one year file, in file order (the first has position
// 1). Each record with a readable date gives one event:
// - start: `Data` at `Ora` (local time); a whole-day event when `Ora` cannot be read;
// - summary the reason (`Dettagli`), location the place (`Complessivo`), description the
//   type, contact, amount and notes that are not empty, one a line;
// - an alarm `Avviso` days before the start, at the start itself for 0; none when `Avviso`
//   is not a number;
// - status tentative when `DaConfermare` is "Sì", confirmed otherwise.
// `adesso` stamps the events as iCalendar requires.
std::string TestoCalendario(const std::vector<TSchedaScadenza>& schede, int anno,
                            std::time_t adesso, EsitoCalendario& esito);

// Writes the calendar of `schede` as `cartella`/Scadenze_<anno>.ics through a temporary file
// in the same folder, renamed over the old one only when complete. Throws
// ErroreScritturaFile when the file cannot be written.
EsitoCalendario ScriviCalendario(const std::vector<TSchedaScadenza>& schede, int anno,
                                 const std::filesystem::path& cartella, std::time_t adesso);

}  // namespace calendario
