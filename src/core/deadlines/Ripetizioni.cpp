#include "core/deadlines/Ripetizioni.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "core/archive/FileArchivio.h"
#include "core/deadlines/Festivita.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/text/Testo.h"

namespace ripetizione {
namespace {

// The k-th day of the series from `inizio`.
Data Passo(const Data& inizio, int mesi, int k) {
    if (mesi == kSettimana) return DataDaNumero(NumeroGiorno(inizio) + 7L * k);
    const long indice = static_cast<long>(inizio.mese - 1) + static_cast<long>(mesi) * k;
    Data d;
    d.anno = inizio.anno + static_cast<int>(indice / 12);
    d.mese = static_cast<int>(indice % 12) + 1;
    d.giorno = std::min(inizio.giorno, GiorniNelMese(d.mese, d.anno));
    return d;
}

// The same day fifty years on (28 February for a 29th that year lacks).
Data Limite(const Data& inizio) {
    Data d{inizio.giorno, inizio.mese, inizio.anno + kMassimoAnni};
    d.giorno = std::min(d.giorno, GiorniNelMese(d.mese, d.anno));
    return d;
}

std::string DueCifre(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string Schede(int n) { return std::to_string(n) + (n == 1 ? " scheda" : " schede"); }

// "2 nell'archivio 2025, 12 nell'archivio 2026".
std::string PerAnno(const std::vector<NellAnno>& scritte) {
    std::string s;
    for (const auto& a : scritte) {
        if (!s.empty()) s += ", ";
        s += std::to_string(a.schede) + " nell'archivio " + std::to_string(a.anno);
    }
    return s;
}

}  // namespace

int VolteDaTesto(std::string_view testo) {
    std::string_view t = testo::RifilaVista(testo);
    if (t.empty()) return 0;
    const bool meno = t.front() == '-';
    if (meno || t.front() == '+') t.remove_prefix(1);
    if (t.empty() || !testo::SoloCifre(t)) return -1;
    // Past a few digits no series is possible: the exact size does not matter.
    if (t.size() > 6) return meno ? -1 : kMassimoRipetizioni + 1;
    const int n = std::stoi(std::string(t));
    return meno ? -n : n;
}

Piano Pianifica(const Data& inizio, const Richiesta& r) {
    Piano piano;
    auto rifiuta = [&](std::string perche) {
        piano.date.clear();
        piano.rifiuto = std::move(perche);
        return piano;
    };
    if (std::none_of(std::begin(kPassi), std::end(kPassi),
                     [&](const VocePasso& v) { return v.mesi == r.mesi; }))
        return rifiuta("Attenzione: scegliere ogni quanto ripetere la scadenza.");
    if (r.volte.has_value() == r.fino.has_value())
        return rifiuta(
            "Attenzione: indicare quante volte ripetere la scadenza oppure fino a quale data.");
    if (!DataValida(inizio)) return rifiuta("Attenzione: la scheda non ha una data valida.");
    if (r.volte && *r.volte < 1)
        return rifiuta("Attenzione: il numero delle ripetizioni deve essere almeno 1.");
    if (r.volte && *r.volte > kMassimoRipetizioni)
        return rifiuta("Attenzione: una scadenza può essere ripetuta al massimo " +
                       std::to_string(kMassimoRipetizioni) + " volte.");
    if (r.fino && !DataValida(*r.fino)) return rifiuta("Attenzione: la data finale non esiste.");
    if (r.fino && *r.fino <= inizio)
        return rifiuta("Attenzione: la data finale deve essere successiva alla data della scheda.");

    const std::string oltre = "Attenzione: le ripetizioni non possono andare oltre " +
                              std::to_string(kMassimoAnni) + " anni dalla data della scheda.";
    const std::string fineCalendario =
        "Attenzione: le ripetizioni non possono andare oltre l'anno 9999.";
    const Data limite = Limite(inizio);
    if (r.fino && *r.fino > limite) return rifiuta(oltre);

    for (int k = 1;; ++k) {
        if (r.volte && k > *r.volte) break;
        const Data d = Passo(inizio, r.mesi, k);
        if (r.fino && d > *r.fino) break;
        if (d > limite) return rifiuta(oltre);
        if (!DataValida(d)) return rifiuta(fineCalendario);
        if (static_cast<int>(piano.date.size()) == kMassimoRipetizioni)
            return rifiuta("Attenzione: una scadenza può essere ripetuta al massimo " +
                           std::to_string(kMassimoRipetizioni) + " volte.");
        std::optional<Data> giorno = d;
        if (r.lavorativo) giorno = festivita::ProssimoLavorativo(d);
        if (!giorno) return rifiuta(fineCalendario);
        piano.date.push_back(*giorno);
    }
    if (piano.date.empty())
        return rifiuta("Attenzione: nessuna ripetizione cade entro la data finale.");
    return piano;
}

TSchedaScadenza Occorrenza(const TSchedaScadenza& origine, const Data& giorno) {
    TSchedaScadenza s = origine;
    s.Giorno = DueCifre(giorno.giorno);
    s.Mese = scadenza::NomeMese(giorno.mese);
    s.Anno = TestoData(giorno).substr(6);
    // The card's own composition, from the three fields it has just set.
    s.Data = scadenza::ComponiData(s.Giorno, s.Mese, s.Anno).value_or(TestoData(giorno));
    s.Effettuata = flag::Da(false);
    return s;
}

int Esito::Totale() const {
    int n = 0;
    for (const auto& a : scritte) n += a.schede;
    return n;
}

std::string Esito::Messaggio() const {
    if (fallito) {
        std::string m = "Attenzione: il sistema non permette di accedere all'archivio " +
                        fallito->filename().string() + ".\n\r\n\r";
        if (scritte.empty())
            m += "Nessuna ripetizione è stata inserita in archivio.";
        else
            m += "Sono già state inserite " + Schede(Totale()) + ": " + PerAnno(scritte) +
                 ". Le altre ripetizioni non sono state inserite.";
        return m;
    }
    const int n = Totale();
    return std::string(n == 1 ? "È stata inserita in archivio "
                              : "Sono state inserite in archivio ") +
           Schede(n) + ": " + PerAnno(scritte) + ".";
}

Esito Scrivi(const std::filesystem::path& cartella, const TSchedaScadenza& origine,
             const std::vector<Data>& date) {
    Esito esito;
    std::size_t i = 0;
    while (i < date.size()) {
        const int anno = date[i].anno;
        std::filesystem::path file;
        try {
            file = TArchivioScadenze::Percorso(cartella, anno);
            std::vector<TSchedaScadenza> schede;
            for (std::size_t j = i; j < date.size() && date[j].anno == anno; ++j)
                schede.push_back(Occorrenza(origine, date[j]));
            TArchivioScadenze archivio;
            archivio.Apri(file);
            archivio.AccodaSchede(schede);
            i += schede.size();
            esito.scritte.push_back({anno, static_cast<int>(schede.size())});
            archivio.Chiudi();
        } catch (const std::exception&) {
            esito.fallito = file.empty() ? cartella / std::to_string(anno) : file;
            return esito;
        }
    }
    return esito;
}

}  // namespace ripetizione
