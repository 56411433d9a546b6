#pragma once
// The line a deadline gets in every text list of deadlines: the search, the three status
// lists and the interval summary.
#include <string>

#include "core/lists/Elenco.h"
#include "core/records/Scheda.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace scadenza {

// Reason, date, time, contact and type in fixed columns, then the amount whole after the
// euro sign. Fields as shown (trimmed), made straight from the record as stored.
std::string RigaScadenza(const VistaScheda<TSchedaScadenza>& s);
// The same appended to `riga`.
void AccodaRigaScadenza(std::string& riga, const VistaScheda<TSchedaScadenza>& s);
// The width of the reason, the column every deadline line starts with.
inline constexpr std::size_t kColonnaCausale = 40;
// The shape of the lines, for making them and for picking one.
inline const elenco::FormaRiga<TSchedaScadenza> FormaScadenza{
    AccodaRigaScadenza, &TSchedaScadenza::Dettagli, kColonnaCausale};

}  // namespace scadenza
