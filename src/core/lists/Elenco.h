#pragma once
// What every result list shares, whatever records it shows: the text filters of the
// searches, the order of the lines, finding a line within the list, and bringing back the
// record a chosen line was made from.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <memory_resource>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/memory/Allocatore.h"
#include "core/archive/Archivio.h"

namespace elenco {

// --- Filters ---------------------------------------------------------------------------------

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

// --- Order -----------------------------------------------------------------------------------

// Ascending, character by character, A–Z folded to one case, everything else by its code.
bool PrimaDi(std::string_view a, std::string_view b);
// Sorts lines into list order; lines equal in that order keep the order they came in.
void Ordina(std::vector<std::string>& righe);
// The list order of n texts, `testo(i)` for i below n, as their indexes; texts equal in
// that order keep the order of their indexes.
std::vector<std::uint32_t> OrdineTesti(std::size_t n,
                                       const std::function<std::string_view(std::size_t)>& testo);

// The lines of a result list. Their text is packed in a few large blocks, never moved once
// written, and the list order is an index over them: 100,000 lines cost a handful of
// allocations and little more than their text, and putting them in order moves no text.
class Righe {
public:
    // `memoria` gives the blocks and the large arrays (by default, new and delete).
    explicit Righe(std::pmr::memory_resource* memoria = std::pmr::get_default_resource());
    Righe(Righe&&) noexcept;
    Righe& operator=(Righe&&) noexcept;
    Righe(const Righe&);
    Righe& operator=(const Righe&) = delete;
    ~Righe();

    // Room for this many lines, when the caller knows how many may come.
    void Riserva(std::size_t righe);
    // Adds a line after the others (list order is put right by Inserisci).
    void Accoda(std::string_view riga);
    std::size_t size() const { return ordine_.size(); }
    bool empty() const { return ordine_.empty(); }
    // Line i of the list.
    std::string_view operator[](std::size_t i) const { return Testo(ordine_[i]); }
    // Empties the list and gives its memory back.
    void Svuota();
    // Bytes held, spare room included.
    std::size_t Memoria() const;

private:
    friend void Inserisci(Righe&, Righe);
    struct Posto {
        const char* inizio;
        std::uint32_t lunghezza;
    };
    struct Blocco {
        char* dati;
        std::size_t dimensione;
        std::pmr::memory_resource* memoria;
    };
    template <class T>
    using Vettore = std::vector<T, Allocatore<T>>;

    std::string_view Testo(std::uint32_t n) const {
        return {posti_[n].inizio, posti_[n].lunghezza};
    }

    std::pmr::memory_resource* memoria_;
    std::vector<Blocco> blocchi_;
    std::size_t liberi_ = 0;         // free bytes at the end of the last block
    Vettore<Posto> posti_;           // every line, in the order it came
    Vettore<std::uint32_t> ordine_;  // the list: indexes into posti_
};

// Puts `nuove` in list order among `elenco`, which already is. Each line's order key is made
// once and keys are compared byte by byte. Lines equal in list order keep their order: those
// already in the list first, then the new ones as they came.
void Inserisci(Righe& elenco, Righe nuove);

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

// How a list window makes the line of a record, from the record as stored: appended to
// `riga`, so that one buffer serves a whole scan.
template <class Scheda>
using Componi = std::function<void(std::string& riga, const VistaScheda<Scheda>&)>;

// The shape of a list's lines: how the line of a record is made, and the column it starts
// with: the field `primo` as shown (trimmed), cut and padded with blanks to `larghezza`
// characters, and followed by text that is never blank. A pick reads that column from the
// stored bytes and makes the lines only of the records that can give the chosen one.
template <class Scheda>
struct FormaRiga {
    Componi<Scheda> componi;
    std::string Scheda::*primo;
    std::size_t larghezza;
};

// The first column of a chosen line, to tell the records that cannot give it.
class PrimaColonna {
public:
    PrimaColonna(std::string_view riga, std::size_t larghezza);
    // False when a record whose first field holds `campo` (as stored) surely gives a line
    // other than the chosen one, even trimmed. A record with that field blank begins its
    // line with blanks, which trimming removes: it is always possible.
    bool Possibile(std::string_view campo) const;

private:
    std::size_t larghezza_;
    // The column in stored bytes; none when no record with a first field can give the line
    // (too short, or holding a character no field can).
    std::optional<std::string> byte_;
    std::size_t piena_ = 0;  // its length without the blanks that pad it
};

// Adds to `righe`, in file order, the line of every record of the open archive that
// `prendi` takes. Archive failures propagate, with the lines made so far in `righe`.
template <class Scheda>
void AccodaRighe(Archivio<Scheda>& archivio,
                 const std::function<bool(const VistaScheda<Scheda>&)>& prendi,
                 const Componi<Scheda>& componi, Righe& righe) {
    // Room for every record: what does not come is given back once the lines are in order.
    righe.Riserva(static_cast<std::size_t>(archivio.NumeroSchede()));
    std::string riga;
    archivio.ScorriTutte([&](std::int64_t, const VistaScheda<Scheda>& s) {
        if (prendi(s)) {
            riga.clear();
            componi(riga, s);
            righe.Accoda(riga);
        }
        return true;
    });
}

// Reads the whole archive and hands every record whose line equals `riga` to `copia`, with
// its position, in file order: when several records give the same line, the last one is
// what stays in the window that receives them. Only those records are read whole, and
// only those whose first column can be the chosen line's get their line made.
// Returns how many were handed over. Archive failures propagate (the pick then ends).
template <class Scheda>
std::size_t CopiaSchedeUguali(Archivio<Scheda>& archivio, std::string_view riga,
                              const FormaRiga<Scheda>& forma, const Scelta<Scheda>& copia) {
    std::size_t uguali = 0;
    std::string sua;
    const PosizioneCampo primo = CampoDi<Scheda>(forma.primo);
    const PrimaColonna colonna(riga, forma.larghezza);
    archivio.ScorriTutte([&](std::int64_t posizione, const VistaScheda<Scheda>& vista) {
        if (!colonna.Possibile(vista.Byte(primo))) return true;
        sua.clear();
        forma.componi(sua, vista);
        if (RigheUguali(sua, riga)) {
            copia(posizione, vista.Tutta());
            ++uguali;
        }
        return true;
    });
    return uguali;
}

}  // namespace elenco
