#pragma once
// Where the program keeps its files. A portable folder (the executable beside its password
// file "unins000.dll") keeps everything there, as always: copying the folder moves the
// whole installation. An installed program cannot write beside its executable, so its data
// lives in the user's own data folder, made ready from the files installed with it.
#include <filesystem>

namespace cartella_dati {

// Read-only files shipped with the program that the data folder must offer too.
inline constexpr const char* FileAvviso = "Avviso.mp3";

// The executable's folder when it holds the password file; the user's folder otherwise.
std::filesystem::path Scegli(const std::filesystem::path& cartellaEseguibile,
                             const std::filesystem::path& cartellaUtente);

// Makes the user's data folder ready on start: from now on what the process creates is its
// user's alone (permessi), then creates the folder when missing (0700), copies the
// first-access password file from `installati` when it has none (a copy, 0600: the user
// changes it), and links the manual and the alarm sound that it lacks (links: an update of
// the program updates them). Files missing from `installati` are skipped. Throws
// std::filesystem::filesystem_error when the folder cannot be made, ErroreScritturaFile when
// the password file cannot.
void Prepara(const std::filesystem::path& dati, const std::filesystem::path& installati);

}  // namespace cartella_dati
