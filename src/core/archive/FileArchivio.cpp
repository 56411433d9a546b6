#include "core/archive/FileArchivio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

int Posiziona(std::FILE* f, std::uint64_t offset, int origine) {
#ifdef _WIN32
    return _fseeki64(f, static_cast<__int64>(offset), origine);
#else
    return fseeko(f, static_cast<off_t>(offset), origine);
#endif
}

std::uint64_t Posizione(std::FILE* f) {
#ifdef _WIN32
    return static_cast<std::uint64_t>(_ftelli64(f));
#else
    return static_cast<std::uint64_t>(ftello(f));
#endif
}

std::FILE* ApriConModo(const fs::path& p, const char* modo) {
#ifdef _WIN32
    std::wstring m(modo, modo + std::strlen(modo));
    return _wfopen(p.c_str(), m.c_str());
#else
    return std::fopen(p.c_str(), modo);
#endif
}

[[noreturn]] void Fallisce(const std::string& cosa, const fs::path& p, int codice = errno) {
    throw ErroreAccessoArchivio(cosa + " " + p.string() + ": " + std::strerror(codice));
}

class FileStandard final : public FileArchivio {
public:
    FileStandard(std::FILE* f, bool scrivibile) : f_(f), scrivibile_(scrivibile) {}
    ~FileStandard() override {
        if (f_) std::fclose(f_);
    }

    std::uint64_t Lunghezza() override {
        if (Posiziona(Aperto(), 0, SEEK_END) != 0) throw ErroreAccessoArchivio("seek");
        return Posizione(f_);
    }

    std::size_t Leggi(std::uint64_t offset, void* dati, std::size_t n) override {
        if (Posiziona(Aperto(), offset, SEEK_SET) != 0) throw ErroreAccessoArchivio("seek");
        const std::size_t letti = std::fread(dati, 1, n, f_);
        if (letti < n && std::ferror(f_)) throw ErroreAccessoArchivio("read");
        return letti;
    }

    void Scrivi(std::uint64_t offset, const void* dati, std::size_t n) override {
        if (!scrivibile_) throw ErroreAccessoArchivio("opened for reading only");
        if (Posiziona(Aperto(), offset, SEEK_SET) != 0) throw ErroreAccessoArchivio("seek");
        if (std::fwrite(dati, 1, n, f_) != n) throw ErroreAccessoArchivio("write");
        if (std::fflush(f_) != 0) throw ErroreAccessoArchivio("flush");
    }

    void Sincronizza() override {
        if (!scrivibile_) return;
        if (std::fflush(Aperto()) != 0) throw ErroreAccessoArchivio("flush");
#ifdef _WIN32
        if (_commit(_fileno(f_)) != 0) throw ErroreAccessoArchivio("sync");
#else
        if (::fsync(fileno(f_)) != 0) throw ErroreAccessoArchivio("sync");
#endif
    }

    void Chiudi() override {
        if (!f_) return;
        const int esito = std::fclose(f_);
        f_ = nullptr;
        if (esito != 0) throw ErroreAccessoArchivio("close");
    }

private:
    std::FILE* Aperto() {
        if (!f_) throw ErroreAccessoArchivio("file closed");
        return f_;
    }

    std::FILE* f_;
    bool scrivibile_;
};

class StratoDelSistema final : public StratoFile {
public:
    std::unique_ptr<FileArchivio> Apri(const fs::path& percorso, Accesso accesso) override {
        NonCartella(percorso);
        const bool scrittura = accesso == Accesso::LetturaScrittura;
        errno = 0;
        std::FILE* f = ApriConModo(percorso, scrittura ? "r+b" : "rb");
        if (!f && errno == ENOENT) {
            // "x": create only when nothing is there, so an existing file is never truncated.
            f = ApriConModo(percorso, scrittura ? "w+bx" : "wbx");
            if (f && !scrittura) {
                std::fclose(f);
                f = ApriConModo(percorso, "rb");
            }
            if (f) {
                auto file = std::make_unique<FileStandard>(f, scrittura);
                // The new entry reaches the disk before anything is saved into the file.
                SincronizzaCartella(percorso.parent_path());
                return file;
            }
        }
        if (!f) Fallisce("cannot open", percorso);
        return std::make_unique<FileStandard>(f, scrittura);
    }

    std::unique_ptr<FileArchivio> ApriSeEsiste(const fs::path& percorso) override {
        NonCartella(percorso);
        errno = 0;
        std::FILE* f = ApriConModo(percorso, "rb");
        if (!f && errno == ENOENT) return nullptr;
        if (!f) Fallisce("cannot open", percorso);
        return std::make_unique<FileStandard>(f, false);
    }

