#include "core/contacts/RicercaContatti.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/app/Testo.h"

namespace ricerca {
namespace {

using C = TSchedaContatto;

constexpr auto kCampiFiltro = [] {
    std::array<PosizioneCampo, kFiltri> p{};
    for (std::size_t i = 0; i < kFiltri; ++i) p[i] = CampoDi<C>(CampiFiltro[i]);
    return p;
}();

template <std::size_t... I>
std::array<elenco::Filtro, kFiltri> Prepara(const FiltriContatto& f, std::index_sequence<I...>) {
    return {elenco::Filtro(f[I])...};
}

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

RicercaContatti::RicercaContatti(const FiltriContatto& filtri)
    : filtri_(Prepara(filtri, std::make_index_sequence<kFiltri>{})),
      soglia_(elenco::FiltriPieni(filtri)),
      possibili_(static_cast<std::size_t>(
          std::count_if(filtri_.begin(), filtri_.end(),
                        [](const elenco::Filtro& f) { return !f.Impossibile(); }))) {}

std::size_t RicercaContatti::Corrispondenze(const VistaContatto& s) const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < kFiltri; ++i)
        if (filtri_[i].In(s.Byte(kCampiFiltro[i]))) ++n;
    return n;
}

bool RicercaContatti::Trovato(const VistaContatto& s) const {
    // Stop once the threshold is reached, or can no longer be with the filters left (an
    // empty filter never matches).
    std::size_t n = 0, possibili = possibili_;
    for (std::size_t i = 0; i < kFiltri && n < soglia_ && n + possibili >= soglia_; ++i) {
        if (filtri_[i].Impossibile()) continue;
        --possibili;
        if (filtri_[i].In(s.Byte(kCampiFiltro[i]))) ++n;
    }
    return n >= soglia_;
}

std::string RigaContatto(const VistaContatto& s) { return Riga(s, CampoDi<C>(&C::Note)); }

bool DaRicontattare(const VistaContatto& s) {
    return flag::Leggi(s.Testo(CampoDi<C>(&C::Ricontatta))) == 1;
}

std::string RigaRicontatto(const VistaContatto& s) { return Riga(s, CampoDi<C>(&C::Questioni)); }

}  // namespace ricerca
