#pragma once
// Files the program produces whole (exports, the password file): the new content goes to a
// temporary file beside the old one and replaces it only once complete, so a failure at
// any point leaves the old file exactly as it was.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/app/FileArchivio.h"

// Opens the file layer a whole file is written through (tests put a failing one here).
using ApriStrato = std::function<std::unique_ptr<FileArchivio>(const std::filesystem::path&)>;

// Bytes handed to it are written in order, in large blocks.
class ScritturaFile {
public:
    explicit ScritturaFile(FileArchivio& file) : file_(file) { blocco_.reserve(kBlocco); }
    void Scrivi(std::string_view byte);
    void Svuota();

private:
    static constexpr std::size_t kBlocco = 1 << 20;
    FileArchivio& file_;
    std::string blocco_;
    std::uint64_t scritti_ = 0;
};

// Writes `file` whole with what `componi` hands to the ScritturaFile. Any failure (the
// temporary file cannot be made or written, a folder stands at the file's path, `componi`
// throws) removes the temporary file, leaves `file` as it was and is thrown as an
// ErroreAccessoArchivio, except what `componi` throws itself, which goes on unchanged.
void ScriviFileIntero(const std::filesystem::path& file,
                      const std::function<void(ScritturaFile&)>& componi,
                      const ApriStrato& apri = ApriFileArchivio);

// The temporary file beside `file`.
std::filesystem::path FileProvvisorio(const std::filesystem::path& file);

// A whole file that could not be written (the temporary file, its content or the rename).
class ErroreScritturaFile : public ErroreAccessoArchivio {
public:
    using ErroreAccessoArchivio::ErroreAccessoArchivio;
};

// Writes `contenuto` as the whole of `file`, as ScriviFileIntero does; failures are thrown
// as ErroreScritturaFile.
void SostituisciFile(const std::filesystem::path& file, std::string_view contenuto);
