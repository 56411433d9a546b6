#include "core/lists/TestiImpaccati.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

TestiImpaccati::TestiImpaccati(TestiImpaccati&& altri) noexcept
    : memoria_(altri.memoria_),
      blocchi_(std::exchange(altri.blocchi_, {})),
      byteBlocchi_(std::exchange(altri.byteBlocchi_, 0)),
      corrente_(std::exchange(altri.corrente_, 0)),
      usati_(std::exchange(altri.usati_, kBlocco)),
      propria_(std::exchange(altri.propria_, false)) {}

TestiImpaccati& TestiImpaccati::operator=(TestiImpaccati&& altri) noexcept {
    if (this != &altri) {
        memoria_ = altri.memoria_;
        blocchi_ = std::exchange(altri.blocchi_, {});
        byteBlocchi_ = std::exchange(altri.byteBlocchi_, 0);
        corrente_ = std::exchange(altri.corrente_, 0);
        usati_ = std::exchange(altri.usati_, kBlocco);
        propria_ = std::exchange(altri.propria_, false);
    }
    return *this;
}

char* TestiImpaccati::NuovoBlocco(std::size_t byte) {
    if (blocchi_.size() >= kMassimoBlocchi) throw std::length_error("texts beyond 4 GiB");
    blocchi_.reserve(blocchi_.size() + 1);
    // Not zeroed: every byte is written before use.
    blocchi_.emplace_back(static_cast<char*>(memoria_->allocate(byte, 1)),
                          Restituisci{memoria_, byte});
    byteBlocchi_ += byte;
    return blocchi_.back().get();
}

char* TestiImpaccati::Spazio(std::size_t massimo) {
    if (massimo > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("text beyond 4 GiB");
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

TestiImpaccati::Pezzo TestiImpaccati::Chiudi(std::size_t lunghezza) {
    if (lunghezza == 0) return {0, 0};
    const auto l = static_cast<std::uint32_t>(lunghezza);
    if (propria_) return {static_cast<std::uint32_t>((blocchi_.size() - 1) << kBitPosto), l};
    const Pezzo p{static_cast<std::uint32_t>((corrente_ << kBitPosto) | usati_), l};
    usati_ += lunghezza;
    return p;
}

TestiImpaccati::Pezzo TestiImpaccati::Metti(std::string_view testo) {
    if (testo.empty()) return {0, 0};
    std::memcpy(Spazio(testo.size()), testo.data(), testo.size());
    return Chiudi(testo.size());
}

void TestiImpaccati::Cambia(Pezzo& p, std::string_view nuovo) {
    if (nuovo.size() <= p.lunghezza) {
        // Fits where the old text was (a text of the store itself is moved safely).
        if (!nuovo.empty())
            std::memmove(blocchi_[p.inizio >> kBitPosto].get() + (p.inizio & kPosto), nuovo.data(),
                         nuovo.size());
        p.lunghezza = static_cast<std::uint32_t>(nuovo.size());
        return;
    }
    // Texts are never moved, so `nuovo` stays valid while it is copied.
    p = Metti(nuovo);
}

std::uint32_t TestiImpaccati::Unisci(TestiImpaccati&& altri) {
    const std::size_t base = blocchi_.size();
    if (altri.blocchi_.empty() || this == &altri) return 0;
    if (base + altri.blocchi_.size() > kMassimoBlocchi)
        throw std::length_error("texts beyond 4 GiB");
    blocchi_.reserve(base + altri.blocchi_.size());
    for (auto& b : altri.blocchi_) blocchi_.push_back(std::move(b));
    byteBlocchi_ += altri.byteBlocchi_;
    if (base == 0) {
        corrente_ = altri.corrente_;
        usati_ = altri.usati_;
    }
    altri.blocchi_.clear();
    altri.byteBlocchi_ = 0;
    altri.corrente_ = 0;
    altri.usati_ = kBlocco;
    return static_cast<std::uint32_t>(base << kBitPosto);
}

void TestiImpaccati::Svuota() {
    decltype(blocchi_)().swap(blocchi_);
    byteBlocchi_ = 0;
    corrente_ = 0;
    usati_ = kBlocco;
    propria_ = false;
}

std::size_t TestiImpaccati::Memoria() const {
    return byteBlocchi_ + blocchi_.capacity() * sizeof(blocchi_[0]);
}
