#include "core/deadlines/RegoleScadenza.h"

#include <algorithm>
#include <cstdio>

#include "core/text/DataOra.h"
#include "core/text/Testo.h"

namespace scadenza {
namespace {

std::vector<std::string> DueCifre(int primo, int ultimo) {
    std::vector<std::string> voci;
    for (int n = primo; n <= ultimo; ++n) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02d", n);
        voci.emplace_back(buf);
    }
    return voci;
}

}  // namespace

int NumeroMese(std::string_view nome) {
    const std::string cercato = testo::MinuscoleAZ(testo::Rifila(nome));
    for (std::size_t i = 0; i < NomiMesi.size(); ++i)
        if (cercato == testo::MinuscoleAZ(NomiMesi[i])) return static_cast<int>(i) + 1;
    return 0;
}

std::string NomeMese(int numero) {
    if (numero < 1 || numero > 12) return {};
    return std::string(NomiMesi[static_cast<std::size_t>(numero - 1)]);
}

const std::vector<std::string>& VociGiorno() {
    static const std::vector<std::string> voci = DueCifre(1, 31);
    return voci;
}

const std::vector<std::string>& VociOre() {
    static const std::vector<std::string> voci = DueCifre(0, 23);
    return voci;
}

const std::vector<std::string>& VociMinuti() {
    static const std::vector<std::string> voci = DueCifre(0, 59);
    return voci;
}

const std::vector<std::string>& VociMese() {
    static const std::vector<std::string> voci(NomiMesi.begin(), NomiMesi.end());
    return voci;
}

std::string VoceDiLista(std::string_view testo, const std::vector<std::string>& voci) {
    std::string t = testo::Rifila(testo);
    for (const auto& v : voci)
        if (v == t) return t;
    return {};
}

std::string ComponiOra(std::string_view ore, std::string_view minuti) {
    return testo::Rifila(ore) + ":" + testo::Rifila(minuti);
}

std::optional<std::string> ComponiData(std::string_view giorno, std::string_view mese,
                                       std::string_view anno) {
    const int numero = NumeroMese(mese);
    if (numero == 0) return std::nullopt;
    char mm[4];
    std::snprintf(mm, sizeof mm, "%02d", numero);
    return testo::Rifila(giorno) + "/" + mm + "/" + testo::Rifila(anno);
}

bool DataEsistente(std::string_view data) {
    // Ten characters with the slashes in place leave exactly two digits for the day and
    // the month and four for the year; the reading checks the digits and the calendar.
    return data.size() == 10 && data[2] == '/' && data[5] == '/' && DataDaTesto(data).has_value() &&
           testo::Rifila(data) == data;
}

std::string NormalizzaImporto(std::string_view testo) {
    const std::optional<double> valore = ImportoDaTesto(testo);
    if (!valore) return "0,00";
    std::string s = TestoImporto(ArrotondaImporto(*valore, 4));
    const std::size_t virgola = s.find(',');
    if (virgola == std::string::npos)
        s += ",00";
    else if (s.size() - virgola == 2)
        s += "0";
    return s;
}

std::string DataInesistente(std::string_view data) {
    return "Attenzione: la data " + std::string(data) +
           " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data "
           "valida.";
}

EsitoSalvataggio PreparaSalvataggio(TSchedaScadenza carta) {
    EsitoSalvataggio esito;
    if (testo::Rifila(carta.Costo).empty()) carta.Costo = "0,00";
    esito.Costo = carta.Costo;

    auto rifiuta = [&](Rifiuto rifiuto) {
        esito.rifiuto = std::move(rifiuto);
        esito.scheda = carta;
        return esito;
    };

    if (auto mancante = ObbligoMancante(carta, CampiObbligatori))
        return rifiuta(std::move(*mancante));

    carta.Ora = ComponiOra(carta.OreApp, carta.MinutiApp);
    esito.Ora = carta.Ora;

    const std::optional<std::string> data = ComponiData(carta.Giorno, carta.Mese, carta.Anno);
    if (!data) return rifiuta({"Mese", std::string(MeseNonValido), ModoRifiuto::Avviso});
    carta.Data = *data;
    esito.Data = carta.Data;

    if (!DataEsistente(carta.Data))
        return rifiuta({"Giorno", DataInesistente(carta.Data), ModoRifiuto::Messaggio});

    esito.scheda = std::move(carta);
    return esito;
}

std::array<RigaStampa, 24> RigheStampa(const TSchedaScadenza& carta, bool daConfermare,
                                       bool effettuata) {
    const auto& c = carta;
    const std::pair<std::string_view, std::string> righe[] = {
        {"Data scadenza:",
         testo::Rifila(c.Giorno) + " " + testo::Rifila(c.Mese) + " " + testo::Rifila(c.Anno)},
        {"Ora appuntamento:", ComponiOra(c.OreApp, c.MinutiApp)},
        {"Giorni preavviso:", c.Avviso},
        {"Tipologia:", c.Beneficiario},
        {"Causale scadenza:", c.Dettagli},
        {"Pagamento:", c.Officina},
        {"Importo in euro:", c.Costo},
        {"Esito:", c.Contatto},
        {"Cognome e nome:", c.Pagatore},
        {"Codice fiscale:", c.CodFisc},
        {"Zona:", c.NumTessera},
        {"Questioni in sospeso:", c.Carica},
        {"Tel. cellulare:", c.TelCel},
        {"Recapito preferenziale:", c.Recapito},
        {"Altre persone da incontrare:", c.Anticipi},
        {"Luogo appuntamento:", c.Complessivo},
        {"Durata prevista:", c.Rateazione},
        {"Note:", c.Note},
        {"Appuntamento da confermare:", flag::Da(daConfermare)},
        {"Pagamento effettuato:", flag::Da(effettuata)},
    };
    std::array<RigaStampa, 24> stampa;
    std::size_t i = 0;
    for (const auto& [titolo, valore] : righe)
        stampa[i++] = {std::string(titolo), testo::Rifila(valore)};
    for (; i < stampa.size(); ++i) stampa[i] = {" ", " "};
    return stampa;
}

TSchedaScadenza SchedaNuova() {
    TSchedaScadenza s;
    s.OreApp = "00";
    s.MinutiApp = "00";
    s.Costo = "0,00";
    s.DaConfermare = flag::Da(false);
    s.Effettuata = flag::Da(false);
    return s;
}

namespace {
// The checks of Salva for the card window: the card as completed, whatever the outcome.
std::optional<Rifiuto> Controlla(TSchedaScadenza& carta) {
    EsitoSalvataggio esito = PreparaSalvataggio(carta);
    carta = std::move(esito.scheda);
    return esito.rifiuto;
}
}  // namespace

const RegoleScheda<TSchedaScadenza>& Regole() {
    using S = TSchedaScadenza;
    static const RegoleScheda<S> regole{
        SchedaNuova(),
        {&S::Anno, &S::Data, &S::Ora},
        {},
        {&S::Giorno, &S::Mese, &S::OreApp, &S::MinutiApp},
        Controlla,
        SchedaSalvata,
    };
    return regole;
}

}  // namespace scadenza
