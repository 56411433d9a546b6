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

std::vector<TSchedaScadenza> LeggiScadenzeSenzaCreare(const std::filesystem::path& file) {
    std::vector<TSchedaScadenza> schede;
    std::error_code ec;
    const auto stato = std::filesystem::symlink_status(file, ec);
    if (stato.type() == std::filesystem::file_type::not_found) return schede;
    TArchivioScadenze archivio;
    archivio.ApriSu(ApriFileArchivioInLettura(file));
    schede.reserve(static_cast<std::size_t>(archivio.NumeroSchede()));
    archivio.LeggiTutte([&](std::int64_t, const TSchedaScadenza& s) {
        schede.push_back(s);
        return true;
    });
    archivio.Chiudi();
    return schede;
}
