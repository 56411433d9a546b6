#pragma once
// The three lists of the viewer (imminent deadlines, the deadlines of a day, of a month):
// grid tables like the archive exports, with which records each takes for a day. The rows
// are sorted on their last column, the chronological key.
#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

#include "core/deadlines/TSchedaScadenza.h"
#include "core/export/Esportazioni.h"
#include "core/export/Griglia.h"
#include "core/text/DataOra.h"
#include "core/viewer/RegoleVisualizzatore.h"

namespace visualizzatore {

using S = TSchedaScadenza;
using ColonnaElenco = griglia::ColonnaDi<S>;

// The lists show what the deadlines export shows, up to "Note"; then whether the
// appointment is to be confirmed, whether the commitment was fulfilled (not in the imminent
// list, where it never is) and the key.
namespace dettaglio {
inline constexpr std::size_t kComeEsportazione = 18;  // grid columns 0 to 17
inline constexpr ColonnaElenco DaConfermare{"Da confermare", true, &S::DaConfermare};
inline constexpr ColonnaElenco Codice{"Codice univoco", true, nullptr, nullptr, &ChiaveCronologica};

template <std::size_t N>
constexpr std::array<ColonnaElenco, N> Colonne(bool effettuata) {
    std::array<ColonnaElenco, N> c{};
    std::size_t i = 0;
    for (; i < kComeEsportazione; ++i) c[i] = esportazione::ColonneScadenze[i];
    c[i++] = DaConfermare;
    if (effettuata) c[i++] = esportazione::ColonneScadenze[kComeEsportazione];
    c[i] = Codice;
    return c;
}

template <std::size_t N>
constexpr std::array<foglio::Intestazione, N> Intestazioni(bool effettuata) {
    std::array<foglio::Intestazione, N> h{};
    std::size_t i = 0;
    for (; i + 1 < kComeEsportazione; ++i) h[i] = esportazione::IntestazioniScadenze[i];
    h[i++] = {"Da confermare", 200};
    if (effettuata) h[i++] = {"Impegno assolto", 250};  // 200 in the grid
    h[i] = {"Codice univoco", 150};
    return h;
}
}  // namespace dettaglio

// The day and month lists show the same columns; the windows draw them differently.
inline constexpr std::array<ColonnaElenco, 20> ColonneImminenti = dettaglio::Colonne<20>(false);
inline constexpr std::array<ColonnaElenco, 21> ColonneGiornaliere = dettaglio::Colonne<21>(true);
inline constexpr std::array<ColonnaElenco, 21> ColonneMensili = dettaglio::Colonne<21>(true);
inline constexpr std::array<foglio::Intestazione, 19> IntestazioniImminenti =
    dettaglio::Intestazioni<19>(false);
inline constexpr std::array<foglio::Intestazione, 20> IntestazioniGiornoMese =
    dettaglio::Intestazioni<20>(true);

// A list: its grid and export, and which records it takes for a day (today for the
// imminent list, the calendar's day for the other two). The key is the last column.
struct ElencoScadenze {
    griglia::Dichiarazione<S> griglia;
    // Reads only the fields it needs of the record as stored.
    bool (*prendi)(const VistaScheda<S>&, const Data&);
    std::size_t ColonnaChiave() const { return griglia.colonne.size() - 1; }
};

inline constexpr ElencoScadenze Imminenti{
    {ColonneImminenti, {"Scadenze_Imminenti.xls", "Scadenze imminenti", IntestazioniImminenti}},
    &ScadenzaImminente};
inline constexpr ElencoScadenze Giornaliere{
    {ColonneGiornaliere,
     {"Scadenze_Giornaliere.xls", "Scadenze del giorno", IntestazioniGiornoMese}},
    &DelGiorno};
inline constexpr ElencoScadenze Mensili{
    {ColonneMensili, {"Scadenze_Mensili.xls", "Scadenze del mese", IntestazioniGiornoMese}},
    &DelMese};

static_assert(IntestazioniImminenti.size() + 1 == ColonneImminenti.size());
static_assert(IntestazioniGiornoMese.size() + 1 == ColonneGiornaliere.size());

// Fills `t` with the list of `giorno` from the year file (created empty when missing): the
// rows of the records it takes, in file order with their ordinal, then sorted on the key. A
// failure is thrown once the rows read so far are in the table, unsorted.
void Riempi(griglia::TabellaTesti& t, const ElencoScadenze& elenco,
            const std::filesystem::path& file, const Data& giorno);

}  // namespace visualizzatore
