#pragma once
// The year's deadlines as an iCalendar file "Scadenze_<anno>.ics", written with libical so
// that any calendar program reads it: one event a record, starting at its date and time,
// with an alarm its warning days before.
#include <cstddef>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
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

// ---- Import ------------------------------------------------------------------------------

// How far a repeating event is followed: ten years past `adesso`, 500 occurrences at most.
inline constexpr int kAnniRipetizioni = 10;
inline constexpr std::size_t kMassimoRipetizioni = 500;

struct EsitoImportazione {
    std::size_t aggiunte = 0;
    std::size_t presenti = 0;     // the same date, time and reason already in its year file
    std::size_t illeggibili = 0;  // events without a start, or a calendar that does not parse
    std::size_t rifiutate = 0;    // holding text the archive cannot hold (no Windows-1252 form)
    bool calendario = true;       // false: the file is no iCalendar at all
};

// The records an iCalendar text gives, before any archive is looked at: one for each
// event and each of its occurrences (RRULE and RDATE followed by libical's recurrence
// iterator, EXDATE left out), in the local time of this machine:
// - `Data`, `Giorno`, `Mese`, `Anno` from the start; `Ora`, `OreApp`, `MinutiApp` from it
//   too, and empty for a whole-day event;
// - `Dettagli` the summary, `Note` the description, `Complessivo` the location; the card
//   cuts them to their fields when they are stored;
// - `Avviso` the days from the earliest alarm before the start (rounded up to whole days,
//   at most 999), "0" when there is none;
// - `DaConfermare` "Sì" for a tentative event, `Effettuata` "No", `Costo` "0,00".
struct LetturaCalendario {
    std::vector<TSchedaScadenza> schede;
    std::size_t illeggibili = 0;
    bool calendario = true;  // false: the text is no iCalendar at all
};
LetturaCalendario LeggiCalendario(std::string_view testo, std::time_t adesso);
// The same, record by record (the callee may take each); `calendario` tells whether the
// text holds a calendar at all. Returns how many events were unreadable.
std::size_t LeggiEventi(std::string_view testo, std::time_t adesso, bool& calendario,
                        const std::function<void(TSchedaScadenza&)>& scheda);

// Appends the events of an iCalendar text to the year files "<anno>.rcd" of `cartella`,
// each to the file of its own year (created when missing). A record whose date, time and
// reason a year file already holds is not added again, so importing a file twice adds
// nothing the second time. Throws ErroreAccessoArchivio when a year file cannot be opened
// or written.
EsitoImportazione ImportaCalendario(std::string_view testo, const std::filesystem::path& cartella,
                                    std::time_t adesso);

// The import's closing message.
std::string Riepilogo(const EsitoImportazione& esito);
inline constexpr const char* CalendarioIllegibile =
    "Attenzione: il file scelto non contiene un calendario leggibile.";

}  // namespace calendario
