#include "core/viewer/RegoleVisualizzatore.h"

#include <charconv>

#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/text/Testo.h"

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

namespace {

// Date, warning days and the fulfilled flag, each trimmed: their characters are plain
// ASCII wherever they mean anything, so stored bytes and shown text read alike.
bool Imminente(std::string_view data, std::string_view avviso, std::string_view effettuata,
               const Data& oggi) {
    // The flag first: it is the cheapest to read, and a fulfilled deadline needs no more.
    if (testo::RifilaVista(effettuata) != flag::No) return false;
    const std::optional<Data> giorno = DataDaTesto(data);
    const std::optional<int> giorni = GiorniAvviso(avviso);
    if (!giorno || !giorni) return false;
    const long scade = NumeroGiorno(*giorno);
    const long adesso = NumeroGiorno(oggi);
    return scade - *giorni <= adesso && adesso <= scade;
}

}  // namespace

bool ScadenzaImminente(const TSchedaScadenza& r, const Data& oggi) {
    return Imminente(r.Data, r.Avviso, r.Effettuata, oggi);
}

bool ScadenzaImminente(const VistaScheda<TSchedaScadenza>& r, const Data& oggi) {
    using S = TSchedaScadenza;
    return Imminente(r.Byte(&S::Data), r.Byte(&S::Avviso), r.Byte(&S::Effettuata), oggi);
}

std::string ChiaveCronologica(const TSchedaScadenza& r) {
    return testo::Rifila(testo::Caratteri(r.Data, 3, 2)) + testo::Rifila(r.Giorno) +
           testo::Rifila(r.OreApp) + testo::Rifila(r.MinutiApp);
}

namespace {

// Date, month name and year are plain ASCII wherever they mean anything, so stored bytes
// and shown text read alike.
bool Giorno(std::string_view data, const Data& giorno) {
    return testo::RifilaVista(data) == TestoData(giorno);
}

bool Mese(std::string_view mese, std::string_view anno, const Data& giorno) {
    // The year as the date text has it: four digits.
    return scadenza::NumeroMese(mese) == giorno.mese &&
           testo::RifilaVista(anno) == TestoData(giorno).substr(6);
}

}  // namespace

bool DelGiorno(const TSchedaScadenza& r, const Data& giorno) { return Giorno(r.Data, giorno); }

bool DelGiorno(const VistaScheda<TSchedaScadenza>& r, const Data& giorno) {
    return Giorno(r.Byte(&TSchedaScadenza::Data), giorno);
}

bool DelMese(const TSchedaScadenza& r, const Data& giorno) { return Mese(r.Mese, r.Anno, giorno); }

bool DelMese(const VistaScheda<TSchedaScadenza>& r, const Data& giorno) {
    return Mese(r.Byte(&TSchedaScadenza::Mese), r.Byte(&TSchedaScadenza::Anno), giorno);
}

std::int64_t ContaImminenti(const std::filesystem::path& file, const Data& oggi) {
    TArchivioScadenze archivio;
    archivio.Apri(file, Accesso::SolaLettura);
    std::int64_t imminenti = 0;
    archivio.ScorriTutte([&](std::int64_t, const VistaScheda<TSchedaScadenza>& r) {
        if (ScadenzaImminente(r, oggi)) ++imminenti;
        return true;
    });
    archivio.Chiudi();
    return imminenti;
}

std::int64_t ContaImminentiDaOggi(const std::filesystem::path& cartella, const Data& oggi) {
    std::int64_t imminenti = ContaImminenti(TArchivioScadenze::Percorso(cartella, oggi.anno), oggi);
    if (oggi.anno < 9999)
        ScorriScadenzeSenzaCreare(TArchivioScadenze::Percorso(cartella, oggi.anno + 1),
                                  [&](std::int64_t, const VistaScheda<TSchedaScadenza>& r) {
                                      if (ScadenzaImminente(r, oggi)) ++imminenti;
                                      return true;
                                  });
    return imminenti;
}

}  // namespace visualizzatore
