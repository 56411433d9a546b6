#pragma once
// The deadline archives: one file "<year>.rcd" per calendar year in the program folder,
// opened by its full path.
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/archive/Archivio.h"
#include "core/deadlines/TSchedaScadenza.h"

class TArchivioScadenze : public Archivio<TSchedaScadenza> {
public:
    static constexpr const char* Estensione = ".rcd";
    // True for exactly four digits 0 to 9: the only text a year file is named from.
    static bool AnnoValido(std::string_view anno);
    // Folder + the year + ".rcd". Anything but four digits could name another file ("../x")
    // and is refused with an ErroreAccessoArchivio.
    static std::filesystem::path Percorso(const std::filesystem::path& cartella,
                                          std::string_view anno);
    // Folder + the year in four digits + ".rcd"; years outside 0 to 9999 are refused.
    static std::filesystem::path Percorso(const std::filesystem::path& cartella, int anno);
    using Archivio<TSchedaScadenza>::Apri;
};

// Every record of a year file, in file order, read without writing anything: a missing file
// reads as an empty archive and is not created, and an overwrite a crash interrupted reads
// as it was before (its journal is left for the next save). Any other failure (a folder at
// the path, an unreadable file) is an ErroreAccessoArchivio.
std::vector<TSchedaScadenza> LeggiScadenzeSenzaCreare(const std::filesystem::path& file);
// The same reading, each record handed as stored, for a command that converts only what
// it needs.
void ScorriScadenzeSenzaCreare(const std::filesystem::path& file,
                               const Archivio<TSchedaScadenza>::VisitatoreVista& visita);
