#pragma once
// The contact search and the recontact list: which records they list and the line each
// record gets. Both read the records as stored and convert only the fields they use.
#include <array>
#include <string>

#include "core/lists/Elenco.h"
#include "core/contacts/TSchedaContatto.h"

namespace ricerca {

using VistaContatto = VistaScheda<TSchedaContatto>;

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

// One search: the filters as typed, made once for the whole archive.
class RicercaContatti : public elenco::Ricerca<TSchedaContatto, kFiltri> {
public:
    explicit RicercaContatti(const FiltriContatto& filtri) : Ricerca(filtri, CampiFiltro) {}
};

// Name, telephone, occupation and products in fixed columns, then the notes whole.
std::string RigaContatto(const VistaContatto& s);
void AccodaRigaContatto(std::string& riga, const VistaContatto& s);
// The width of the name, the column every contact line starts with.
inline constexpr std::size_t kColonnaNome = 26;

// The recontact list: contacts whose flag is exactly "Sì", with the pending questions in
// place of the notes.
bool DaRicontattare(const VistaContatto& s);
std::string RigaRicontatto(const VistaContatto& s);
void AccodaRigaRicontatto(std::string& riga, const VistaContatto& s);

// The shapes of the two lists' lines, for making them and for picking one.
inline const elenco::FormaRiga<TSchedaContatto> FormaContatto{
    AccodaRigaContatto, &TSchedaContatto::Cliente, kColonnaNome};
inline const elenco::FormaRiga<TSchedaContatto> FormaRicontatto{
    AccodaRigaRicontatto, &TSchedaContatto::Cliente, kColonnaNome};

}  // namespace ricerca
