#pragma once
// The file layer under every archive: positioned reads and writes on one open file.
// An interface so that tests can put a failing layer underneath.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

// Any failure to open, create, position, read, write or close an archive file.
class ErroreAccessoArchivio : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileArchivio {
public:
    virtual ~FileArchivio() = default;
    virtual std::uint64_t Lunghezza() = 0;
    // Reads up to n bytes at offset; returns how many were read (short only at the end).
    virtual std::size_t Leggi(std::uint64_t offset, void* dati, std::size_t n) = 0;
    // Writes exactly n bytes at offset, or throws.
    virtual void Scrivi(std::uint64_t offset, const void* dati, std::size_t n) = 0;
    virtual void Chiudi() = 0;
};

// Opens an existing file for reading and writing; creates it empty only when it does
// not exist. An existing file that cannot be opened is never replaced or truncated.
std::unique_ptr<FileArchivio> ApriFileArchivio(const std::filesystem::path& percorso);

// Opens an existing file for reading only; creates nothing. A missing file, or a folder
// standing at its path, is an access failure like any other.
std::unique_ptr<FileArchivio> ApriFileArchivioInLettura(const std::filesystem::path& percorso);
