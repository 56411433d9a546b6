#pragma once
// A file written whole beside the one it replaces, and put in its place only once it is
// complete and on the disk: whoever reads finds the old file or the new one, never a part.
// The temporary file has a name of its own, chosen at random and created exclusively, so
// nothing standing at that name (a file, or a link leading elsewhere) is ever followed or
// overwritten.
#include <cstdio>
#include <filesystem>
#include <stdexcept>

class ErroreFileProvvisorio : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileProvvisorio {
public:
    // Creates the temporary file in the folder of `destinazione`. Throws
    // ErroreFileProvvisorio.
    explicit FileProvvisorio(const std::filesystem::path& destinazione);
    // Removes the temporary file unless it has taken its place.
    ~FileProvvisorio();
    FileProvvisorio(const FileProvvisorio&) = delete;
    FileProvvisorio& operator=(const FileProvvisorio&) = delete;

    void Scrivi(const void* dati, std::size_t n);
    // Forces the content onto the disk, gives the file the permissions of the one it
    // replaces (and its owner, where the system allows), renames it over that file and
    // forces the folder entry. A link standing at the destination is replaced, not followed.
    void Sostituisci();

    const std::filesystem::path& Percorso() const { return provvisorio_; }

private:
    void Scarta();

    std::filesystem::path destinazione_;
    std::filesystem::path provvisorio_;
    std::FILE* f_ = nullptr;
    bool sostituito_ = false;
};
