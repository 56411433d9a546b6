#include "core/export/Griglia.h"

#include "core/lists/Ordine.h"
#include "core/text/Testo.h"

namespace griglia {

void TabellaTesti::AccodaCellaDaArchivio(std::string_view campo) {
    const std::string_view mostrato = testo::RifilaVista(campo);
    if (mostrato.empty()) return celle_.push_back({0, 0});
    celle_.push_back(
        testi_.Chiudi(testo::ScriviDaWindows1252(testi_.Spazio(3 * mostrato.size()), mostrato)));
}

void TabellaTesti::AccodaCellaDaArchivio(std::string_view campo, std::string_view seguito) {
    const std::string_view primo = testo::RifilaVista(campo), secondo = testo::RifilaVista(seguito);
    char* inizio = testi_.Spazio(3 * (primo.size() + secondo.size()) + 1);
    char* p = inizio + testo::ScriviDaWindows1252(inizio, primo);
    *p++ = ' ';
    p += testo::ScriviDaWindows1252(p, secondo);
    celle_.push_back(testi_.Chiudi(static_cast<std::size_t>(p - inizio)));
}

void TabellaTesti::ImpostaCella(std::size_t riga, std::size_t colonna, std::string_view nuovo) {
    testi_.Cambia(celle_.at(riga * colonne_ + colonna), nuovo);
}

void TabellaTesti::Riserva(std::size_t righe) { celle_.reserve(celle_.size() + righe * colonne_); }

void TabellaTesti::Compatta() {
    if (celle_.capacity() > celle_.size() + celle_.size() / 4) celle_.shrink_to_fit();
}

void TabellaTesti::OrdinaRighe(std::size_t colonna) {
    const std::size_t n = Righe();
    if (n < 2 || colonna >= colonne_) return;
    // The order of the result lists: each key made once.
    const std::vector<std::uint32_t> ordine =
        elenco::OrdineTesti(n, [&](std::size_t r) { return Cella(r, colonna); });
    Celle riordinate(Fonte());
    riordinate.reserve(celle_.size());
    for (std::size_t r : ordine)
        riordinate.insert(riordinate.end(),
                          celle_.begin() + static_cast<std::ptrdiff_t>(r * colonne_),
                          celle_.begin() + static_cast<std::ptrdiff_t>((r + 1) * colonne_));
    celle_ = std::move(riordinate);
}

std::size_t TabellaTesti::Memoria() const {
    return testi_.Memoria() + celle_.capacity() * sizeof(Pezzo);
}

foglio::Righe RigheEsportate(const TabellaTesti& t) {
    return {t.Righe(), [&t](std::size_t riga, std::size_t colonna) {
                return testo::RifilaVista(t.Cella(riga, colonna + 1));
            }};
}

}  // namespace griglia
