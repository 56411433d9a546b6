#pragma once
// Files the program produces whole (exports, the password file): written beside their final
// name and renamed over the old file only when complete, so a failure never leaves a
// half-written file in its place and the old one stays whole.
#include <filesystem>
#include <stdexcept>
#include <string_view>

class ErroreScritturaFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `contenuto` to `file` + ".tmp", then renames it over `file`. On failure the
// temporary file is removed and ErroreScritturaFile is thrown.
void SostituisciFile(const std::filesystem::path& file, std::string_view contenuto);
