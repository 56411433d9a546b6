#pragma once
// A file system in memory that can fail or crash at a chosen moment, to show what a save
// leaves behind.
//
// It keeps what a real disk keeps apart: bytes written to a file are only in the cache
// until the file is forced (Sincronizza), and files created or removed are only in the
// cache until their folder is forced (SincronizzaCartella). A crash ("Crollo") at a given
// byte or operation stops everything from that moment; Riavvia then builds the disk as a
// restarted machine finds it: with only what was forced (a power cut), or with everything
// written so far (a killed process). A single failure ("Guasto") makes only that one
// write or operation fail; the next ones work, so the caller can put things right.
// A read-only layer refuses every change, like a read-only medium.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "core/archive/FileArchivio.h"

class StratoInMemoria : public StratoFile {
public:
    using Byte = std::vector<unsigned char>;
    enum class Modo { Nessuno, Crollo, Guasto };
    enum class Disco { SoloForzato, TuttoScritto };

    // Files as they would be seen now, by path.
    std::map<std::filesystem::path, Byte> Contenuto() const {
        std::map<std::filesystem::path, Byte> out;
        for (const auto& [p, f] : cartella_) out[p] = f->dati;
        return out;
    }
    void Metti(const std::filesystem::path& p, Byte dati) {
        auto f = std::make_shared<File>();
        f->dati = f->forzati = std::move(dati);
        cartella_[p] = forzata_[p] = f;
    }
    bool Esiste(const std::filesystem::path& p) const { return cartella_.count(p) > 0; }

    // Fails (Modo::Guasto) or crashes (Modo::Crollo) once `byte` more bytes have been
    // written, or at the operation number `operazione` from now (writes, forcings, creations
    // and removals count), whichever comes first.
    void Prepara(Modo modo, std::size_t byte, std::size_t operazione = SIZE_MAX) {
        modo_ = modo;
        restantiByte_ = byte;
        restantiOperazioni_ = operazione;
        scritti_ = operazioni_ = 0;
    }
    // Restarts after a crash (or at any time): the disk as the machine finds it.
    void Riavvia(Disco disco) {
        std::map<std::filesystem::path, std::shared_ptr<File>> nuova;
        const auto& elenco = disco == Disco::SoloForzato ? forzata_ : cartella_;
        for (const auto& [p, f] : elenco) {
            auto g = std::make_shared<File>();
            g->dati = g->forzati = disco == Disco::SoloForzato ? f->forzati : f->dati;
            nuova[p] = g;
        }
        cartella_ = forzata_ = nuova;
        modo_ = Modo::Nessuno;
        crollato_ = false;
    }
    bool Crollato() const { return crollato_; }
    // What a whole save wrote, when nothing failed.
    std::size_t Scritti() const { return scritti_; }
    std::size_t Operazioni() const { return operazioni_; }
    bool soloLettura = false;

    std::unique_ptr<FileArchivio> Apri(const std::filesystem::path& p, Accesso accesso) override {
        Vivo();
        if (soloLettura && accesso == Accesso::LetturaScrittura)
            throw ErroreAccessoArchivio("read-only medium");
        auto it = cartella_.find(p);
        if (it == cartella_.end()) {
            if (soloLettura) throw ErroreAccessoArchivio("read-only medium");
            Operazione();
            // A created archive's entry is forced at once, as the real layer does.
            it = cartella_.emplace(p, std::make_shared<File>()).first;
            forzata_[p] = it->second;
        }
        return std::make_unique<Aperto>(*this, it->second, accesso == Accesso::LetturaScrittura);
    }
    std::unique_ptr<FileArchivio> ApriSeEsiste(const std::filesystem::path& p) override {
        Vivo();
        auto it = cartella_.find(p);
        if (it == cartella_.end()) return nullptr;
        return std::make_unique<Aperto>(*this, it->second, false);
    }
    std::unique_ptr<FileArchivio> Crea(const std::filesystem::path& p) override {
        Vivo();
        if (soloLettura) throw ErroreAccessoArchivio("read-only medium");
        if (cartella_.count(p)) throw ErroreAccessoArchivio("exists");
        Operazione();
        auto f = std::make_shared<File>();
        cartella_[p] = f;
        return std::make_unique<Aperto>(*this, f, true);
    }
    void Rimuovi(const std::filesystem::path& p) override {
        Vivo();
        if (soloLettura) throw ErroreAccessoArchivio("read-only medium");
        Operazione();
        cartella_.erase(p);
    }
    void SincronizzaCartella(const std::filesystem::path&) override {
        Vivo();
        if (soloLettura) return;
        Operazione();
        forzata_ = cartella_;
    }

private:
    struct File {
        Byte dati;     // as the cache has it
        Byte forzati;  // as the disk has it
    };

    class Aperto : public FileArchivio {
    public:
        Aperto(StratoInMemoria& s, std::shared_ptr<File> f, bool scrivibile)
            : s_(s), f_(std::move(f)), scrivibile_(scrivibile) {}
        std::uint64_t Lunghezza() override {
            s_.Vivo();
            return f_->dati.size();
        }
        std::size_t Leggi(std::uint64_t offset, void* out, std::size_t n) override {
            s_.Vivo();
            if (offset >= f_->dati.size()) return 0;
            const std::size_t k = std::min<std::size_t>(n, f_->dati.size() - offset);
            std::memcpy(out, f_->dati.data() + offset, k);
            return k;
        }
        void Scrivi(std::uint64_t offset, const void* in, std::size_t n) override {
            s_.Vivo();
            if (!scrivibile_) throw ErroreAccessoArchivio("read only");
            s_.Operazione();
            const std::size_t k = s_.Consenti(n);
            if (f_->dati.size() < offset + k) f_->dati.resize(offset + k);
            if (k > 0) std::memcpy(f_->dati.data() + offset, in, k);
            if (k < n) s_.Cede();
        }
        void Sincronizza() override {
            s_.Vivo();
            if (!scrivibile_) return;
            s_.Operazione();
            f_->forzati = f_->dati;
        }
        void Chiudi() override {}

    private:
        StratoInMemoria& s_;
        std::shared_ptr<File> f_;
        bool scrivibile_;
    };

    void Vivo() const {
        if (crollato_) throw ErroreAccessoArchivio("crashed");
    }
    void Operazione() {
        ++operazioni_;
        if (modo_ == Modo::Nessuno || restantiOperazioni_ == SIZE_MAX) return;
        if (restantiOperazioni_-- == 0) Cede();
    }
    // How many of n bytes may still be written.
    std::size_t Consenti(std::size_t n) {
        std::size_t k = n;
        if (modo_ != Modo::Nessuno) {
            k = std::min(n, restantiByte_);
            restantiByte_ -= k;
            if (k < n) restantiByte_ = SIZE_MAX;  // a single failure: later writes go through
        }
        scritti_ += k;
        return k;
    }
    [[noreturn]] void Cede() {
        if (modo_ == Modo::Crollo) crollato_ = true;
        modo_ = modo_ == Modo::Guasto ? Modo::Nessuno : modo_;
        throw ErroreAccessoArchivio(crollato_ ? "crash" : "injected failure");
    }

    std::map<std::filesystem::path, std::shared_ptr<File>> cartella_;  // as the cache has it
    std::map<std::filesystem::path, std::shared_ptr<File>> forzata_;   // as the disk has it
    Modo modo_ = Modo::Nessuno;
    std::size_t restantiByte_ = SIZE_MAX;
    std::size_t restantiOperazioni_ = SIZE_MAX;
    std::size_t scritti_ = 0;
    std::size_t operazioni_ = 0;
    bool crollato_ = false;
};
