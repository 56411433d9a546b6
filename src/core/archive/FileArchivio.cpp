#include "core/archive/FileArchivio.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "core/text/Messaggi.h"

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

    // Open file description locks: they belong to this open file, not to the process, so
    // two openings in one process exclude each other as two processes do, and closing one
    // never drops the other's lock; the kernel drops them when the process dies.
    bool ProvaBlocco([[maybe_unused]] std::uint64_t byte, [[maybe_unused]] Blocco tipo) override {
#ifdef _WIN32
        return true;
#else
        return Fcntl(byte, tipo == Blocco::Esclusivo ? F_WRLCK : F_RDLCK);
#endif
    }

    void Sblocca([[maybe_unused]] std::uint64_t byte) override {
#ifndef _WIN32
        if (f_) Fcntl(byte, F_UNLCK);
#endif
    }

private:
#ifndef _WIN32
    bool Fcntl(std::uint64_t byte, short tipo) {
        struct flock fl {};
        fl.l_type = tipo;
        fl.l_whence = SEEK_SET;
        fl.l_start = static_cast<off_t>(byte);
        fl.l_len = 1;
        for (;;) {
            if (::fcntl(fileno(Aperto()), F_OFD_SETLK, &fl) == 0) return true;
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EACCES) return false;
            // No locks to be had (a network mount without its lock service): saving without
            // them could lose a save silently, so the archive is not used.
            throw ErroreAccessoArchivio(std::string("lock: ") + std::strerror(errno));
        }
    }
#endif

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
            // Another program created it at the same moment: open the one it made.
            if (errno == EEXIST) f = ApriConModo(percorso, scrittura ? "r+b" : "rb");
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
    bool ProvaBlocco(std::uint64_t byte, Blocco tipo) override {
        return file_->ProvaBlocco(byte, tipo);
    }
    void Sblocca(std::uint64_t byte) override { file_->Sblocca(byte); }

private:
    std::unique_ptr<FileArchivio> file_;
    Salvati salvati_;
};

// Puts the saved bytes back through `file`, the archive open for writing and locked
// exclusively, and removes the journal, forcing both onto the disk.
void Ripristina(StratoFile& strato, const fs::path& archivio, FileArchivio& file,
                const std::optional<Salvati>& salvati) {
    // Overwrites never change the length: bytes beyond the end cannot be this file's.
    if (salvati && salvati->offset + salvati->byte.size() <= file.Lunghezza()) {
        file.Scrivi(salvati->offset, salvati->byte.data(), salvati->byte.size());
        file.Sincronizza();
    }
    strato.Rimuovi(giornale::Percorso(archivio));
    strato.SincronizzaCartella(Cartella(archivio));
}

// What an archive's journal left: nothing when there is none; a journal cut short gives
// no bytes to put back but is there all the same.
struct Lasciato {
    bool presente = false;
    std::optional<Salvati> salvati;
};

Lasciato GiornaleLasciato(StratoFile& strato, const fs::path& archivio) {
    Lasciato l;
    auto g = strato.ApriSeEsiste(giornale::Percorso(archivio));
    if (!g) return l;
    l.presente = true;
    l.salvati = LeggiGiornale(*g);
    g->Chiudi();
    return l;
}

std::unique_ptr<FileArchivio> ConVecchiByte(std::unique_ptr<FileArchivio> file, Lasciato l) {
    if (!l.salvati) return file;
    return std::make_unique<FileRipristinato>(std::move(file), std::move(*l.salvati));
}

// --- locks between processes -------------------------------------------------------------
//
// Two bytes at 1 TiB, where no archive of this program reaches. "Lettori" is held shared by
// every reading and exclusively by a save. "Attesa" is what keeps a save from starving: a
// save takes it exclusively before waiting for "Lettori" and a reading passes through it
// shared before taking "Lettori", so once a save waits, new readings queue behind it.

constexpr std::uint64_t kAttesa = std::uint64_t{1} << 40;
constexpr std::uint64_t kLettori = kAttesa + 1;

