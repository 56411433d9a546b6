#include "core/archive/FileIntero.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fallisce(const std::string& cosa, const fs::path& p, int codice = errno) {
    throw ErroreScritturaFile(cosa + " " + p.string() + ": " + std::strerror(codice));
}

// The destination's name, "..", and 16 random hexadecimal digits: no attachment or archive
// name holds "..", so the name cannot be one the program keeps.
fs::path NomeACaso(const fs::path& destinazione) {
    static constexpr char kCifre[] = "0123456789abcdef";
    std::random_device rd;
    std::string coda = "..";
    for (int i = 0; i < 16; ++i) coda.push_back(kCifre[rd() % 16]);
    fs::path p = destinazione;
    p += coda;
    return p;
}

std::FILE* CreaEsclusivo(const fs::path& p) {
#ifdef _WIN32
    return _wfopen(p.c_str(), L"wbx");
#else
    // O_EXCL fails on anything at the path, a dangling link included.
    const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) ::close(fd);
    return f;
#endif
}

}  // namespace

FileProvvisorio::FileProvvisorio(const fs::path& destinazione) : destinazione_(destinazione) {
    for (int tentativo = 0; tentativo < 16 && !f_; ++tentativo) {
        provvisorio_ = NomeACaso(destinazione);
        errno = 0;
        f_ = CreaEsclusivo(provvisorio_);
        if (!f_ && errno != EEXIST) Fallisce("cannot create", provvisorio_);
    }
    if (!f_) Fallisce("cannot create", provvisorio_, EEXIST);
    // Exports hand over many small pieces: fewer, larger writes.
    std::setvbuf(f_, nullptr, _IOFBF, 1 << 16);
}

FileProvvisorio::~FileProvvisorio() { Scarta(); }

void FileProvvisorio::Scarta() {
    if (f_) {
        std::fclose(f_);
        f_ = nullptr;
    }
    if (!sostituito_) {
        std::error_code ec;
        fs::remove(provvisorio_, ec);
        sostituito_ = true;  // nothing left to remove
    }
}

void FileProvvisorio::Scrivi(const void* dati, std::size_t n) {
    if (!f_) throw ErroreScritturaFile("temporary file closed");
    if (n > 0 && std::fwrite(dati, 1, n, f_) != n) Fallisce("cannot write", provvisorio_);
}

void FileProvvisorio::Sostituisci() {
    if (!f_) throw ErroreScritturaFile("temporary file closed");
    if (std::fflush(f_) != 0) Fallisce("cannot write", provvisorio_);
#ifdef _WIN32
    if (_commit(_fileno(f_)) != 0) Fallisce("cannot sync", provvisorio_);
#else
    const int fd = fileno(f_);
    struct stat vecchio;
    if (::stat(destinazione_.c_str(), &vecchio) == 0 && S_ISREG(vecchio.st_mode)) {
        if (::fchmod(fd, vecchio.st_mode & 07777) != 0) Fallisce("cannot set mode", provvisorio_);
        // Only a privileged user may give a file away; anyone else stays its owner.
        [[maybe_unused]] const int proprietario = ::fchown(fd, vecchio.st_uid, vecchio.st_gid);
    }
    if (::fsync(fd) != 0) Fallisce("cannot sync", provvisorio_);
#endif
    const int esito = std::fclose(f_);
    f_ = nullptr;
    if (esito != 0) Fallisce("cannot write", provvisorio_);
    std::error_code ec;
    fs::rename(provvisorio_, destinazione_, ec);
    if (ec)
        throw ErroreScritturaFile("cannot replace " + destinazione_.string() + ": " + ec.message());
    sostituito_ = true;
    try {
        StratoStandard().SincronizzaCartella(destinazione_.parent_path());
    } catch (const ErroreAccessoArchivio&) {
        // The new file is in place already; failing now would report a change that was made.
    }
}

void ScriviFileIntero(const fs::path& file, const std::function<void(FileProvvisorio&)>& componi) {
    FileProvvisorio nuovo(file);
    componi(nuovo);
    nuovo.Sostituisci();
}

void SostituisciFile(const fs::path& file, std::string_view contenuto) {
    ScriviFileIntero(file, [&](FileProvvisorio& f) { f.Scrivi(contenuto); });
}
