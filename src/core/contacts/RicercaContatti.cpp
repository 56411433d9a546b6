#include "core/contacts/RicercaContatti.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/app/Testo.h"

namespace ricerca {
namespace {

using C = TSchedaContatto;

std::string Riga(const VistaContatto& s, PosizioneCampo ultima) {
    constexpr PosizioneCampo kCliente = CampoDi<C>(&C::Cliente),
                             kRecapito = CampoDi<C>(&C::Recapito),
                             kOccupazione = CampoDi<C>(&C::Occupazione),
                             kProdotti = CampoDi<C>(&C::Prodotti);
    const std::string_view fine = s.Byte(ultima);
    std::string r;
    r.reserve(115 + fine.size() * 2);
    testo::AccodaDaArchivio(r, s.Byte(kCliente), 26);
    r += std::string_view("  Tel. ");
    testo::AccodaDaArchivio(r, s.Byte(kRecapito), 15);
    r += std::string_view("  ");
    testo::AccodaDaArchivio(r, s.Byte(kOccupazione), 25);
    r += std::string_view("  Prod. ");
    testo::AccodaDaArchivio(r, s.Byte(kProdotti), 30);
    r += std::string_view("  ");
    testo::AccodaDaArchivio(r, fine);
    return r;
}

}  // namespace

std::string RigaContatto(const VistaContatto& s) { return Riga(s, CampoDi<C>(&C::Note)); }

bool DaRicontattare(const VistaContatto& s) {
    return flag::LeggiArchivio(s.Byte(CampoDi<C>(&C::Ricontatta))) == 1;
}

std::string RigaRicontatto(const VistaContatto& s) { return Riga(s, CampoDi<C>(&C::Questioni)); }

}  // namespace ricerca
