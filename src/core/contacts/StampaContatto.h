#pragma once
// What a printed contact card shows: its title and 24 caption/value rows.
#include <string_view>

#include "core/records/RigaStampa.h"
#include "core/contacts/TSchedaContatto.h"

inline constexpr std::string_view TitoloStampaContatto = "SCHEDA ANAGRAFICA CONTATTO";

// Rows from the card's texts (trimmed here). Row 22 reads "Zona:" on paper and
// "Zona di appartenenza:" in the PDF.
RigheScheda RigheStampaContatto(const TSchedaContatto& scheda, bool perPdf);
