#pragma once
// The deadline search and the three lists of commitments by state: which records they
// list. Every one of them shows a record by its RigaScadenza.
#include <array>
#include <string>

#include "core/text/DataOra.h"
#include "core/lists/Elenco.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace scadenza {

// The ten filters of the deadline search, in the order of the window's fields; each is
// matched against one record field.
inline constexpr std::size_t kFiltri = 10;
using FiltriScadenza = std::array<std::string, kFiltri>;
inline constexpr std::array<std::string TSchedaScadenza::*, kFiltri> CampiFiltro = {
    &TSchedaScadenza::Data,     &TSchedaScadenza::Ora,          &TSchedaScadenza::Pagatore,
    &TSchedaScadenza::CodFisc,  &TSchedaScadenza::NumTessera,   &TSchedaScadenza::Carica,
    &TSchedaScadenza::Anticipi, &TSchedaScadenza::Beneficiario, &TSchedaScadenza::Dettagli,
    &TSchedaScadenza::Note,
};

using VistaScadenza = VistaScheda<TSchedaScadenza>;

// One search: the filters as typed, made once for the whole archive. A record is listed
// when the filters that occur in their fields reach the threshold, the number of filled
// filters (elenco::FiltriPieni): with every filter blank, the whole year is listed.
class RicercaScadenze : public elenco::Ricerca<TSchedaScadenza, kFiltri> {
public:
    explicit RicercaScadenze(const FiltriScadenza& filtri) : Ricerca(filtri, CampiFiltro) {}
};

// ---- Commitments by state ----------------------------------------------------------------

enum class StatoImpegni {
    DaConfermare,  // appointments waiting for confirmation
    NonAssolti,    // commitments not fulfilled, of any date
    Scaduti,       // commitments not fulfilled whose date has come
};

// The flags are read trimmed and compared exactly: "sì" or an empty flag is neither.
// DaConfermare "Sì", whatever the date and whether it was fulfilled.
bool InAttesaDiConferma(const VistaScadenza& s);
// Effettuata "No", whatever the date.
bool NonAssolto(const VistaScadenza& s);
// Effettuata "No" and the date `oggi` or earlier. A record whose date cannot be read is
// not listed; it says nothing about the records after it.
bool ScadutoNonAssolto(const VistaScadenza& s, const Data& oggi);

// The rule of the list `stato`; only the expired one looks at `oggi`. Each reads only the
// flags and the date of the record as stored.
bool Elencato(StatoImpegni stato, const VistaScadenza& s, const Data& oggi);

}  // namespace scadenza
