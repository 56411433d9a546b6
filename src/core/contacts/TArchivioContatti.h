#pragma once
// The contact archive: every contact in one file, "Contatti.rub", in the program folder.
#include <filesystem>

#include "core/archive/Archivio.h"
#include "core/contacts/TSchedaContatto.h"

class TArchivioContatti : public Archivio<TSchedaContatto> {
public:
    static constexpr const char* NomeFile = "Contatti.rub";
    static std::filesystem::path Percorso(const std::filesystem::path& cartella) {
        return cartella / NomeFile;
    }
    using Archivio<TSchedaContatto>::Apri;
};
