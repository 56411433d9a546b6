#pragma once
// What every result list shares, whatever records it shows: the text filters of the
// searches, the order of the lines, finding a line within the list, and bringing back the
// record a chosen line was made from.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Archivio.h"

namespace elenco {

// --- Filters ---------------------------------------------------------------------------------

// A filter is filled when its text, trimmed, is not empty; the number of filled filters is
// the threshold a record's matches must reach.
std::size_t FiltriPieni(std::span<const std::string> filtri);

// The filter as typed (blanks included) occurs in the field, both with A–Z lower-cased.
// Accented letters must match exactly; an empty filter never matches.
bool Corrisponde(std::string_view filtro, std::string_view campo);

// How many filters occur in their fields, filter i being matched against field i.
template <class Scheda, std::size_t N>
std::size_t Corrispondenze(const Scheda& s, const std::array<std::string, N>& filtri,
                           const std::array<std::string Scheda::*, N>& campi) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (Corrisponde(filtri[i], s.*campi[i])) ++n;
    return n;
}
// A search lists a record when its matches reach the threshold, the number of filled
// filters: with every filter blank, every record is listed.
template <class Scheda, std::size_t N>
bool Trovata(const Scheda& s, const std::array<std::string, N>& filtri,
             const std::array<std::string Scheda::*, N>& campi, std::size_t soglia) {
    return Corrispondenze(s, filtri, campi) >= soglia;
}

// --- Order -----------------------------------------------------------------------------------

// Ascending, character by character, A–Z folded to one case, everything else by its code.
bool PrimaDi(std::string_view a, std::string_view b);
// Sorts lines into list order; lines equal in that order keep the order they came in.
void Ordina(std::vector<std::string>& righe);

// --- Find in list ----------------------------------------------------------------------------

// Line i of a list of `numero` lines.
using Riga = std::function<std::string(std::size_t)>;

struct EsitoTrova {
    // The line to select; none only for an empty list.
    std::optional<std::size_t> selezione;
    bool trovata = false;
};

// The "Trova" command of a list. `testo` is the find field as typed; `ricordato` is the
// remembered (lower-cased) text of the last find, updated here. A new text starts at the
// first line and tests it first; the same text again steps on from the selected line,
// wrapping round, and tests the selected line last. With no selection the first line is
// selected; when nothing matches the selection stays as it is.
EsitoTrova TrovaNellaLista(std::size_t numero, const Riga& riga,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato);
EsitoTrova TrovaNellaLista(const std::vector<std::string>& righe,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato);

// --- Picking a line --------------------------------------------------------------------------

// What a list hands to the window that opened it when the user picks a line: the record
// and its position in the archive. The opener decides how to show it.
template <class Scheda>
using Scelta = std::function<void(std::int64_t posizione, const Scheda&)>;

// Two lines are the same line when they are equal once trimmed.
bool RigheUguali(std::string_view a, std::string_view b);

// Reads the whole archive and hands every record whose line equals `riga` to `copia`, with
// its position, in file order: when several records give the same line, the last one is
// what stays in the window that receives them. Returns how many were handed over.
// Archive failures propagate (the pick then ends).
template <class Scheda>
std::size_t CopiaSchedeUguali(Archivio<Scheda>& archivio, std::string_view riga,
                              const std::function<std::string(const Scheda&)>& componi,
                              const Scelta<Scheda>& copia) {
    std::size_t uguali = 0;
    archivio.LeggiTutte([&](std::int64_t posizione, const Scheda& s) {
        if (RigheUguali(componi(s), riga)) {
            copia(posizione, s);
            ++uguali;
        }
        return true;
    });
    return uguali;
}

}  // namespace elenco