    std::unique_ptr<FileArchivio> Crea(const fs::path& percorso) override {
#ifdef _WIN32
        std::FILE* f = ApriConModo(percorso, "wbx");
#else
        // O_EXCL fails on anything standing at the path, a link included: nothing is followed.
        const int fd =
            ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) Fallisce("cannot create", percorso);
        std::FILE* f = ::fdopen(fd, "wb");
        if (!f) ::close(fd);
#endif
        if (!f) Fallisce("cannot create", percorso);
        return std::make_unique<FileStandard>(f, true);
    }

    void Rimuovi(const fs::path& percorso) override {
        std::error_code ec;
        fs::remove(percorso, ec);
        if (ec) throw ErroreAccessoArchivio("cannot remove " + percorso.string());
    }

    void SincronizzaCartella([[maybe_unused]] const fs::path& cartella) override {
#ifndef _WIN32
        const fs::path c = cartella.empty() ? fs::path(".") : cartella;
        const int fd = ::open(c.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) Fallisce("cannot open folder", c);
        const int esito = ::fsync(fd);
        const int codice = errno;
        ::close(fd);
        // Some file systems cannot force a folder (EINVAL); they keep its entries anyway.
        if (esito != 0 && codice != EINVAL) Fallisce("cannot sync folder", c, codice);
#endif
    }

private:
    // A folder standing where the file should be must fail, not be "opened".
    static void NonCartella(const fs::path& percorso) {
        std::error_code ec;
        if (fs::is_directory(percorso, ec))
            throw ErroreAccessoArchivio("not a file: " + percorso.string());
    }
};

// --- the rollback journal ----------------------------------------------------------------
//
// Layout: the 8 bytes "RICGIOR1", the offset and the count of the saved bytes (8 bytes each,
// little-endian), the saved bytes, then a checksum of everything before it (8 bytes). A
// journal whose length or checksum does not match was cut short by a crash while it was
// being written, before the archive was touched.

constexpr char kFirma[8] = {'R', 'I', 'C', 'G', 'I', 'O', 'R', '1'};
constexpr std::size_t kTesta = 24;
constexpr std::size_t kCoda = 8;
// Far more than any record; keeps a damaged journal from asking for unbounded memory.
constexpr std::uint64_t kMassimoSalvati = 1 << 24;

