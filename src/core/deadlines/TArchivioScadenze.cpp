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

void ScorriScadenzeSenzaCreare(const std::filesystem::path& file,
                               const Archivio<TSchedaScadenza>::VisitatoreVista& visita) {
    std::error_code ec;
    const auto stato = std::filesystem::symlink_status(file, ec);
    if (stato.type() == std::filesystem::file_type::not_found) return;
    TArchivioScadenze archivio;
    archivio.ApriSu(ApriFileArchivioInLettura(file));
    archivio.ScorriTutte(visita);
    archivio.Chiudi();
}

std::vector<TSchedaScadenza> LeggiScadenzeSenzaCreare(const std::filesystem::path& file) {
    std::vector<TSchedaScadenza> schede;
    ScorriScadenzeSenzaCreare(file, [&](std::int64_t, const VistaScheda<TSchedaScadenza>& s) {
        schede.push_back(s.Tutta());
        return true;
    });
    return schede;
}
