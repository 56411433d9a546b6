#include "core/viewer/RegoleVisualizzatore.h"

#include <charconv>

#include "core/app/Testo.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace visualizzatore {

std::optional<int> GiorniAvviso(std::string_view avviso) {
    std::string t = testo::Rifila(avviso);
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    int n = 0;
    const char* fine = t.data() + t.size();
    const auto [dove, errore] = std::from_chars(t.data(), fine, n);
    if (t.empty() || errore != std::errc() || dove != fine) return std::nullopt;
    return n;
}

bool ScadenzaImminente(const TSchedaScadenza& r, const Data& oggi) {
    const std::optional<Data> data = DataDaTesto(r.Data);
    const std::optional<int> avviso = GiorniAvviso(r.Avviso);
    if (!data || !avviso) return false;
    const long giorno = NumeroGiorno(*data);
    const long adesso = NumeroGiorno(oggi);
    return giorno - *avviso <= adesso && adesso <= giorno &&
           testo::Rifila(r.Effettuata) == flag::No;
}

std::string ChiaveCronologica(const TSchedaScadenza& r) {
    return testo::Rifila(testo::Caratteri(r.Data, 3, 2)) + testo::Rifila(r.Giorno) +
           testo::Rifila(r.OreApp) + testo::Rifila(r.MinutiApp);
}

bool DelGiorno(const TSchedaScadenza& r, const Data& giorno) {
    return testo::Rifila(r.Data) == TestoData(giorno);
}

bool DelMese(const TSchedaScadenza& r, const Data& giorno) {
    // The year as the date text has it: four digits.
    return scadenza::NumeroMese(r.Mese) == giorno.mese &&
           testo::Rifila(r.Anno) == TestoData(giorno).substr(6);
}

std::int64_t ContaImminenti(const std::filesystem::path& file, const Data& oggi) {
    TArchivioScadenze archivio;
    archivio.Apri(file);
    std::int64_t imminenti = 0;
    // Only the fields the rule reads are converted, into one record used again and again.
    TSchedaScadenza r;
    archivio.LeggiTutteGrezze([&](std::int64_t, const unsigned char* byte) {
        DecodificaCampi<TSchedaScadenza>(byte, r, CampiImminenza);
        if (ScadenzaImminente(r, oggi)) ++imminenti;
        return true;
    });
    archivio.Chiudi();
    return imminenti;
}

}  // namespace visualizzatore