void MettiNumero(std::vector<unsigned char>& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::uint64_t LeggiNumero(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

std::uint64_t Somma(const unsigned char* p, std::size_t n) {
    std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 0x100000001b3ull;
    return h;
}

struct Salvati {
    std::uint64_t offset = 0;
    std::vector<unsigned char> byte;
};

std::vector<unsigned char> Componi(std::uint64_t offset, const void* vecchi, std::size_t n) {
    std::vector<unsigned char> out(kFirma, kFirma + sizeof kFirma);
    MettiNumero(out, offset);
    MettiNumero(out, n);
    const auto* v = static_cast<const unsigned char*>(vecchi);
    out.insert(out.end(), v, v + n);
    MettiNumero(out, Somma(out.data(), out.size()));
    return out;
}

// The bytes a complete journal saved; nothing for one cut short or not ours.
std::optional<Salvati> LeggiGiornale(FileArchivio& g) {
    const std::uint64_t lunghezza = g.Lunghezza();
    if (lunghezza < kTesta + kCoda || lunghezza > kTesta + kCoda + kMassimoSalvati) return {};
    std::vector<unsigned char> tutto(static_cast<std::size_t>(lunghezza));
    if (g.Leggi(0, tutto.data(), tutto.size()) != tutto.size()) return {};
    if (!std::equal(kFirma, kFirma + sizeof kFirma, tutto.begin())) return {};
    const std::uint64_t n = LeggiNumero(tutto.data() + 16);
    if (n != lunghezza - kTesta - kCoda) return {};
    const std::size_t fine = tutto.size() - kCoda;
    if (LeggiNumero(tutto.data() + fine) != Somma(tutto.data(), fine)) return {};
    Salvati s;
    s.offset = LeggiNumero(tutto.data() + 8);
    s.byte.assign(tutto.begin() + kTesta, tutto.begin() + static_cast<std::ptrdiff_t>(fine));
    return s;
}

fs::path Cartella(const fs::path& archivio) {
    const fs::path c = archivio.parent_path();
    return c.empty() ? fs::path(".") : c;
}

// An archive that cannot be written while its journal still holds the old bytes of an
// interrupted overwrite: reads see those old bytes.
class FileRipristinato final : public FileArchivio {
public:
    FileRipristinato(std::unique_ptr<FileArchivio> file, Salvati salvati)
        : file_(std::move(file)), salvati_(std::move(salvati)) {}
    std::uint64_t Lunghezza() override { return file_->Lunghezza(); }
    std::size_t Leggi(std::uint64_t offset, void* dati, std::size_t n) override {
        const std::size_t letti = file_->Leggi(offset, dati, n);
        const std::uint64_t inizio = std::max(offset, salvati_.offset);
        const std::uint64_t fine = std::min(offset + letti, salvati_.offset + salvati_.byte.size());
        if (inizio < fine)
            std::memcpy(static_cast<unsigned char*>(dati) + (inizio - offset),
                        salvati_.byte.data() + (inizio - salvati_.offset), fine - inizio);
        return letti;
    }
    void Scrivi(std::uint64_t, const void*, std::size_t) override {
        throw ErroreAccessoArchivio("opened for reading only");
    }
    void Chiudi() override { file_->Chiudi(); }

private:
    std::unique_ptr<FileArchivio> file_;
    Salvati salvati_;
};

// Puts the saved bytes back and removes the journal, forcing both onto the disk.
void Ripristina(StratoFile& strato, const fs::path& archivio, const fs::path& giornale,
                const std::optional<Salvati>& salvati) {
    if (salvati) {
        auto file = strato.Apri(archivio, Accesso::LetturaScrittura);
        // Overwrites never change the length: bytes beyond the end cannot be this file's.
        if (salvati->offset + salvati->byte.size() <= file->Lunghezza()) {
            file->Scrivi(salvati->offset, salvati->byte.data(), salvati->byte.size());
            file->Sincronizza();
        }
        file->Chiudi();
    }
    strato.Rimuovi(giornale);
    strato.SincronizzaCartella(Cartella(archivio));
}

}  // namespace

StratoFile& StratoStandard() {
    static StratoDelSistema strato;
    return strato;
}

std::unique_ptr<FileArchivio> ApriFileArchivio(const fs::path& percorso, Accesso accesso) {
    return StratoStandard().Apri(percorso, accesso);
}

namespace giornale {

fs::path Percorso(const fs::path& archivio) {
    fs::path p = archivio;
    p += ".giornale";
    return p;
}

std::unique_ptr<FileArchivio> ApriArchivio(StratoFile& strato, const fs::path& archivio,
                                           Accesso accesso) {
    const fs::path percorso = Percorso(archivio);
    std::optional<Salvati> salvati;
    {
        auto g = strato.ApriSeEsiste(percorso);
        if (!g) return strato.Apri(archivio, accesso);
        salvati = LeggiGiornale(*g);
        g->Chiudi();
    }
    try {
        Ripristina(strato, archivio, percorso, salvati);
    } catch (const ErroreAccessoArchivio&) {
        // Nothing can be written here; a reader still gets the archive as it was before
        // the interrupted overwrite, and the journal waits for an opening that can write.
        if (accesso == Accesso::LetturaScrittura) throw;
        auto file = strato.Apri(archivio, Accesso::SolaLettura);
        if (!salvati) return file;
        return std::make_unique<FileRipristinato>(std::move(file), std::move(*salvati));
    }
    return strato.Apri(archivio, accesso);
}

std::unique_ptr<FileArchivio> ApriSenzaScrivere(StratoFile& strato, const fs::path& archivio) {
    auto file = strato.ApriSeEsiste(archivio);
    if (!file) return nullptr;
    std::optional<Salvati> salvati;
    if (auto g = strato.ApriSeEsiste(Percorso(archivio))) {
        salvati = LeggiGiornale(*g);
        g->Chiudi();
    }
    if (!salvati) return file;
    return std::make_unique<FileRipristinato>(std::move(file), std::move(*salvati));
}

void Sovrascrivi(StratoFile& strato, const fs::path& archivio, FileArchivio& file,
                 std::uint64_t offset, const void* nuovi, std::size_t n) {
    std::vector<unsigned char> vecchi(n);
    if (file.Leggi(offset, vecchi.data(), n) != n)
        throw ErroreAccessoArchivio("overwrite beyond the end");
    if (std::memcmp(vecchi.data(), nuovi, n) == 0) return;

    const fs::path percorso = Percorso(archivio);
    const fs::path cartella = Cartella(archivio);
    {
        // A journal already there belongs to another save under way: fail, touch nothing.
        auto g = strato.Crea(percorso);
        try {
            const std::vector<unsigned char> contenuto = Componi(offset, vecchi.data(), n);
            g->Scrivi(0, contenuto.data(), contenuto.size());
            g->Sincronizza();
            g->Chiudi();
            strato.SincronizzaCartella(cartella);
        } catch (...) {
            // The archive is untouched; a journal left here would be dropped as incomplete.
            try {
                g.reset();
                strato.Rimuovi(percorso);
            } catch (...) {
            }
            throw;
        }
    }
    try {
        file.Scrivi(offset, nuovi, n);
        file.Sincronizza();
        strato.Rimuovi(percorso);
        strato.SincronizzaCartella(cartella);
    } catch (...) {
        // Old bytes back now. Should that fail too, the journal stays for the next opening.
        try {
            file.Scrivi(offset, vecchi.data(), n);
            file.Sincronizza();
            strato.Rimuovi(percorso);
            strato.SincronizzaCartella(cartella);
        } catch (...) {
        }
        throw;
    }
}

}  // namespace giornale
