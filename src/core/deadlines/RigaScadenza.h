#pragma once
// The line a deadline gets in every text list of deadlines: the search, the three status
// lists and the interval summary.
#include <string>

#include "core/deadlines/TSchedaScadenza.h"

namespace scadenza {

// Reason, date, time, contact and type in fixed columns, then the amount whole after the
// euro sign. Fields as shown (trimmed).
std::string RigaScadenza(const TSchedaScadenza& s);

}  // namespace scadenza
