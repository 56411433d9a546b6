#include "core/viewer/RegoleVisualizzatore.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "core/app/Elenco.h"
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

std::vector<std::size_t> OrdinePerChiave(
    std::size_t numero, const std::function<std::string_view(std::size_t)>& chiave) {
    std::vector<std::size_t> ordine(numero);
    std::iota(ordine.begin(), ordine.end(), std::size_t{0});
    std::stable_sort(ordine.begin(), ordine.end(), [&](std::size_t a, std::size_t b) {
        return elenco::PrimaDi(chiave(a), chiave(b));
    });
    return ordine;
}

void OrdinaRighe(std::vector<Riga>& righe, std::size_t colonnaChiave) {
    const auto ordine = OrdinePerChiave(righe.size(), [&](std::size_t i) -> std::string_view {
        const Riga& r = righe[i];
        return colonnaChiave < r.size() ? std::string_view(r[colonnaChiave]) : std::string_view();
    });
    std::vector<Riga> ordinate;
    ordinate.reserve(righe.size());
    for (std::size_t i : ordine) ordinate.push_back(std::move(righe[i]));
    righe = std::move(ordinate);
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
    archivio.Apri(file, Accesso::SolaLettura);
    std::int64_t imminenti = 0;
    archivio.LeggiTutte([&](std::int64_t, const TSchedaScadenza& r) {
        if (ScadenzaImminente(r, oggi)) ++imminenti;
        return true;
    });
    archivio.Chiudi();
    return imminenti;
}

}  // namespace visualizzatore