std::atomic<std::int64_t> g_attesaMs{5000};

using Orologio = std::chrono::steady_clock;

void Aspetta(FileArchivio& file, std::uint64_t byte, FileArchivio::Blocco tipo,
             Orologio::time_point scadenza, const fs::path& archivio) {
    auto pausa = std::chrono::microseconds(200);
    while (!file.ProvaBlocco(byte, tipo)) {
        const auto ora = Orologio::now();
        if (ora >= scadenza) throw ErroreArchivioInUso(archivio);
        std::this_thread::sleep_for(
            std::min<Orologio::duration>(pausa, scadenza - ora));
        pausa = std::min(pausa * 2, std::chrono::microseconds(10000));
    }
}

// A save done with its exclusivity lets readers in at once (its own lock changes kind, so
// nothing can come between).
void Cedi(FileArchivio& file) { file.ProvaBlocco(kLettori, FileArchivio::Blocco::Condiviso); }

}  // namespace

ErroreArchivioInUso::ErroreArchivioInUso(const fs::path& archivio)
    : ErroreAccessoArchivio(messaggi::ArchivioInUso(archivio.filename().string())) {}

namespace blocchi {

std::chrono::milliseconds Attesa() { return std::chrono::milliseconds(g_attesaMs.load()); }

void ImpostaAttesa(std::chrono::milliseconds attesa) { g_attesaMs = attesa.count(); }

void Blocca(FileArchivio& file, const fs::path& archivio, FileArchivio::Blocco tipo) {
    const auto scadenza = Orologio::now() + Attesa();
    Aspetta(file, kAttesa, tipo, scadenza, archivio);
    try {
        Aspetta(file, kLettori, tipo, scadenza, archivio);
    } catch (...) {
        file.Sblocca(kAttesa);
        throw;
    }
    file.Sblocca(kAttesa);
}

}  // namespace blocchi

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
    using Blocco = FileArchivio::Blocco;
    const bool scrittura = accesso == Accesso::LetturaScrittura;
    auto file = strato.Apri(archivio, accesso);
    blocchi::Blocca(*file, archivio, scrittura ? Blocco::Esclusivo : Blocco::Condiviso);
    Lasciato lasciato = GiornaleLasciato(strato, archivio);
    if (!lasciato.presente) return file;
    if (scrittura) {
        Ripristina(strato, archivio, *file, lasciato.salvati);
        return file;
    }
    // A reader found a crash's journal. It is put right under the exclusive lock, through an
    // opening for writing; where nothing can be written, reads see the old bytes it keeps,
    // and the journal waits for an opening that can write.
    std::unique_ptr<FileArchivio> scrivibile;
    try {
        scrivibile = strato.Apri(archivio, Accesso::LetturaScrittura);
    } catch (const ErroreAccessoArchivio&) {
        return ConVecchiByte(std::move(file), std::move(lasciato));
    }
    file.reset();  // the shared lock would stand in the way of the exclusive one
    blocchi::Blocca(*scrivibile, archivio, Blocco::Esclusivo);
    // Another opening may have put it right meanwhile.
    lasciato = GiornaleLasciato(strato, archivio);
    if (lasciato.presente) {
        try {
            Ripristina(strato, archivio, *scrivibile, lasciato.salvati);
        } catch (const ErroreAccessoArchivio&) {
            Cedi(*scrivibile);
            return ConVecchiByte(std::move(scrivibile), std::move(lasciato));
        }
    }
    Cedi(*scrivibile);
    return scrivibile;
}

std::unique_ptr<FileArchivio> ApriSenzaScrivere(StratoFile& strato, const fs::path& archivio) {
    auto file = strato.ApriSeEsiste(archivio);
    if (!file) return nullptr;
    blocchi::Blocca(*file, archivio, FileArchivio::Blocco::Condiviso);
    return ConVecchiByte(std::move(file), GiornaleLasciato(strato, archivio));
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
