#include "core/export/Griglia.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <stdexcept>

#include "core/app/Testo.h"

namespace griglia {

char* TabellaTesti::NuovoBlocco(std::size_t byte) {
    if (blocchi_.size() > (std::numeric_limits<std::uint32_t>::max() >> kBitPosto))
        throw std::length_error("grid texts beyond 4 GiB");
    blocchi_.emplace_back(new char[byte]);  // not zeroed: every byte is written before use
    byteBlocchi_ += byte;
    return blocchi_.back().get();
}

TabellaTesti::Pezzo TabellaTesti::Metti(std::string_view testo) {
    if (testo.empty()) return {0, 0};
    if (testo.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("grid text beyond 4 GiB");
    const auto lunghezza = static_cast<std::uint32_t>(testo.size());
    if (testo.size() > kBlocco) {
        // A text larger than a block has one of its own.
        std::memcpy(NuovoBlocco(testo.size()), testo.data(), testo.size());
        return {static_cast<std::uint32_t>((blocchi_.size() - 1) << kBitPosto), lunghezza};
    }
    if (usati_ + testo.size() > kBlocco) {
        NuovoBlocco(kBlocco);
        corrente_ = blocchi_.size() - 1;
        usati_ = 0;
    }
    std::memcpy(blocchi_[corrente_].get() + usati_, testo.data(), testo.size());
    const Pezzo p{static_cast<std::uint32_t>((corrente_ << kBitPosto) | usati_), lunghezza};
    usati_ += testo.size();
    return p;
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
    std::vector<std::size_t> ordine(n);
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(), [&](std::size_t a, std::size_t b) {
        return testo::ConfrontaSenzaMaiuscole(Cella(a, colonna), Cella(b, colonna)) < 0;
    });
    std::vector<Pezzo> riordinate;
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
