#pragma once
// Fixed-width records: each field is one length byte L followed by exactly `capacita`
// bytes, the first L of which hold the text in Windows-1252. A record type is a struct of
// std::string fields (UTF-8, as shown on screen) plus a table of its fields in file order;
// everything else (size, offsets, encoding, decoding) is derived here, once for all records.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/memory/PagineGrandi.h"
#include "core/text/Testo.h"

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

// Where a field lies in a record: the offset of its length byte and its capacity.
struct PosizioneCampo {
    std::size_t offset;
    std::size_t capacita;
};

// The position of a field given by its member; a constant when the member is one, so that a
// scan pays nothing to find its fields.
template <class Scheda>
constexpr PosizioneCampo CampoDi(std::string Scheda::*membro) {
    std::size_t n = 0;
    for (const auto& c : Scheda::Campi) {
        if (c.membro == membro) return {n, c.capacita};
        n += c.capacita + 1;
    }
    throw std::logic_error("not a field of the record");
}

// The stored bytes of the field whose length byte is at `campo`. A length byte larger than
// the capacity is read as the capacity, so no content can make a field reach into the next.
inline std::string_view ByteCampo(const unsigned char* campo, std::size_t capacita) {
    const std::size_t l = campo[0] < capacita ? campo[0] : capacita;
    return {reinterpret_cast<const char*>(campo + 1), l};
}

// Writes the record into `out` (DimensioneScheda bytes) through the storing conversion:
// trimmed, Windows-1252, cut to the capacity. Bytes after a text are zero.
template <class Scheda>
void CodificaScheda(const Scheda& s, unsigned char* out) {
    std::memset(out, 0, DimensioneScheda<Scheda>());
    for (const auto& c : Scheda::Campi) {
        out[0] = static_cast<unsigned char>(testo::ScriviPerArchivio(out + 1, s.*(c.membro), c.capacita));
        out += c.capacita + 1;
    }
}

// Reads a whole record through the showing conversion into `s`, whose texts keep their
// room: a scan that reads every record whole reuses one record.
template <class Scheda>
void DecodificaScheda(const unsigned char* in, Scheda& s) {
    for (const auto& c : Scheda::Campi) {
        std::string& campo = s.*(c.membro);
        campo.clear();
        testo::AccodaDaArchivio(campo, ByteCampo(in, c.capacita));
        in += c.capacita + 1;
    }
}

template <class Scheda>
Scheda DecodificaScheda(const unsigned char* in) {
    Scheda s{};
    DecodificaScheda(in, s);
    return s;
}

// A record as it lies in the file, read field by field: a command that scans an archive
// converts only the fields it looks at. Valid as long as the bytes it views.
template <class Scheda>
class VistaScheda {
public:
    explicit VistaScheda(const unsigned char* dati) : dati_(dati) {}

    // The field as stored: Windows-1252, untrimmed.
    std::string_view Byte(PosizioneCampo c) const {
        return ByteCampo(dati_ + c.offset, c.capacita);
    }
    std::string_view Byte(std::string Scheda::*membro) const {
        return Byte(CampoDi<Scheda>(membro));
    }
    // The field through the showing conversion, as the record would hold it.
    std::string Testo(PosizioneCampo c) const { return testo::DaArchivio(Byte(c)); }
    std::string Testo(std::string Scheda::*membro) const { return Testo(CampoDi<Scheda>(membro)); }
    // The whole record, for a command that shows or copies it.
    Scheda Tutta() const { return DecodificaScheda<Scheda>(dati_); }
    void Tutta(Scheda& s) const { DecodificaScheda(dati_, s); }

private:
    const unsigned char* dati_;
};

// A record in its stored form, for reading it as a scan would.
template <class Scheda>
class SchedaMemorizzata {
public:
    explicit SchedaMemorizzata(const Scheda& s) { CodificaScheda(s, dati_.data()); }
    VistaScheda<Scheda> Vista() const { return VistaScheda<Scheda>(dati_.data()); }

private:
    std::array<unsigned char, DimensioneScheda<Scheda>()> dati_{};
};

// True when every field has a Windows-1252 form, so that the record is stored without a
// character turned into "?". The imports refuse the others and count them.
template <class Scheda>
bool SchedaContenibile(const Scheda& s) {
    for (const auto& c : Scheda::Campi)
        if (!testo::StaInWindows1252(s.*(c.membro))) return false;
    return true;
}

// Records in their stored form, in blocks of 2 MiB: what an import prepares before it
// opens its archive, so that the archive is held only while the records are written, and
// what an append writes block by block. The blocks come in huge pages where the system
// has them: 100,000 records are then a few dozen page faults instead of tens of thousands.
template <class Scheda>
class SchedeMemorizzate {
public:
    static constexpr std::size_t Dimensione = DimensioneScheda<Scheda>();
    static constexpr std::size_t kByteBlocco = std::size_t{2} << 20;
    static constexpr std::size_t kPerBlocco = kByteBlocco / Dimensione;

    void Aggiungi(const Scheda& s) {
        if (quante_ == blocchi_.size() * kPerBlocco) {
            auto* p = static_cast<unsigned char*>(MemoriaPagineGrandi()->allocate(kByteBlocco, 64));
            blocchi_.emplace_back(p);
        }
        CodificaScheda(s, Posto(quante_));
        ++quante_;
    }
    std::size_t size() const { return quante_; }
    bool empty() const { return quante_ == 0; }
    VistaScheda<Scheda> Vista(std::size_t i) const { return VistaScheda<Scheda>(Posto(i)); }

    // Keeps, in their order, only the records for which tieni(vista) is true.
    template <class F>
    void Tieni(F&& tieni) {
        std::size_t restano = 0;
        for (std::size_t i = 0; i < quante_; ++i) {
            if (!tieni(Vista(i))) continue;
            if (restano != i) std::memcpy(Posto(restano), Posto(i), Dimensione);
            ++restano;
        }
        quante_ = restano;
        blocchi_.resize((quante_ + kPerBlocco - 1) / kPerBlocco);
    }

    // Calls f(bytes, records) for each block, first to last.
    template <class F>
    void PerOgniBlocco(F&& f) const {
        for (std::size_t b = 0; b < blocchi_.size(); ++b)
            f(blocchi_[b].get(), std::min(kPerBlocco, quante_ - b * kPerBlocco));
    }

private:
    struct Libera {
        void operator()(unsigned char* p) const { MemoriaPagineGrandi()->deallocate(p, kByteBlocco, 64); }
    };
    unsigned char* Posto(std::size_t i) const {
        return blocchi_[i / kPerBlocco].get() + (i % kPerBlocco) * Dimensione;
    }
    std::vector<std::unique_ptr<unsigned char[], Libera>> blocchi_;
    std::size_t quante_ = 0;
};

// The check-box fields hold the text "Sì" or "No"; anything else means neither.
namespace flag {
inline constexpr std::string_view Si = "S\xC3\xAC";  // "Sì"
inline constexpr std::string_view No = "No";
inline std::string Da(bool spuntato) { return std::string(spuntato ? Si : No); }
// 1 ticked, 0 not ticked, -1 neither (the window then leaves its check box as it was).
inline int Leggi(std::string_view testo) {
    const std::string_view t = testo::RifilaVista(testo);
    if (t == Si) return 1;
    if (t == No) return 0;
    return -1;
}
// The same from the field as stored, in Windows-1252: a scan reads it with no conversion.
inline int LeggiArchivio(std::string_view byte) {
    const std::string_view t = testo::RifilaVista(byte);
    if (t == "S\xEC") return 1;
    if (t == No) return 0;
    return -1;
}
}  // namespace flag
