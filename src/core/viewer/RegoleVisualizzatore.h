#pragma once
// The viewer's rules, free of any window: when a deadline is imminent, the chronological key
// its lists sort on, the row order, which records the day and month lists take, and the
// imminence check over a year file.
//
// A record whose date or warning days cannot be read is skipped: it is never imminent, and
// the reading goes on, so one damaged record cannot hide the deadlines stored after it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/DataOra.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace visualizzatore {

// The warning days of a record: a whole number, trimmed (optionally signed); nothing when
// the text is not one.
std::optional<int> GiorniAvviso(std::string_view avviso);

// Imminent on `oggi`: the warning period has begun (date − warning days ≤ today), the date
// has not passed (today ≤ date) and `Effettuata`, trimmed, is exactly "No". False for a
// record whose `Data` is not a date or whose `Avviso` is not a whole number.
bool ScadenzaImminente(const TSchedaScadenza& r, const Data& oggi);

// Eight characters: the 4th and 5th of `Data` (the month), then `Giorno`, `OreApp` and
// `MinutiApp`, each trimmed. 05/03/2021 at 09:30 gives "03050930".
std::string ChiaveCronologica(const TSchedaScadenza& r);

// The new order of `numero` rows sorted by their key text, ascending, letters A–Z folded to
// one case: the row numbers in their new order. Equal keys keep their order.
std::vector<std::size_t> OrdinePerChiave(
    std::size_t numero, const std::function<std::string_view(std::size_t)>& chiave);

// A row of cell texts, and the sort of whole rows on their key column (a row too short to
// have that column sorts as an empty key).
using Riga = std::vector<std::string>;
void OrdinaRighe(std::vector<Riga>& righe, std::size_t colonnaChiave);

// The day list takes a record whose `Data`, trimmed, is the day as dd/mm/yyyy.
bool DelGiorno(const TSchedaScadenza& r, const Data& giorno);
// The month list takes a record whose `Mese`, trimmed and with A–Z lower-cased, names the
// day's month ("marzo" for 3), and whose `Anno`, trimmed, is the day's year in four digits.
bool DelMese(const TSchedaScadenza& r, const Data& giorno);

// The imminence check: counts the imminent records of the year file on `oggi`, opened for
// reading only. A missing file is created empty (count 0). Archive failures throw ErroreAccessoArchivio.
std::int64_t ContaImminenti(const std::filesystem::path& file, const Data& oggi);

}  // namespace visualizzatore
