#pragma once
// What the viewer's three lists share: a grid window over one year file, filled for a day
// with the list's own selection and sorted on the chronological key.
#include <array>
#include <cstddef>
#include <functional>
#include <span>

#include "core/viewer/ElenchiScadenze.h"
#include "gui/app/FinestraGriglia.h"
#include "gui/export/AspettoScadenze.h"

// How a list draws its columns: as the deadlines export up to "Note", then "Da confermare",
// "Impegno assolto" (not in the imminent list) and the key. A window changes what differs.
template <std::size_t N>
constexpr std::array<AspettoColonna, N> AspettoElenco(bool effettuata) {
    constexpr std::size_t kComeEsportazione = visualizzatore::dettaglio::kComeEsportazione;
    std::array<AspettoColonna, N> a{};
    std::size_t i = 0;
    for (; i < kComeEsportazione; ++i) a[i] = AspettoScadenze[i];
    a[i++] = {"colDaConfermare", 200};
    if (effettuata) a[i++] = AspettoScadenze[kComeEsportazione];
    a[i] = {"colCodice", 150};
    return a;
}

// The declaration of a list window: `giorno` is asked when the rows are filled, and names
// both the year file read (created empty when missing) and the day the selection is for.
FinestraGriglia::Dichiarazione DichiarazioneElenco(const char* classe, const char* titolo,
                                                   const visualizzatore::ElencoScadenze& elenco,
                                                   std::span<const AspettoColonna> aspetto,
                                                   std::function<Data()> giorno);
