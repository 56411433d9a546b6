#pragma once
// Repeating a saved deadline: the days of the series (every 1, 2, 3, 4, 6 or 12 months, or
// every week; a number of times or until a day), and the writing of each occurrence as an
// ordinary record in its own year's file. The record repeated is never changed.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/deadlines/TSchedaScadenza.h"
#include "core/text/DataOra.h"

namespace ripetizione {

// As the copy of a card, a repeat needs the card saved first.
inline constexpr std::string_view NonArchiviata =
    "Attenzione: la ripetizione di una scheda può avvenire soltanto dopo che questa è stata "
    "inserita in archivio.";

inline constexpr int kMassimoRipetizioni = 500;
inline constexpr int kMassimoAnni = 50;
// The steps offered, in months (0 is every week), as the window names them.
inline constexpr int kSettimana = 0;
struct VocePasso {
    int mesi;
    std::string_view testo;
};
inline constexpr VocePasso kPassi[] = {
    {kSettimana, "ogni settimana"},
    {1, "ogni mese"},
    {2, "ogni 2 mesi"},
    {3, "ogni 3 mesi"},
    {4, "ogni 4 mesi"},
    {6, "ogni 6 mesi"},
    {12, "ogni anno"},
};

// The number of repeats as typed: trimmed, optionally signed digits; an empty text is 0, a
// text that is no number is -1, one too large for any series is one over the maximum.
int VolteDaTesto(std::string_view testo);

struct Richiesta {
    int mesi = 1;              // one of kPassi' months
    std::optional<int> volte;  // how many repeats after the record's own day...
    std::optional<Data> fino;  // ... or every one up to this day, included
    bool lavorativo = false;   // each occurrence moved to the next working day
};

struct Piano {
    std::vector<Data> date;              // in order, the record's own day excluded
    std::optional<std::string> rifiuto;  // why nothing can be repeated
};

// The days after `inizio`. A month lacking the series' day gets its last day, and the next
// month goes back to the series' day (31/01 → 28/02 → 31/03).
Piano Pianifica(const Data& inizio, const Richiesta& richiesta);

// The occurrence of `origine` on `giorno`: day, month name, year and date as the card
// stores them, not fulfilled, every other field as it is.
TSchedaScadenza Occorrenza(const TSchedaScadenza& origine, const Data& giorno);

struct NellAnno {
    int anno;
    int schede;
};

struct Esito {
    std::vector<NellAnno> scritte;                 // the records written, by year, in order
    std::optional<std::filesystem::path> fallito;  // the year file a write failed on
    int Totale() const;
    // What the window says at the end.
    std::string Messaggio() const;
};

// Appends the occurrences to their year's files in `cartella` (created when missing), a year
// file at a time, each year's records on disk before the next year's. A failure stops
// there: what was written stays, and the outcome names the file.
Esito Scrivi(const std::filesystem::path& cartella, const TSchedaScadenza& origine,
             const std::vector<Data>& date);

}  // namespace ripetizione
