#pragma once
// The line a deadline gets in every text list of deadlines: the search, the three status
// lists and the interval summary.
#include <string>

#include "core/app/Scheda.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace scadenza {

// Reason, date, time, contact and type in fixed columns, then the amount whole after the
// euro sign. Fields as shown (trimmed), made straight from the record as stored.
std::string RigaScadenza(const VistaScheda<TSchedaScadenza>& s);
// The same appended to `riga`.
void AccodaRigaScadenza(std::string& riga, const VistaScheda<TSchedaScadenza>& s);

}  // namespace scadenza
