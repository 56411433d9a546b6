#pragma once
// Files the program produces whole (the password file, the exports, attachment copies): the
// new content goes to a temporary file beside the old one and replaces it only once it is
// complete and on the disk, so whoever reads finds the old file or the new one, never a
// part, and a failure at any point leaves the old file exactly as it was.
//
// The temporary file has a name of its own, chosen at random and created exclusively, so
// nothing standing at that name (a file, or a link leading elsewhere) is ever followed or
// overwritten. The new file keeps the permissions (and, where the system allows, the owner)
// of the one it replaces.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>

#include "core/archive/FileArchivio.h"

// A whole file that could not be written (the temporary file, its content or the rename).
class ErroreScritturaFile : public ErroreAccessoArchivio {
public:
    using ErroreAccessoArchivio::ErroreAccessoArchivio;
};

class FileProvvisorio {
public:
    // Creates the temporary file in the folder of `destinazione`. Throws ErroreScritturaFile.
    explicit FileProvvisorio(const std::filesystem::path& destinazione);
    // Removes the temporary file unless it has taken its place.
    ~FileProvvisorio();
    FileProvvisorio(const FileProvvisorio&) = delete;
    FileProvvisorio& operator=(const FileProvvisorio&) = delete;

    // Appends bytes, in order.
    void Scrivi(const void* dati, std::size_t n);
    void Scrivi(std::string_view byte) { Scrivi(byte.data(), byte.size()); }
    // Forces the content onto the disk, gives the file the permissions of the one it
    // replaces, renames it over that file and forces the folder entry. A link standing at
    // the destination is replaced, not followed; a folder standing there stays and fails.
    void Sostituisci();

    const std::filesystem::path& Percorso() const { return provvisorio_; }

private:
    void Scarta();

    std::filesystem::path destinazione_;
    std::filesystem::path provvisorio_;
    std::FILE* f_ = nullptr;
    bool sostituito_ = false;
};

// Writes `file` whole with what `componi` hands to the temporary file. Any failure of the
// writing (the temporary file cannot be made or written, a folder stands at the file's
// path, a missing folder) is an ErroreScritturaFile; what `componi` throws itself goes on
// unchanged. Either way the temporary file is removed and `file` stays as it was.
void ScriviFileIntero(const std::filesystem::path& file,
                      const std::function<void(FileProvvisorio&)>& componi);

// Writes `contenuto` as the whole of `file`, as ScriviFileIntero does.
void SostituisciFile(const std::filesystem::path& file, std::string_view contenuto);
