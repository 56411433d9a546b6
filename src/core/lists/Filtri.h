#pragma once
// The text filters of the searches: which records a search lists.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/Archivio.h"

namespace elenco {

// A filter is filled when its text, trimmed, is not empty; the number of filled filters is
// the threshold a record's matches must reach.
std::size_t FiltriPieni(std::span<const std::string> filtri);

// One filter of a search, made once for the whole archive: it matches a field when the
// filter as typed (blanks included) occurs in the field as shown, both with A–Z
// lower-cased. Accented letters must match exactly; an empty filter never matches.
class Filtro {
public:
    explicit Filtro(std::string_view testo);
    // `campo` is the field as stored (Windows-1252, untrimmed): matching needs no
    // conversion of the record.
    bool In(std::string_view campo) const;
    // True when it can match no field at all.
    bool Impossibile() const { return !possibile_; }

private:
    std::string cerca_;  // lower-cased, in Windows-1252
    // False for an empty filter, and for one holding a character no archive can hold.
    bool possibile_ = false;
};

// One search over an archive: filter i, as typed, is looked for in field `campi[i]` of each
// record as stored, with no conversion of the record.
template <class Scheda, std::size_t N>
class Ricerca {
public:
    Ricerca(const std::array<std::string, N>& filtri,
            const std::array<std::string Scheda::*, N>& campi)
        : soglia_(FiltriPieni(filtri)) {
        for (std::size_t i = 0; i < N; ++i) {
            filtri_.emplace_back(filtri[i]);
            campi_[i] = CampoDi<Scheda>(campi[i]);
            if (!filtri_.back().Impossibile()) ++possibili_;
        }
    }
    // The number of filled filters: the threshold a record's matches must reach.
    std::size_t Soglia() const { return soglia_; }
    // How many filters occur in their fields.
    std::size_t Corrispondenze(const VistaScheda<Scheda>& s) const {
        std::size_t n = 0;
        for (std::size_t i = 0; i < N; ++i)
            if (filtri_[i].In(s.Byte(campi_[i]))) ++n;
        return n;
    }
    // A search lists a record when its matches reach the threshold: with every filter
    // blank, every record is listed.
    bool Trovata(const VistaScheda<Scheda>& s) const {
        // Stop once the threshold is reached, or can no longer be with the filters left (an
        // empty filter never matches).
        std::size_t n = 0, possibili = possibili_;
        for (std::size_t i = 0; i < N && n < soglia_ && n + possibili >= soglia_; ++i) {
            if (filtri_[i].Impossibile()) continue;
            --possibili;
            if (filtri_[i].In(s.Byte(campi_[i]))) ++n;
        }
        return n >= soglia_;
    }

private:
    std::vector<Filtro> filtri_;
    std::array<PosizioneCampo, N> campi_{};
    std::size_t soglia_;
    std::size_t possibili_ = 0;  // filters that can match at all
};

}  // namespace elenco
