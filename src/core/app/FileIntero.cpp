#include "core/app/FileIntero.h"

void ScritturaFile::Scrivi(std::string_view byte) {
    if (blocco_.size() + byte.size() < kBlocco) {
        blocco_.append(byte);
        return;
    }
    Svuota();
    if (byte.size() < kBlocco) {
        blocco_.append(byte);
        return;
    }
    // A large piece goes to the file as it is, without passing through the block.
    file_.Scrivi(scritti_, byte.data(), byte.size());
    scritti_ += byte.size();
}

void ScritturaFile::Svuota() {
    if (blocco_.empty()) return;
    file_.Scrivi(scritti_, blocco_.data(), blocco_.size());
    scritti_ += blocco_.size();
    blocco_.clear();
}

std::filesystem::path FileProvvisorio(const std::filesystem::path& file) {
    std::filesystem::path p = file;
    p += ".tmp";
    return p;
}

void ScriviFileIntero(const std::filesystem::path& file,
                      const std::function<void(ScritturaFile&)>& componi,
                      const ApriStrato& apri) {
    namespace fs = std::filesystem;
    const fs::path provvisorio = FileProvvisorio(file);
    auto togli = [&] {
        std::error_code ec;
        if (fs::is_regular_file(provvisorio, ec)) fs::remove(provvisorio, ec);
    };
    // A temporary file left by an interrupted write is stale: start from nothing. The
    // file layer opens without truncating, so an old one must not be there.
    togli();
    try {
        std::unique_ptr<FileArchivio> strato = apri(provvisorio);
        ScritturaFile scrittura(*strato);
        componi(scrittura);
        scrittura.Svuota();
        strato->Chiudi();
    } catch (...) {
        togli();
        throw;
    }
    std::error_code ec;
    // Only a file is replaced: a folder standing at the file's path stays where it is.
    if (fs::is_directory(file, ec)) {
        togli();
        throw ErroreAccessoArchivio("a folder stands at " + file.string());
    }
    fs::rename(provvisorio, file, ec);
    if (ec) {
        togli();
        throw ErroreAccessoArchivio("cannot replace " + file.string() + ": " + ec.message());
    }
}

void SostituisciFile(const std::filesystem::path& file, std::string_view contenuto) {
    try {
        ScriviFileIntero(file, [&](ScritturaFile& s) { s.Scrivi(contenuto); });
    } catch (const ErroreAccessoArchivio& e) {
        throw ErroreScritturaFile(e.what());
    }
}
