#pragma once
// The contact search and the recontact list: which records they list and the line each
// record gets.
#include <array>
#include <string>

#include "core/app/Elenco.h"
#include "core/contacts/TSchedaContatto.h"

namespace ricerca {

// The ten filters of the contact search, in the order of the window's fields; each is
// matched against one record field.
inline constexpr std::size_t kFiltri = 10;
using FiltriContatto = std::array<std::string, kFiltri>;
inline constexpr std::array<std::string TSchedaContatto::*, kFiltri> CampiFiltro = {
    &TSchedaContatto::Cliente,  &TSchedaContatto::ComuneRes, &TSchedaContatto::PartitaIva,
    &TSchedaContatto::CodFisc,  &TSchedaContatto::Documento, &TSchedaContatto::Occupazione,
    &TSchedaContatto::Prodotti, &TSchedaContatto::Zona,      &TSchedaContatto::Questioni,
    &TSchedaContatto::Note,
};

// How many filters occur in their fields (elenco::Corrisponde).
std::size_t Corrispondenze(const TSchedaContatto& s, const FiltriContatto& filtri);
// Listed when its matches reach the threshold, the number of filled filters
// (elenco::FiltriPieni): with every filter blank, every record is listed.
inline bool ContattoTrovato(const TSchedaContatto& s, const FiltriContatto& filtri,
                            std::size_t soglia) {
    return elenco::Trovata(s, filtri, CampiFiltro, soglia);
}

// Name, telephone, occupation and products in fixed columns, then the notes whole.
std::string RigaContatto(const TSchedaContatto& s);

// The recontact list: contacts whose flag is exactly "Sì", with the pending questions in
// place of the notes.
bool DaRicontattare(const TSchedaContatto& s);
std::string RigaRicontatto(const TSchedaContatto& s);

}  // namespace ricerca
