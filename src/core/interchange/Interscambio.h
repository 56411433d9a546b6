#pragma once
// What the imports from other programs share.
#include <filesystem>
#include <string>
#include <string_view>

namespace interscambio {

// True when every character of the UTF-8 text has a Windows-1252 form, so the archive
// keeps it as it is instead of storing "?" in its place. Malformed UTF-8 is not held.
bool Contenibile(std::string_view utf8);

// The whole file's bytes. Throws ErroreAccessoArchivio when it cannot be read.
std::string LeggiFile(const std::filesystem::path& file);

}  // namespace interscambio
