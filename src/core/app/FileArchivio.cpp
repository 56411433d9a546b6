#include "core/app/FileArchivio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

std::FILE* ApriConModo(const std::filesystem::path& p, const char* modo) {
#ifdef _WIN32
    std::wstring m(modo, modo + std::strlen(modo));
    return _wfopen(p.c_str(), m.c_str());
#else
    return std::fopen(p.c_str(), modo);
#endif
}

class FileStandard final : public FileArchivio {
public:
    explicit FileStandard(std::FILE* f) : f_(f) {}
    ~FileStandard() override {
        if (f_) std::fclose(f_);
    }

    std::uint64_t Lunghezza() override {
        if (Posiziona(f_, 0, SEEK_END) != 0) throw ErroreAccessoArchivio("seek");
        return Posizione(f_);
    }

    std::size_t Leggi(std::uint64_t offset, void* dati, std::size_t n) override {
        if (Posiziona(f_, offset, SEEK_SET) != 0) throw ErroreAccessoArchivio("seek");
        const std::size_t letti = std::fread(dati, 1, n, f_);
        if (letti < n && std::ferror(f_)) throw ErroreAccessoArchivio("read");
        return letti;
    }

    void Scrivi(std::uint64_t offset, const void* dati, std::size_t n) override {
        if (Posiziona(f_, offset, SEEK_SET) != 0) throw ErroreAccessoArchivio("seek");
        if (std::fwrite(dati, 1, n, f_) != n) throw ErroreAccessoArchivio("write");
        if (std::fflush(f_) != 0) throw ErroreAccessoArchivio("flush");
    }

    void Chiudi() override {
        if (!f_) return;
        const int esito = std::fclose(f_);
        f_ = nullptr;
        if (esito != 0) throw ErroreAccessoArchivio("close");
    }

private:
    std::FILE* f_;
};

// Opens in `modo`, then, when nothing is there and `modoCreazione` is given, creates the file.
// A folder standing where the file should be must fail, not be "opened".
std::unique_ptr<FileArchivio> Apri(const std::filesystem::path& percorso, const char* modo,
                                   const char* modoCreazione) {
    std::error_code ec;
    if (std::filesystem::is_directory(percorso, ec))
        throw ErroreAccessoArchivio("not a file: " + percorso.string());
    errno = 0;
    std::FILE* f = ApriConModo(percorso, modo);
    if (!f && errno == ENOENT && modoCreazione) f = ApriConModo(percorso, modoCreazione);
    if (!f)
        throw ErroreAccessoArchivio("cannot open " + percorso.string() + ": " +
                                    std::strerror(errno));
    return std::make_unique<FileStandard>(f);
}

}  // namespace

std::unique_ptr<FileArchivio> ApriFileArchivio(const std::filesystem::path& percorso) {
    // "x": create only when nothing is there, so an existing file is never truncated.
    return Apri(percorso, "r+b", "w+bx");
}

std::unique_ptr<FileArchivio> ApriFileArchivioInLettura(const std::filesystem::path& percorso) {
    return Apri(percorso, "rb", nullptr);
}
