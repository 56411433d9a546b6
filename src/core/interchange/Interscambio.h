#pragma once
// What the imports from other programs share.
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace interscambio {

// The whole file's bytes. Throws ErroreAccessoArchivio when it cannot be read.
std::string LeggiFile(const std::filesystem::path& file);

// What an import shows when the file picked cannot be read at all.
inline constexpr const char* FileIlleggibile =
    "Attenzione: il sistema non permette di leggere il file scelto.";

// An import's closing message: "Importazione completata." and one "label: count" a line; a
// line whose label ends in '?' is left out when its count is 0 (the '?' is not shown).
struct Conteggio {
    std::string_view etichetta;
    std::size_t quanti;
};
std::string Riepilogo(std::initializer_list<Conteggio> righe);

}  // namespace interscambio
