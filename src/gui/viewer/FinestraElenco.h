#pragma once
// What the viewer's three lists share: a grid window over the year file of a day (the
// imminent list: and next year's), filled with the list's own selection and sorted on the
// chronological key.
#include <functional>

#include "core/viewer/ElenchiScadenze.h"
#include "gui/app/FinestraGriglia.h"

// The declaration of a list window: `giorno` is asked when the rows are filled, and names
// both the year file read (created empty when missing) and the day the selection is for.
FinestraGriglia::Dichiarazione DichiarazioneElenco(const char* classe, const char* titolo,
                                                   const visualizzatore::ElencoScadenze& elenco,
                                                   std::function<Data()> giorno);
