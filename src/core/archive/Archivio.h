#pragma once
// One generic archive of fixed-size records, opened for one command and closed before it
// ends. Records are numbered from 1 in file order; a trailing piece shorter than a record
// is never read, and an append writes at count × size (over such a piece, if any).
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "core/archive/FileArchivio.h"
#include "core/records/Scheda.h"

template <class Scheda>
class Archivio {
public:
    using TipoScheda = Scheda;
    static constexpr std::size_t Dimensione = DimensioneScheda<Scheda>();
    using Visitatore = std::function<bool(std::int64_t posizione, const Scheda&)>;
    using VisitatoreVista = std::function<bool(std::int64_t posizione, const VistaScheda<Scheda>&)>;

    Archivio() = default;
    Archivio(const Archivio&) = delete;
    Archivio& operator=(const Archivio&) = delete;
    ~Archivio() {
        try {
            Chiudi();
        } catch (...) {
            // Already failing or finished: the command has its answer.
        }
    }

    // Opens the file, for reading and writing unless told otherwise; creates it empty when
    // missing. An overwrite that a crash interrupted is undone first. Tests put a failing
    // or read-only layer in place of the file system.
    void Apri(const std::filesystem::path& percorso, Accesso accesso = Accesso::LetturaScrittura,
              StratoFile& strato = StratoStandard()) {
        file_ = giornale::ApriArchivio(strato, percorso, accesso);
        percorso_ = percorso;
        strato_ = &strato;
        accesso_ = accesso;
    }
    // Opens on a bare file layer, with no folder for a journal: for reading and appending.
    void ApriSu(std::unique_ptr<FileArchivio> file) {
        file_ = std::move(file);
        strato_ = nullptr;
        accesso_ = Accesso::LetturaScrittura;
    }
    bool Aperto() const { return file_ != nullptr; }

    std::int64_t NumeroSchede() {
        return static_cast<std::int64_t>(File().Lunghezza() / Dimensione);
    }

    Scheda LeggiScheda(std::int64_t n) {
        Controlla(n);
        unsigned char dati[Dimensione];
        if (File().Leggi(Offset(n), dati, Dimensione) != Dimensione)
            throw ErroreAccessoArchivio("short record");
        return DecodificaScheda<Scheda>(dati);
    }

    // Overwrites record n all or nothing, through the journal; returns once it is on disk.
    void ScriviScheda(std::int64_t n, const Scheda& s) {
        Scrivibile();
        Controlla(n);
        if (!strato_) throw ErroreAccessoArchivio("no journal for an overwrite");
        unsigned char dati[Dimensione];
        CodificaScheda(s, dati);
        giornale::Sovrascrivi(*strato_, percorso_, File(), Offset(n), dati, Dimensione);
    }

    // Appends a record and returns once it is on disk. A crash midway leaves at most a
    // piece shorter than a record at the end, which is never read and which the next
    // append writes over.
    std::int64_t AccodaScheda(const Scheda& s) {
        Scrivibile();
        const std::int64_t n = NumeroSchede() + 1;
        unsigned char dati[Dimensione];
        CodificaScheda(s, dati);
        File().Scrivi(Offset(n), dati, Dimensione);
        File().Sincronizza();
        return n;
    }

    // Appends several records and returns once they are on disk, forced once: an import or
    // a series must not wait for the disk once per record. A crash midway leaves whole
    // records and at most one trailing piece, as above.
    void AccodaSchede(const SchedeMemorizzate<Scheda>& schede) {
        if (schede.empty()) return;
        Scrivibile();
        std::int64_t prossima = NumeroSchede() + 1;
        schede.PerOgniBlocco([&](const unsigned char* byte, std::size_t quante) {
            File().Scrivi(Offset(prossima), byte, quante * Dimensione);
            prossima += static_cast<std::int64_t>(quante);
        });
        File().Sincronizza();
    }
    void AccodaSchede(const std::vector<Scheda>& schede) {
        SchedeMemorizzate<Scheda> memorizzate;
        for (const Scheda& s : schede) memorizzate.Aggiungi(s);
        AccodaSchede(memorizzate);
    }

    // Hands every record with its position to the visitor, first to last, reading the
    // file in large blocks; the visitor returns false to stop. The visitor sees the record
    // as stored and converts only the fields it needs; the view lasts for the call.
    void ScorriTutte(const VisitatoreVista& visita) {
        const std::int64_t totale = NumeroSchede();
        constexpr std::int64_t kPerBlocco = (1 << 20) / Dimensione + 1;
        std::vector<unsigned char> blocco;
        for (std::int64_t primo = 1; primo <= totale; primo += kPerBlocco) {
            const std::int64_t quanti = std::min(kPerBlocco, totale - primo + 1);
            const std::size_t byte = static_cast<std::size_t>(quanti) * Dimensione;
            blocco.resize(byte);
            if (File().Leggi(Offset(primo), blocco.data(), byte) != byte)
                throw ErroreAccessoArchivio("short read");
            for (std::int64_t k = 0; k < quanti; ++k)
                if (!visita(primo + k, VistaScheda<Scheda>(blocco.data() + k * Dimensione))) return;
        }
    }

    // The same scan with every record whole, for the commands that use whole records. The
    // record handed over lasts for the call: one record is reused for all.
    void LeggiTutte(const Visitatore& visita) {
        Scheda s{};
        ScorriTutte([&](std::int64_t posizione, const VistaScheda<Scheda>& vista) {
            vista.Tutta(s);
            return visita(posizione, s);
        });
    }

    void Chiudi() {
        if (!file_) return;
        auto f = std::move(file_);
        f->Chiudi();
    }

private:
    FileArchivio& File() {
        if (!file_) throw ErroreAccessoArchivio("archive not open");
        return *file_;
    }
    static std::uint64_t Offset(std::int64_t n) {
        return static_cast<std::uint64_t>(n - 1) * Dimensione;
    }
    void Controlla(std::int64_t n) {
        if (n < 1 || n > NumeroSchede()) throw ErroreAccessoArchivio("no such record");
    }
    void Scrivibile() {
        if (accesso_ == Accesso::SolaLettura) throw ErroreAccessoArchivio("opened for reading");
    }

    std::unique_ptr<FileArchivio> file_;
    std::filesystem::path percorso_;
    StratoFile* strato_ = nullptr;
    Accesso accesso_ = Accesso::LetturaScrittura;
};
