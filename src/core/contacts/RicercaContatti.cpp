#include "core/contacts/RicercaContatti.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/text/Testo.h"

namespace ricerca {
namespace {

using C = TSchedaContatto;

void AccodaRiga(std::string& r, const VistaContatto& s, PosizioneCampo ultima) {
    constexpr PosizioneCampo kCliente = CampoDi<C>(&C::Cliente),
                             kRecapito = CampoDi<C>(&C::Recapito),
                             kOccupazione = CampoDi<C>(&C::Occupazione),
                             kProdotti = CampoDi<C>(&C::Prodotti);
    const std::string_view fine = s.Byte(ultima);
    r.reserve(r.size() + 115 + fine.size() * 3);
    testo::AccodaDaArchivio(r, s.Byte(kCliente), kColonnaNome);
    r += std::string_view("  Tel. ");
    testo::AccodaDaArchivio(r, s.Byte(kRecapito), 15);
    r += std::string_view("  ");
    testo::AccodaDaArchivio(r, s.Byte(kOccupazione), 25);
    r += std::string_view("  Prod. ");
    testo::AccodaDaArchivio(r, s.Byte(kProdotti), 30);
    r += std::string_view("  ");
    testo::AccodaDaArchivio(r, fine);
}

}  // namespace

void AccodaRigaContatto(std::string& riga, const VistaContatto& s) {
    AccodaRiga(riga, s, CampoDi<C>(&C::Note));
}

std::string RigaContatto(const VistaContatto& s) {
    std::string riga;
    AccodaRigaContatto(riga, s);
    return riga;
}

bool DaRicontattare(const VistaContatto& s) {
    return flag::LeggiArchivio(s.Byte(CampoDi<C>(&C::Ricontatta))) == 1;
}

void AccodaRigaRicontatto(std::string& riga, const VistaContatto& s) {
    AccodaRiga(riga, s, CampoDi<C>(&C::Questioni));
}

std::string RigaRicontatto(const VistaContatto& s) {
    std::string riga;
    AccodaRigaRicontatto(riga, s);
    return riga;
}

}  // namespace ricerca
