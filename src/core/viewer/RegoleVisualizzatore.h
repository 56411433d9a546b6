#pragma once
// The viewer's rules, free of any window: when a deadline is imminent, the chronological key
// its lists sort on, which records the day and month lists take, and the imminence check
// over a year file. The lists sort their rows with griglia::TabellaTesti::OrdinaRighe.
//
// A record whose date or warning days cannot be read is skipped: it is never imminent, and
// the reading goes on, so one damaged record cannot hide the deadlines stored after it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/deadlines/TSchedaScadenza.h"
#include "core/records/Scheda.h"
#include "core/text/DataOra.h"

namespace visualizzatore {

// The warning days of a record: a whole number, trimmed (optionally signed); nothing when
// the text is not one.
std::optional<int> GiorniAvviso(std::string_view avviso);

// Imminent on `oggi`: the warning period has begun (date − warning days ≤ today), the date
// has not passed (today ≤ date) and `Effettuata`, trimmed, is exactly "No". False for a
// record whose `Data` is not a date or whose `Avviso` is not a whole number.
bool ScadenzaImminente(const TSchedaScadenza& r, const Data& oggi);
// The same on the record as stored: only those three fields are read.
bool ScadenzaImminente(const VistaScheda<TSchedaScadenza>& r, const Data& oggi);

// Eight characters: the 4th and 5th of `Data` (the month), then `Giorno`, `OreApp` and
// `MinutiApp`, each trimmed. 05/03/2021 at 09:30 gives "03050930".
std::string ChiaveCronologica(const TSchedaScadenza& r);

// The day list takes a record whose `Data`, trimmed, is the day as dd/mm/yyyy.
bool DelGiorno(const TSchedaScadenza& r, const Data& giorno);
bool DelGiorno(const VistaScheda<TSchedaScadenza>& r, const Data& giorno);
// The month list takes a record whose `Mese`, trimmed and with A–Z lower-cased, names the
// day's month ("marzo" for 3), and whose `Anno`, trimmed, is the day's year in four digits.
bool DelMese(const TSchedaScadenza& r, const Data& giorno);
bool DelMese(const VistaScheda<TSchedaScadenza>& r, const Data& giorno);

// The imminence check: counts the imminent records of the year file on `oggi`, opened for
// reading only. A missing file is created empty (count 0). Archive failures throw
// ErroreAccessoArchivio.
std::int64_t ContaImminenti(const std::filesystem::path& file, const Data& oggi);
// The viewer's check on `oggi` over the year files of `cartella`: today's year as above
// (created empty when missing), then next year's, whose deadlines may already be in their
// warning period: read only when it exists, never created.
std::int64_t ContaImminentiDaOggi(const std::filesystem::path& cartella, const Data& oggi);

}  // namespace visualizzatore
