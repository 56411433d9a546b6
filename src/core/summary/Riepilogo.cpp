#include "core/summary/Riepilogo.h"

#include "core/lists/Elenco.h"
#include "core/text/Messaggi.h"
#include "core/text/Testo.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace riepilogo {
namespace {

constexpr std::string_view kDataValida =
    "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.";

// The four list fields, checked for being filled in this order.
struct CampoElenco {
    std::string ModuloRichiesta::*membro;
    Campo campo;
    std::string_view messaggio;
};
constexpr std::array<CampoElenco, 4> kCampiElenco = {{
    {&ModuloRichiesta::GiornoInizio, Campo::GiornoInizio,
     "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
     "cascata."},
    {&ModuloRichiesta::MeseInizio, Campo::MeseInizio,
     "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."},
    {&ModuloRichiesta::GiornoFine, Campo::GiornoFine,
     "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."},
    {&ModuloRichiesta::MeseFine, Campo::MeseFine,
     "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."},
}};

}  // namespace

EsitoRichiesta ControllaRichiesta(const ModuloRichiesta& modulo,
                                  const std::filesystem::path& cartella) {
    EsitoRichiesta esito;
    auto rifiuta = [&](std::optional<Campo> campo, std::string testo, ModoRifiuto modo) {
        esito.rifiuto = RifiutoRichiesta{campo, std::move(testo), modo};
        return esito;
    };

    // Only the length counts, as typed: a wrong year then shows as a date that does not exist.
    if (testo::Lunghezza(modulo.Anno) != 4)
        return rifiuta(Campo::Anno, messaggi::AnnoQuattroCifre, ModoRifiuto::Avviso);
    for (const auto& c : kCampiElenco)
        if (testo::Rifila(modulo.*(c.membro)).empty())
            return rifiuta(c.campo, std::string(c.messaggio), ModoRifiuto::Avviso);

    const std::string anno = testo::Rifila(modulo.Anno);
    esito.dataInizio =
        scadenza::ComponiData(modulo.GiornoInizio, modulo.MeseInizio, anno).value_or(std::string());
    const std::optional<Data> inizio = DataDaTesto(esito.dataInizio);
    if (!inizio)
        return rifiuta(Campo::GiornoInizio,
                       "Attenzione: la data " + esito.dataInizio +
                           " di inizio intervallo non esiste." + std::string(kDataValida),
                       ModoRifiuto::Messaggio);

    esito.dataFine =
        scadenza::ComponiData(modulo.GiornoFine, modulo.MeseFine, anno).value_or(std::string());
    const std::optional<Data> fine = DataDaTesto(esito.dataFine);
    if (!fine)
        return rifiuta(Campo::GiornoFine,
                       "Attenzione: la data " + esito.dataFine + " di fine intervallo non esiste." +
                           std::string(kDataValida),
                       ModoRifiuto::Messaggio);

    if (*fine < *inizio)
        return rifiuta(std::nullopt,
                       "Attenzione: la data di fine intervallo (" + esito.dataFine +
                           ") non può essere anteriore a quella di inizio intervallo (" +
                           esito.dataInizio +
                           ").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare "
                           "un intervallo di tempo valido.",
                       ModoRifiuto::Messaggio);

    esito.richiesta = RichiestaRiepilogo{TArchivioScadenze::Percorso(cartella, anno),
                                         modulo.Cliente, modulo.Targa, *inizio, *fine};
    return esito;
}

bool GiornoAmmesso(std::string_view testo) {
    return !scadenza::VoceDiLista(testo, scadenza::VociGiorno()).empty();
}

bool MeseAmmesso(std::string_view testo) { return scadenza::NumeroMese(testo) != 0; }

std::string TestoIntervallo(const RichiestaRiepilogo& r) {
    return "Dal   " + TestoData(r.inizio) + "   al   " + TestoData(r.fine);
}

std::string TitoloContatto(std::string_view cliente) {
    const std::string t = testo::Rifila(cliente);
    return t.empty() ? "- - -" : t;
}

std::string TitoloStampa(std::string_view contatto) {
    return "Riepilogo scadenze   -   Contatto:  " + testo::Rifila(contatto);
}

std::array<std::string, 3> RigheFinali(std::string_view intervallo, std::string_view totale) {
    return {"- - - - - - - - - - - - - - - -",
            "INTERVALLO SELEZIONATO:    " + testo::Rifila(intervallo),
            "TOTALE IMPORTI:            \xE2\x82\xAC " + testo::Rifila(totale)};
}

Riepilogo::Riepilogo(const RichiestaRiepilogo& richiesta)
    : cliente_(richiesta.cliente),
      causale_(richiesta.causale),
      clientePieno_(!testo::Rifila(richiesta.cliente).empty()),
      causalePiena_(!testo::Rifila(richiesta.causale).empty()),
      pieni_((clientePieno_ ? 1 : 0) + (causalePiena_ ? 1 : 0)),
      inizio_(richiesta.inizio),
      fine_(richiesta.fine) {}

bool Riepilogo::Prendi(const VistaScheda<TSchedaScadenza>& s) {
    using S = TSchedaScadenza;
    // A filter left blank takes no part: it can neither hold a record back nor stand in
    // for a filled one that does not match.
    if (clientePieno_ && !cliente_.In(s.Byte(&S::Pagatore))) return false;
    if (causalePiena_ && !causale_.In(s.Byte(&S::Dettagli))) return false;

    // Dates and amounts are plain ASCII wherever they mean anything: read as stored.
    const std::optional<Data> data = DataDaTesto(s.Byte(&S::Data));
    if (!data) {
        ++escluse_[static_cast<std::size_t>(Esclusione::Data)];
        return false;
    }
    if (*data < inizio_ || fine_ < *data) return false;
    if (!somma_.Aggiungi(s.Byte(&S::Costo))) {
        ++escluse_[static_cast<std::size_t>(Esclusione::Importo)];
        return false;
    }
    return true;
}

std::optional<std::string> Riepilogo::AvvisoEscluse() const {
    const std::size_t date = Escluse(Esclusione::Data), importi = Escluse(Esclusione::Importo);
    const std::size_t tutte = date + importi;
    if (tutte == 0) return std::nullopt;
    const bool una = tutte == 1;
    std::string t = "Attenzione: " + std::to_string(tutte) +
                    (una ? " scheda dell'archivio non è stata inclusa"
                         : " schede dell'archivio non sono state incluse") +
                    " né nel riepilogo né nel totale degli importi:\n\r";
    if (date > 0)
        t += "\n\r- " + std::to_string(date) + " con una data di scadenza non valida" +
             (importi > 0 ? ";" : ".");
    if (importi > 0) t += "\n\r- " + std::to_string(importi) + " con un importo non valido.";
    t += una ? "\n\r\n\rPer includerla, correggere la scheda nell'applicazione Inserimento "
               "scadenze."
             : "\n\r\n\rPer includerle, correggere le schede nell'applicazione Inserimento "
               "scadenze.";
    return t;
}

}  // namespace riepilogo
