#include "core/contacts/RicercaContatti.h"

#include "core/app/Elenco.h"
#include "core/app/Testo.h"

namespace ricerca {
namespace {

std::string Riga(const TSchedaContatto& s, const std::string& ultima) {
    using testo::PadTaglia;
    return PadTaglia(s.Cliente, 26) + "  Tel. " + PadTaglia(s.Recapito, 15) + "  " +
           PadTaglia(s.Occupazione, 25) + "  Prod. " + PadTaglia(s.Prodotti, 30) + "  " + ultima;
}

}  // namespace

std::size_t Corrispondenze(const TSchedaContatto& s, const FiltriContatto& filtri) {
    return elenco::Corrispondenze(s, filtri, CampiFiltro);
}

std::string RigaContatto(const TSchedaContatto& s) { return Riga(s, s.Note); }

bool DaRicontattare(const TSchedaContatto& s) { return testo::Rifila(s.Ricontatta) == flag::Si; }

std::string RigaRicontatto(const TSchedaContatto& s) { return Riga(s, s.Questioni); }

}  // namespace ricerca
