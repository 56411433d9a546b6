#pragma once
// What every result list shares, whatever records it shows: the text filters of the
// searches (Filtri.h), the order of the lines (Ordine.h), their packed storage (Righe.h),
// finding a line within the list (TrovaNellaLista.h), and, here, making the lines of an
// archive and bringing back the record a chosen line was made from.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/archive/Archivio.h"
#include "core/lists/Filtri.h"
#include "core/lists/Ordine.h"
#include "core/lists/Righe.h"
#include "core/lists/TrovaNellaLista.h"

namespace elenco {

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
