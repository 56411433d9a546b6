#include "core/export/Griglia.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "core/lists/Elenco.h"
#include "core/text/Testo.h"

namespace griglia {

char* TabellaTesti::NuovoBlocco(std::size_t byte) {
    if (blocchi_.size() > (std::numeric_limits<std::uint32_t>::max() >> kBitPosto))
        throw std::length_error("grid texts beyond 4 GiB");
    std::pmr::memory_resource* memoria = Fonte();
    blocchi_.reserve(blocchi_.size() + 1);
    // Not zeroed: every byte is written before use.
    blocchi_.emplace_back(static_cast<char*>(memoria->allocate(byte, 1)), Restituisci{memoria, byte});
    byteBlocchi_ += byte;
    return blocchi_.back().get();
}

char* TabellaTesti::Spazio(std::size_t massimo) {
    if (massimo > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("grid text beyond 4 GiB");
    propria_ = massimo > kBlocco;
    // A text larger than a block has one of its own; the block being filled stays so.
    if (propria_) return NuovoBlocco(massimo);
    if (usati_ + massimo > kBlocco) {
        NuovoBlocco(kBlocco);
        corrente_ = blocchi_.size() - 1;
        usati_ = 0;
    }
    return blocchi_[corrente_].get() + usati_;
}

TabellaTesti::Pezzo TabellaTesti::Chiudi(std::size_t lunghezza) {
    if (lunghezza == 0) return {0, 0};
    const auto l = static_cast<std::uint32_t>(lunghezza);
    if (propria_) return {static_cast<std::uint32_t>((blocchi_.size() - 1) << kBitPosto), l};
    const Pezzo p{static_cast<std::uint32_t>((corrente_ << kBitPosto) | usati_), l};
    usati_ += lunghezza;
    return p;
}

TabellaTesti::Pezzo TabellaTesti::Metti(std::string_view testo) {
    if (testo.empty()) return {0, 0};
    std::memcpy(Spazio(testo.size()), testo.data(), testo.size());
    return Chiudi(testo.size());
}

void TabellaTesti::AccodaCellaDaArchivio(std::string_view campo) {
    const std::string_view mostrato = testo::RifilaVista(campo);
    if (mostrato.empty()) return celle_.push_back({0, 0});
    celle_.push_back(Chiudi(testo::ScriviDaWindows1252(Spazio(3 * mostrato.size()), mostrato)));
}

void TabellaTesti::AccodaCellaDaArchivio(std::string_view campo, std::string_view seguito) {
    const std::string_view primo = testo::RifilaVista(campo), secondo = testo::RifilaVista(seguito);
    char* inizio = Spazio(3 * (primo.size() + secondo.size()) + 1);
    char* p = inizio + testo::ScriviDaWindows1252(inizio, primo);
    *p++ = ' ';
    p += testo::ScriviDaWindows1252(p, secondo);
    celle_.push_back(Chiudi(static_cast<std::size_t>(p - inizio)));
}

void TabellaTesti::ImpostaCella(std::size_t riga, std::size_t colonna, std::string_view nuovo) {
    Pezzo& p = celle_.at(riga * colonne_ + colonna);
    if (nuovo.size() <= p.lunghezza) {
        // Fits where the old text was (a text of the table itself is moved safely).
        if (!nuovo.empty())
            std::memmove(blocchi_[p.inizio >> kBitPosto].get() + (p.inizio & kPosto), nuovo.data(),
                         nuovo.size());
        p.lunghezza = static_cast<std::uint32_t>(nuovo.size());
        return;
    }
    // Texts are never moved, so `nuovo` stays valid while it is copied.
    p = Metti(nuovo);
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
        riordinate.insert(riordinate.end(), celle_.begin() + static_cast<std::ptrdiff_t>(r * colonne_),
                          celle_.begin() + static_cast<std::ptrdiff_t>((r + 1) * colonne_));
    celle_ = std::move(riordinate);
}

std::size_t TabellaTesti::Memoria() const {
    return byteBlocchi_ + celle_.capacity() * sizeof(Pezzo);
}

foglio::Righe RigheEsportate(const TabellaTesti& t) {
    return {t.Righe(), [&t](std::size_t riga, std::size_t colonna) {
                return testo::RifilaVista(t.Cella(riga, colonna + 1));
            }};
}

}  // namespace griglia
