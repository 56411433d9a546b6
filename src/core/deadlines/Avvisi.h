#pragma once
// The warning given at login: which deadlines of today's year file, then of next year's,
// are imminent, in date and time order, and the texts that name them. Reads only; never
// creates a year file.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/text/DataOra.h"
#include "core/records/Scheda.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace avvisi {

// Which records are imminent on a given day. The program hands in the viewer's own rule,
// so the login warning announces exactly the deadlines the viewer announces. A rule that
// throws for a record (a date or warning that cannot be read) leaves that record out.
// The rule sees each record as stored; only the imminent ones are read whole.
using RegolaImminenza =
    std::function<bool(const VistaScheda<TSchedaScadenza>&, const Data& oggi)>;

struct Imminenti {
    std::vector<TSchedaScadenza> schede;  // nearest first
    std::size_t saltate = 0;              // records the rule could not judge
};

// The imminent records of `cartella`/<year of oggi>.rcd, then those of the next year's file
// after them. A missing file has none and is not created; a file that cannot be read throws
// ErroreAccessoArchivio.
Imminenti CercaImminenti(const std::filesystem::path& cartella, const Data& oggi,
                         const RegolaImminenza& imminente);

// False for a deadline still to be fulfilled whose date or warning days cannot be read:
// no rule can tell whether it is imminent, so the warning counts it instead of passing it
// over in silence. A fulfilled deadline is never imminent, whatever its date says.
bool Valutabile(const VistaScheda<TSchedaScadenza>& s);

// The deadline's line in every text list of deadlines, kept on one line.
std::string RigaElenco(const TSchedaScadenza& s);

// "1 scadenza imminente", "3 scadenze imminenti".
std::string TitoloNotifica(std::size_t quante);
// The nearest `massimo` deadlines, one a line as "dd/mm/yyyy hh:mm reason", and when there
// are more a last line "... e altre N." ("... e un'altra." for one).
std::string CorpoNotifica(const std::vector<TSchedaScadenza>& schede, std::size_t massimo = 5);

}  // namespace avvisi
