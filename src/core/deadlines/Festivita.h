#pragma once
// Working days in Italy: Monday to Friday, except the national holidays (1 and 6 January,
// Easter Monday, 25 April, 1 May, 2 June, 15 August, 1 November, 8 December, 25 and 26
// December). A payment due on a day that is not a working day moves to the next one.
#include <optional>
#include <string>
#include <string_view>

#include "core/text/DataOra.h"

namespace festivita {

// Easter Sunday of a year of the Gregorian calendar (1583 onwards), by the computus.
Data Pasqua(int anno);

// The holiday's name for a national holiday ("Natale", "Lunedì dell'Angelo"); nothing for
// any other day.
std::optional<std::string_view> FestaNazionale(const Data& giorno);

// 0 Monday .. 6 Sunday.
int GiornoSettimana(const Data& giorno);

bool GiornoLavorativo(const Data& giorno);

// The day itself when it is a working day, otherwise the first working day after it;
// nothing when that would fall after 31/12/9999.
std::optional<Data> ProssimoLavorativo(const Data& giorno);

// For a day that is not a working day, why ("sabato", "domenica" or the holiday) and the
// next working day, as the card shows them; nothing for a working day.
std::optional<std::string> NotaNonLavorativo(const Data& giorno);
// The same for a date as the card makes it ("dd/mm/yyyy"); nothing for a text that is not a
// date.
std::optional<std::string> NotaNonLavorativo(std::string_view data);

}  // namespace festivita
