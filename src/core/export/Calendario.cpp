#include "core/export/Calendario.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "core/text/DataOra.h"
#include "core/archive/FileIntero.h"
#include "core/text/Testo.h"

namespace calendario {
namespace {

struct LiberaComponente {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Componente = std::unique_ptr<icalcomponent, LiberaComponente>;

void Aggiungi(icalcomponent* c, icalproperty* p) { icalcomponent_add_property(c, p); }

// Adds a text property only when there is something to say.
void AggiungiTesto(icalcomponent* c, icalproperty* (*crea)(const char*), const std::string& t) {
    if (!t.empty()) Aggiungi(c, crea(t.c_str()));
}

std::string Descrizione(const TSchedaScadenza& s) {
    const std::pair<const char*, const std::string*> righe[] = {
        {"Tipologia: ", &s.Beneficiario},
        {"Contatto: ", &s.Pagatore},
        {"Importo in euro: ", &s.Costo},
        {"Note: ", &s.Note},
    };
    std::string d;
    for (const auto& [didascalia, valore] : righe) {
        const std::string v = testo::Rifila(*valore);
        if (v.empty()) continue;
        // "0,00" is how the card stores "no amount".
        if (valore == &s.Costo && ImportoDaTesto(v) == 0.0) continue;
        if (!d.empty()) d += '\n';
        d += didascalia + v;
    }
    return d;
}

icaltimetype Inizio(const Data& data, const std::optional<OraMinuti>& ora) {
    icaltimetype t = icaltime_null_time();
    t.year = data.anno;
    t.month = data.mese;
    t.day = data.giorno;
    if (ora) {
        t.hour = ora->ore;
        t.minute = ora->minuti;
    } else {
        t.is_date = 1;
    }
    return t;  // no zone: the local time of whoever reads the calendar, as on the card
}

// The alarm `giorni` days before the start; at the start itself for 0.
icalcomponent* Allarme(int giorni, const std::string& motivo) {
    icalcomponent* allarme = icalcomponent_new(ICAL_VALARM_COMPONENT);
    Aggiungi(allarme, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype scatto;
    scatto.time = icaltime_null_time();
    scatto.duration = icaldurationtype_null_duration();
    scatto.duration.days = static_cast<unsigned int>(giorni);
    scatto.duration.is_neg = giorni > 0;
    Aggiungi(allarme, icalproperty_new_trigger(scatto));
    Aggiungi(allarme, icalproperty_new_description(motivo.c_str()));
    return allarme;
}

std::optional<int> GiorniAvviso(const std::string& avviso) {
    const std::string a = testo::Rifila(avviso);
    if (!testo::SoloCifre(a) || a.size() > 4) return std::nullopt;
    return std::atoi(a.c_str());
}

icalcomponent* Evento(const TSchedaScadenza& s, const Data& data, int anno,
                      std::int64_t posizione, const icaltimetype& timbro) {
    icalcomponent* evento = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    Aggiungi(evento, icalproperty_new_uid(IdEvento(anno, posizione).c_str()));
    Aggiungi(evento, icalproperty_new_dtstamp(timbro));
    Aggiungi(evento, icalproperty_new_dtstart(Inizio(data, OraDaTesto(s.Ora))));
    const std::string motivo = testo::Rifila(s.Dettagli);
    Aggiungi(evento, icalproperty_new_summary(motivo.c_str()));
    AggiungiTesto(evento, icalproperty_new_location, testo::Rifila(s.Complessivo));
    AggiungiTesto(evento, icalproperty_new_description, Descrizione(s));
    const bool daConfermare = flag::Leggi(s.DaConfermare) == 1;
    Aggiungi(evento,
             icalproperty_new_status(daConfermare ? ICAL_STATUS_TENTATIVE : ICAL_STATUS_CONFIRMED));
    if (const auto giorni = GiorniAvviso(s.Avviso))
        icalcomponent_add_component(evento, Allarme(*giorni, motivo));
    return evento;
}

}  // namespace

std::string NomeFile(int anno) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "Scadenze_%04d.ics", anno);
    return buf;
}

std::string SchedeSaltate(std::size_t quante) {
    return std::to_string(quante) +
           (quante == 1 ? " scheda con una data non valida non è stata esportata."
                        : " schede con una data non valida non sono state esportate.");
}

std::string IdEvento(int anno, std::int64_t posizione) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "scadenza-%04d-%lld@ricordario", anno,
                  static_cast<long long>(posizione));
    return buf;
}

std::string TestoCalendario(const std::vector<TSchedaScadenza>& schede, int anno,
                            std::time_t adesso, EsitoCalendario& esito) {
    esito = {};
    Componente calendario(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    Aggiungi(calendario.get(), icalproperty_new_version("2.0"));
    Aggiungi(calendario.get(), icalproperty_new_prodid("-//Ricordario//Ricordario Diz 3.0//IT"));
    Aggiungi(calendario.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype timbro =
        icaltime_from_timet_with_zone(adesso, 0, icaltimezone_get_utc_timezone());
    // Each event is written out on its own, where the calendar would write it (after the
    // calendar's properties): the text of one tree of a whole year is built by appends
    // that take ever longer as it grows.
    const auto Testo = [](icalcomponent* c) {
        char* t = icalcomponent_as_ical_string_r(c);
        std::string r = t ? t : "";
        icalmemory_free_buffer(t);
        return r;
    };
    const std::string vuoto = Testo(calendario.get());
    const std::size_t chiusura = vuoto.rfind("END:VCALENDAR");
    std::string risultato = vuoto.substr(0, chiusura);
    std::int64_t posizione = 0;
    for (const TSchedaScadenza& s : schede) {
        ++posizione;
        const auto data = DataDaTesto(s.Data);
        if (!data) {
            ++esito.saltate;
            continue;
        }
        risultato += Testo(Componente(Evento(s, *data, anno, posizione, timbro)).get());
        ++esito.eventi;
    }
    risultato.append(vuoto, chiusura);
    return risultato;
}

EsitoCalendario ScriviCalendario(const std::vector<TSchedaScadenza>& schede, int anno,
                                 const std::filesystem::path& cartella, std::time_t adesso) {
    EsitoCalendario esito;
    const std::string testo = TestoCalendario(schede, anno, adesso, esito);
    SostituisciFile(cartella / NomeFile(anno), testo);
    return esito;
}

}  // namespace calendario
