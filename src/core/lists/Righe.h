#pragma once
// The lines of a result list, packed, with the list order as an index over them.
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <string_view>
#include <vector>

#include "core/lists/TestiImpaccati.h"
#include "core/memory/Allocatore.h"

namespace elenco {

// The lines of a result list. Their text is packed (see TestiImpaccati) and the list order
// is an index over them: 100,000 lines cost a handful of allocations and little more than
// their text, and putting them in order moves no text.
class Righe {
public:
    // `memoria` gives the blocks and the large arrays (by default, new and delete).
    explicit Righe(std::pmr::memory_resource* memoria = std::pmr::get_default_resource());
    Righe(Righe&&) noexcept;
    Righe& operator=(Righe&&) noexcept;
    Righe(const Righe&);
    Righe& operator=(const Righe&) = delete;
    ~Righe();

    // Room for this many lines, when the caller knows how many may come.
    void Riserva(std::size_t righe);
    // Adds a line after the others (list order is put right by Inserisci).
    void Accoda(std::string_view riga);
    std::size_t size() const { return ordine_.size(); }
    bool empty() const { return ordine_.empty(); }
    // Line i of the list.
    std::string_view operator[](std::size_t i) const { return Testo(ordine_[i]); }
    // Empties the list and gives its memory back.
    void Svuota();
    // Bytes held, spare room included.
    std::size_t Memoria() const;

private:
    // In Ordine.cpp, beside the order it keeps.
    friend void Inserisci(Righe&, Righe);
    using Pezzo = TestiImpaccati::Pezzo;
    template <class T>
    using Vettore = std::vector<T, Allocatore<T>>;

    std::string_view Testo(std::uint32_t n) const { return testi_.Testo(posti_[n]); }
    std::pmr::memory_resource* Fonte() const { return testi_.Fonte(); }

    TestiImpaccati testi_;
    Vettore<Pezzo> posti_;           // every line, in the order it came
    Vettore<std::uint32_t> ordine_;  // the list: indexes into posti_
};

// Puts `nuove` in list order among `elenco`, which already is. Each line's order key is made
// once and keys are compared byte by byte. Lines equal in list order keep their order: those
// already in the list first, then the new ones as they came.
void Inserisci(Righe& elenco, Righe nuove);

}  // namespace elenco
