#include "core/lists/Righe.h"

#include <stdexcept>
#include <utility>

namespace elenco {

Righe::Righe(std::pmr::memory_resource* memoria)
    : testi_(memoria), posti_(memoria), ordine_(memoria) {}

Righe::Righe(Righe&& altre) noexcept
    : testi_(std::move(altre.testi_)),
      posti_(std::move(altre.posti_)),
      ordine_(std::move(altre.ordine_)) {
    altre.posti_.clear();
    altre.ordine_.clear();
}

Righe& Righe::operator=(Righe&& altre) noexcept {
    if (this != &altre) {
        Svuota();
        testi_ = std::move(altre.testi_);
        posti_ = std::move(altre.posti_);
        ordine_ = std::move(altre.ordine_);
        altre.posti_.clear();
        altre.ordine_.clear();
    }
    return *this;
}

Righe::Righe(const Righe& altre) : Righe(altre.Fonte()) {
    Riserva(altre.posti_.size());
    for (std::size_t n = 0; n < altre.posti_.size(); ++n)
        Accoda(altre.Testo(static_cast<std::uint32_t>(n)));
    ordine_ = altre.ordine_;
}

Righe::~Righe() { Svuota(); }

void Righe::Riserva(std::size_t righe) {
    posti_.reserve(righe);
    ordine_.reserve(righe);
}

void Righe::Accoda(std::string_view riga) {
    if (posti_.size() >= UINT32_MAX) throw std::length_error("too many lines");
    const Pezzo p = testi_.Metti(riga);
    ordine_.push_back(static_cast<std::uint32_t>(posti_.size()));
    posti_.push_back(p);
}

void Righe::Svuota() {
    testi_.Svuota();
    Vettore<Pezzo>(Fonte()).swap(posti_);
    Vettore<std::uint32_t>(Fonte()).swap(ordine_);
}

std::size_t Righe::Memoria() const {
    return testi_.Memoria() + posti_.capacity() * sizeof(Pezzo) +
           ordine_.capacity() * sizeof(std::uint32_t);
}

}  // namespace elenco
