#pragma once
// Fixed-width records: each field is one length byte L followed by exactly `capacita`
// bytes, the first L of which hold the text in Windows-1252. A record type is a struct of
// std::string fields (UTF-8, as shown on screen) plus a table of its fields in file order;
// everything else (size, offsets, encoding, decoding) is derived here, once for all records.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "core/app/Testo.h"

template <class Scheda>
struct Campo {
    std::string_view nome;
    std::size_t capacita;
    std::string Scheda::*membro;
};

// Size of a record in the file: every capacity plus its length byte.
template <class Scheda>
constexpr std::size_t DimensioneScheda() {
    std::size_t n = 0;
    for (const auto& c : Scheda::Campi) n += c.capacita + 1;
    return n;
}

// Offset of the named field's length byte, or -1 when there is no such field.
template <class Scheda>
constexpr long OffsetCampo(std::string_view nome) {
    std::size_t n = 0;
    for (const auto& c : Scheda::Campi) {
        if (c.nome == nome) return static_cast<long>(n);
        n += c.capacita + 1;
    }
    return -1;
}

// Writes the record into `out` (DimensioneScheda bytes) through the storing conversion:
// trimmed, Windows-1252, cut to the capacity. Bytes after a text are zero.
template <class Scheda>
void CodificaScheda(const Scheda& s, unsigned char* out) {
    std::memset(out, 0, DimensioneScheda<Scheda>());
    for (const auto& c : Scheda::Campi) {
        const std::string byte = testo::PerArchivio(s.*(c.membro), c.capacita);
        out[0] = static_cast<unsigned char>(byte.size());
        std::memcpy(out + 1, byte.data(), byte.size());
        out += c.capacita + 1;
    }
}

// One field's text through the showing conversion. A length byte larger than the capacity
// is read as the capacity, so no content can make a field reach into the next one.
inline std::string DecodificaTesto(const unsigned char* in, std::size_t capacita) {
    const std::size_t l = in[0] < capacita ? in[0] : capacita;
    return testo::DaArchivio(std::string_view(reinterpret_cast<const char*>(in + 1), l));
}

// Reads a record through the showing conversion.
template <class Scheda>
Scheda DecodificaScheda(const unsigned char* in) {
    Scheda s{};
    for (const auto& c : Scheda::Campi) {
        s.*(c.membro) = DecodificaTesto(in, c.capacita);
        in += c.capacita + 1;
    }
    return s;
}

// Reads only the given fields of a record into `s`, leaving the others as they are: a rule
// that looks at a few fields need not convert the whole record.
template <class Scheda>
void DecodificaCampi(const unsigned char* in, Scheda& s,
                     std::span<std::string Scheda::* const> campi) {
    for (const auto& c : Scheda::Campi) {
        if (std::find(campi.begin(), campi.end(), c.membro) != campi.end())
            s.*(c.membro) = DecodificaTesto(in, c.capacita);
        in += c.capacita + 1;
    }
}

// The check-box fields hold the text "Sì" or "No"; anything else means neither.
namespace flag {
inline constexpr std::string_view Si = "S\xC3\xAC";  // "Sì"
inline constexpr std::string_view No = "No";
inline std::string Da(bool spuntato) { return std::string(spuntato ? Si : No); }
// 1 ticked, 0 not ticked, -1 neither (the window then leaves its check box as it was).
inline int Leggi(std::string_view testo) {
    const std::string t = testo::Rifila(testo);
    if (t == Si) return 1;
    if (t == No) return 0;
    return -1;
}
}  // namespace flag
