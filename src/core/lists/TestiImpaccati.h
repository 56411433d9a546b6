#pragma once
// The store of the texts of a result list's lines and of a grid's cells. Texts are laid one
// after the other in blocks of two megabytes, never moved once written, and a text is known
// by where it starts and how long it is, 8 bytes in all: 100,000 lines, or the cells of
// 100,000 rows, cost a handful of allocations and little more than their characters.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string_view>
#include <vector>

class TestiImpaccati {
public:
    // A text of the store: its block in the high bits of `inizio`, its place in that block
    // in the low ones. An empty text takes no room.
    struct Pezzo {
        std::uint32_t inizio = 0;
        std::uint32_t lunghezza = 0;
    };

    // `memoria` gives the blocks (by default, new and delete).
    explicit TestiImpaccati(std::pmr::memory_resource* memoria = std::pmr::get_default_resource())
        : memoria_(memoria) {}
    TestiImpaccati(TestiImpaccati&& altri) noexcept;
    TestiImpaccati& operator=(TestiImpaccati&& altri) noexcept;
    ~TestiImpaccati() = default;

    std::string_view Testo(Pezzo p) const {
        if (p.lunghezza == 0) return {};
        return {blocchi_[p.inizio >> kBitPosto].get() + (p.inizio & kPosto), p.lunghezza};
    }
    // Copies a text in, after the others.
    Pezzo Metti(std::string_view testo);
    // Room for a text of at most `massimo` bytes, written in place and then closed with its
    // length by Chiudi, before anything else is put in.
    char* Spazio(std::size_t massimo);
    Pezzo Chiudi(std::size_t lunghezza);
    // Puts `nuovo` for the text of `p`: where the old one was when it fits, else after the
    // others. `nuovo` may be a text of the store itself.
    void Cambia(Pezzo& p, std::string_view nuovo);

    // Takes the blocks of `altri`, whose texts stay where they are: a piece of `altri` is
    // one of this store once the returned value is added to its `inizio`. New texts go on
    // where this store's went, or where those of `altri` did when this one had none. Each
    // block goes back, in the end, to where it came from.
    std::uint32_t Unisci(TestiImpaccati&& altri);

    // Gives every block back.
    void Svuota();
    // Bytes held: the blocks and the list of them.
    std::size_t Memoria() const;
    // Where new blocks come from.
    std::pmr::memory_resource* Fonte() const { return memoria_; }

private:
    static constexpr unsigned kBitPosto = 21;
    static constexpr std::uint32_t kPosto = (1u << kBitPosto) - 1;
    static constexpr std::size_t kBlocco = std::size_t{1} << kBitPosto;
    // How many blocks a piece can name.
    static constexpr std::size_t kMassimoBlocchi = (std::size_t{UINT32_MAX} >> kBitPosto) + 1;
    char* NuovoBlocco(std::size_t byte);

    // A block goes back to where it came from.
    struct Restituisci {
        std::pmr::memory_resource* memoria;
        std::size_t byte;
        void operator()(char* p) const { memoria->deallocate(p, byte, 1); }
    };

    std::pmr::memory_resource* memoria_;
    std::vector<std::unique_ptr<char[], Restituisci>> blocchi_;
    std::size_t byteBlocchi_ = 0;
    std::size_t corrente_ = 0;     // the block being filled
    std::size_t usati_ = kBlocco;  // bytes used in it (a full one: none yet)
    bool propria_ = false;         // the text being written has a block of its own
};
