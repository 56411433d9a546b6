#pragma once
// The record tables of the grid windows: the rows' texts, kept compactly, and the
// declaration of a grid (its columns: the header text, what each shows of a record and
// whether typing in it is allowed; the exported header cells, file and worksheet names),
// from which the rows are filled and exported. How wide a column is drawn and what its
// control is called belong to the window.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory_resource>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/Archivio.h"
#include "core/export/Foglio.h"
#include "core/lists/TestiImpaccati.h"
#include "core/memory/Allocatore.h"

namespace griglia {

// Rows of cell texts (UTF-8), packed (see TestiImpaccati): 100,000 rows cost their
// characters and 8 bytes a cell. An edited cell that grows gets its new text at the end.
class TabellaTesti {
public:
    // `memoria` gives the blocks and the cells (by default, new and delete).
    explicit TabellaTesti(std::size_t colonne = 0,
                          std::pmr::memory_resource* memoria = std::pmr::get_default_resource())
        : colonne_(colonne), celle_(memoria), testi_(memoria) {}
    TabellaTesti(TabellaTesti&&) = default;
    TabellaTesti& operator=(TabellaTesti&&) = default;

    std::size_t Colonne() const { return colonne_; }
    std::size_t Righe() const { return colonne_ ? celle_.size() / colonne_ : 0; }
    std::string_view Cella(std::size_t riga, std::size_t colonna) const {
        return testi_.Testo(celle_[riga * colonne_ + colonna]);
    }
    void ImpostaCella(std::size_t riga, std::size_t colonna, std::string_view testo);

    // A row is added cell by cell, in column order; it is complete once every column has
    // its cell.
    void AccodaCella(std::string_view testo) { celle_.push_back(testi_.Metti(testo)); }
    // A cell holding a stored field (Windows-1252) as shown: trimmed, in UTF-8; with a
    // second field, the two shown so and joined by one blank. Converted straight into the
    // table.
    void AccodaCellaDaArchivio(std::string_view campo);
    void AccodaCellaDaArchivio(std::string_view campo, std::string_view seguito);
    // Room for the cells of `righe` more rows.
    void Riserva(std::size_t righe);
    // Gives back the room reserved for cells that did not come.
    void Compatta();

    // Reorders the rows as wholes by the text of one column, ascending, with the letters
    // A–Z folded to one case; rows with equal keys keep their order.
    void OrdinaRighe(std::size_t colonna);

    // Bytes held: the texts and the room for cells.
    std::size_t Memoria() const;
    // Where the memory comes from.
    std::pmr::memory_resource* Fonte() const { return celle_.get_allocator().memoria; }

private:
    using Pezzo = TestiImpaccati::Pezzo;
    using Celle = std::vector<Pezzo, Allocatore<Pezzo>>;

    std::size_t colonne_;
    Celle celle_;
    TestiImpaccati testi_;
};

// A grid column: its header, and whether typing in it is allowed.
struct Colonna {
    std::string_view intestazione;
    bool modificabile;
};

// A grid column of a record table, with what it shows of a record: the row's ordinal
// (neither field nor calculation given), a field, a field followed by one blank and a
// second field (the blank is there even when the second is empty), or a calculation.
template <class Scheda>
struct ColonnaDi {
    std::string_view intestazione;
    bool modificabile;
    std::string Scheda::*campo = nullptr;
    std::string Scheda::*seguito = nullptr;
    std::string (*calcolo)(const Scheda&) = nullptr;

    Colonna Generale() const { return {intestazione, modificabile}; }
};

// What a grid window exports: the file (in the program folder), the worksheet, and the
// header cells, one for each grid column after the first (the ordinal is not exported).
struct Esportazione {
    std::string_view file;
    std::string_view foglio;
    std::span<const foglio::Intestazione> intestazioni;
};

// A whole grid window's table of columns and its export.
template <class Scheda>
struct Dichiarazione {
    std::span<const ColonnaDi<Scheda>> colonne;
    Esportazione esportazione;

    std::vector<Colonna> Colonne() const {
        std::vector<Colonna> c;
        for (const auto& k : colonne) c.push_back(k.Generale());
        return c;
    }
};

// Where the fields each column shows lie in a record, found once for a whole fill.
template <class Scheda>
struct PostiColonne {
    std::vector<PosizioneCampo> campo, seguito;
    explicit PostiColonne(std::span<const ColonnaDi<Scheda>> colonne) {
        for (const auto& c : colonne) {
            campo.push_back(c.campo ? CampoDi<Scheda>(c.campo) : PosizioneCampo{});
            seguito.push_back(c.seguito ? CampoDi<Scheda>(c.seguito) : PosizioneCampo{});
        }
    }
};

// Adds the row of a record as stored: `ordinale` in the ordinal column, fields straight from
// their bytes, and a calculation from the whole record, converted into `intera` only when
// a column needs it.
template <class Scheda>
void AccodaRiga(TabellaTesti& t, std::span<const ColonnaDi<Scheda>> colonne,
                const PostiColonne<Scheda>& posti, const VistaScheda<Scheda>& v,
                std::size_t ordinale, Scheda& intera) {
    bool convertita = false;
    for (std::size_t k = 0; k < colonne.size(); ++k) {
        const ColonnaDi<Scheda>& c = colonne[k];
        if (c.calcolo) {
            if (!convertita) v.Tutta(intera);
            convertita = true;
            t.AccodaCella(c.calcolo(intera));
        } else if (!c.campo) {
            char cifre[24];
            const auto fine = std::to_chars(cifre, cifre + sizeof cifre, ordinale).ptr;
            t.AccodaCella(std::string_view(cifre, static_cast<std::size_t>(fine - cifre)));
        } else if (!c.seguito) {
            t.AccodaCellaDaArchivio(v.Byte(posti.campo[k]));
        } else {
            t.AccodaCellaDaArchivio(v.Byte(posti.campo[k]), v.Byte(posti.seguito[k]));
        }
    }
}

// Fills the table from the archive at `file`, opened for reading only (created
// empty when missing): the row of
// every record `prendi` takes (every record without it), in file order, the ordinal
// counting the rows added; then, when a key column is given, the rows are reordered by it.
// `prendi` reads the record as stored, converting only what it looks at; a record is
// converted whole only when it is taken. A failure is thrown once the rows read so far are
// in the table, unsorted.
template <class Scheda>
void Riempi(TabellaTesti& t, std::span<const ColonnaDi<Scheda>> colonne,
            const std::filesystem::path& file,
            const std::function<bool(const VistaScheda<Scheda>&)>& prendi = {},
            std::optional<std::size_t> chiave = std::nullopt) {
    t = TabellaTesti(colonne.size(), t.Fonte());
    Archivio<Scheda> archivio;
    archivio.Apri(file, Accesso::SolaLettura);
    if (!prendi) t.Riserva(static_cast<std::size_t>(archivio.NumeroSchede()));
    const PostiColonne<Scheda> posti(colonne);
    Scheda s{};
    try {
        archivio.ScorriTutte([&](std::int64_t, const VistaScheda<Scheda>& v) {
            if (!prendi || prendi(v)) AccodaRiga(t, colonne, posti, v, t.Righe() + 1, s);
            return true;
        });
        archivio.Chiudi();
    } catch (...) {
        t.Compatta();
        throw;
    }
    t.Compatta();
    if (chiave) t.OrdinaRighe(*chiave);
}

// The rows as exported: grid columns 1 onwards, each cell trimmed.
foglio::Righe RigheEsportate(const TabellaTesti& t);

}  // namespace griglia
