#pragma once
// The deadline archives: one file "<year>.rcd" per calendar year in the program folder,
// opened by its full path (the card keeps it in lblFile).
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/app/Archivio.h"
#include "core/deadlines/TSchedaScadenza.h"

class TArchivioScadenze : public Archivio<TSchedaScadenza> {
public:
    static constexpr const char* Estensione = ".rcd";
    // Folder + the year as typed (four characters) + ".rcd".
    static std::filesystem::path Percorso(const std::filesystem::path& cartella,
                                          std::string_view anno);
    // Folder + the year in four digits + ".rcd".
    static std::filesystem::path Percorso(const std::filesystem::path& cartella, int anno);
    // The path a window keeps as text (lblFile), trimmed.
    static std::filesystem::path PercorsoDa(std::string_view lblFile);
    using Archivio<TSchedaScadenza>::Apri;
};

// Every record of a year file, in file order, read without writing anything: a missing file
// reads as an empty archive and is not created. Any other failure (a folder at the path, an
// unreadable file) is an ErroreAccessoArchivio.
std::vector<TSchedaScadenza> LeggiScadenzeSenzaCreare(const std::filesystem::path& file);
// The same reading, each record handed as stored, for a command that converts only what
// it needs.
void ScorriScadenzeSenzaCreare(const std::filesystem::path& file,
                               const Archivio<TSchedaScadenza>::VisitatoreVista& visita);
