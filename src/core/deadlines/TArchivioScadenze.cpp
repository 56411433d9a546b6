#include "core/deadlines/TArchivioScadenze.h"

#include <cstdio>
#include <string>

#include "core/app/Testo.h"

std::filesystem::path TArchivioScadenze::Percorso(const std::filesystem::path& cartella,
                                                  std::string_view anno) {
    return cartella / (std::string(anno) + Estensione);
}

std::filesystem::path TArchivioScadenze::Percorso(const std::filesystem::path& cartella, int anno) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", anno);
    return Percorso(cartella, std::string_view(buf));
}

std::filesystem::path TArchivioScadenze::PercorsoDa(std::string_view lblFile) {
    return std::filesystem::path(testo::Rifila(lblFile));
}
