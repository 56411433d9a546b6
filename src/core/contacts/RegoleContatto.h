#pragma once
// The contact card's rules, free of any window: the one check of Salva, what a new card
// and a copy hold. The window reads its controls into a TSchedaContatto, asks here, and
// writes back.
#include <array>
#include <optional>
#include <string_view>

#include "core/text/Messaggi.h"
#include "core/records/RegoleScheda.h"
#include "core/contacts/TSchedaContatto.h"

namespace contatto {

// A card with only a name is valid: the checkers are advisory.
inline constexpr std::array<CampoObbligatorio<TSchedaContatto>, 1> CampiObbligatori = {{
    {&TSchedaContatto::Cliente, 1, messaggi::NomeContattoMancante},
}};

inline constexpr std::string_view SchedaInserita =
    "La scheda corrente è stata inserita in archivio.";

// The checks of Salva on the card read from the controls.
std::optional<Rifiuto> ControllaSalvataggio(TSchedaContatto& carta);

// A new card: every field empty, "Da ricontattare" not ticked.
TSchedaContatto SchedaNuova();
// The card's treatment of its record: the attachments belong to the stored contact, so a
// copy never takes them; appended cards are "inserita".
const RegoleScheda<TSchedaContatto>& Regole();

}  // namespace contatto
