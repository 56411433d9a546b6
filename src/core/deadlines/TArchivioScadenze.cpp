#include "core/deadlines/TArchivioScadenze.h"

#include <cstdio>
#include <string>

#include "core/text/Testo.h"

bool TArchivioScadenze::AnnoValido(std::string_view anno) {
    return anno.size() == 4 && testo::SoloCifre(anno);
}

std::filesystem::path TArchivioScadenze::Percorso(const std::filesystem::path& cartella,
                                                  std::string_view anno) {
    if (!AnnoValido(anno))
        throw ErroreAccessoArchivio("not a year of four digits: " + std::string(anno));
    return cartella / (std::string(anno) + Estensione);
}

std::filesystem::path TArchivioScadenze::Percorso(const std::filesystem::path& cartella, int anno) {
    if (anno < 0 || anno > 9999)
        throw ErroreAccessoArchivio("not a year of four digits: " + std::to_string(anno));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", anno);
    return Percorso(cartella, std::string_view(buf));
}

void ScorriScadenzeSenzaCreare(const std::filesystem::path& file,
                               const Archivio<TSchedaScadenza>::VisitatoreVista& visita) {
    auto letto = giornale::ApriSenzaScrivere(StratoStandard(), file);
    if (!letto) return;
    TArchivioScadenze archivio;
    archivio.ApriSu(std::move(letto));
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
