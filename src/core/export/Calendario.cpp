#include "core/export/Calendario.h"

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <unordered_set>
#include <utility>

#include "core/text/DataOra.h"
#include "core/archive/FileIntero.h"
#include "core/text/Testo.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/interchange/Interscambio.h"

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

// ---- Import ------------------------------------------------------------------------------

namespace {

struct LiberaIteratore {
    void operator()(icalrecur_iterator* i) const { icalrecur_iterator_free(i); }
};

// The zone a property's TZID names: the calendar's own VTIMEZONE, else libical's built-in
// zones; none for a floating time or UTC.
const icaltimezone* ZonaDi(icalproperty* p, icalcomponent* evento) {
    icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    if (!tzid) return nullptr;
    const char* id = icalparameter_get_tzid(tzid);
    if (!id) return nullptr;
    for (icalcomponent* c = evento; c; c = icalcomponent_get_parent(c))
        if (icaltimezone* z = icalcomponent_get_timezone(c, id)) return z;
    if (icaltimezone* z = icaltimezone_get_builtin_timezone(id)) return z;
    return icaltimezone_get_builtin_timezone_from_tzid(id);
}

icaltimetype ConZona(icaltimetype t, const icaltimezone* z) {
    if (!t.is_date && !icaltime_is_utc(t) && z) t.zone = z;
    return t;
}

// The moment of a time, for comparing and bounding; a floating time is read as local.
std::time_t Istante(const icaltimetype& t) {
    if (t.is_date || (!t.zone && !icaltime_is_utc(t))) {
        std::tm tm{};
        tm.tm_year = t.year - 1900;
        tm.tm_mon = t.month - 1;
        tm.tm_mday = t.day;
        tm.tm_hour = t.is_date ? 0 : t.hour;
        tm.tm_min = t.is_date ? 0 : t.minute;
        tm.tm_sec = t.is_date ? 0 : t.second;
        tm.tm_isdst = -1;
        return std::mktime(&tm);
    }
    return icaltime_as_timet_with_zone(t, t.zone ? t.zone : icaltimezone_get_utc_timezone());
}

// Date and time on this machine's clock; a whole-day or floating time stays as written.
struct Locale {
    Data data;
    std::optional<OraMinuti> ora;
};
Locale InLocale(const icaltimetype& t) {
    if (t.is_date) return {{t.day, t.month, t.year}, std::nullopt};
    if (!t.zone && !icaltime_is_utc(t)) return {{t.day, t.month, t.year}, OraMinuti{t.hour, t.minute}};
    const std::time_t tt = Istante(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    return {{tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900}, OraMinuti{tm.tm_hour, tm.tm_min}};
}

// Same occurrence: the same date, and the same time unless either is a whole day.
bool StessaOccorrenza(const icaltimetype& a, const icaltimetype& b) {
    if (a.is_date || b.is_date) {
        const Locale la = InLocale(a), lb = InLocale(b);
        return la.data == lb.data;
    }
    return Istante(a) == Istante(b);
}

// Days of warning: the earliest alarm at or before the start, whole days rounded up.
std::string Avviso(icalcomponent* evento, const icaltimetype& inizio) {
    std::optional<long long> anticipo;  // seconds before the start
    for (icalcomponent* a = icalcomponent_get_first_component(evento, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(evento, ICAL_VALARM_COMPONENT)) {
        icalproperty* p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!p) continue;
        const icaltriggertype t = icalproperty_get_trigger(p);
        long long prima;
        if (!icaltime_is_null_time(t.time)) {
            prima = static_cast<long long>(Istante(inizio)) - static_cast<long long>(Istante(t.time));
        } else {
            icalparameter* rel = icalproperty_get_first_parameter(p, ICAL_RELATED_PARAMETER);
            if (rel && icalparameter_get_related(rel) == ICAL_RELATED_END) continue;
            prima = -static_cast<long long>(icaldurationtype_as_int(t.duration));
        }
        if (prima < 0) continue;  // after the start: no warning ahead of it
        if (!anticipo || prima > *anticipo) anticipo = prima;
    }
    if (!anticipo) return "0";
    const long long giorni = std::min<long long>((*anticipo + 86399) / 86400, 999);
    return std::to_string(giorni);
}

TSchedaScadenza Record(const Locale& l, const std::string& motivo, const std::string& note,
                       const std::string& luogo, const std::string& avviso, bool daConfermare) {
    TSchedaScadenza s;
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", l.data.giorno);
    s.Giorno = buf;
    s.Mese = scadenza::NomeMese(l.data.mese);
    std::snprintf(buf, sizeof buf, "%04d", l.data.anno);
    s.Anno = buf;
    s.Data = TestoData(l.data);
    if (l.ora) {
        std::snprintf(buf, sizeof buf, "%02d", l.ora->ore);
        s.OreApp = buf;
        std::snprintf(buf, sizeof buf, "%02d", l.ora->minuti);
        s.MinutiApp = buf;
        s.Ora = scadenza::ComponiOra(s.OreApp, s.MinutiApp);
    }
    s.Avviso = avviso;
    s.Dettagli = motivo;
    s.Note = note;
    s.Complessivo = luogo;
    s.Costo = "0,00";
    s.DaConfermare = flag::Da(daConfermare);
    s.Effettuata = flag::Da(false);
    return s;
}

std::string TestoDi(const char* t) { return t ? testo::Rifila(t) : std::string(); }

// The starts of an event: DTSTART, the RRULE occurrences within the bounds, the RDATEs,
// less the EXDATEs and the occurrences that other events of the same UID replace.
std::vector<icaltimetype> Occorrenze(icalcomponent* evento, icaltimetype inizio,
                                     const std::vector<icaltimetype>& sostituite, std::time_t fino) {
    std::vector<icaltimetype> tutte;
    bool ripetuto = false;
    for (icalproperty* p = icalcomponent_get_first_property(evento, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(evento, ICAL_RRULE_PROPERTY)) {
        ripetuto = true;
        std::unique_ptr<icalrecur_iterator, LiberaIteratore> it(
            icalrecur_iterator_new(icalproperty_get_rrule(p), inizio));
        if (!it) continue;
        for (icaltimetype t = icalrecur_iterator_next(it.get()); !icaltime_is_null_time(t);
             t = icalrecur_iterator_next(it.get())) {
            t = ConZona(t, inizio.zone);
            if (Istante(t) > fino || tutte.size() >= kMassimoRipetizioni) break;
            tutte.push_back(t);
        }
    }
    if (!ripetuto) tutte.push_back(inizio);
    for (icalproperty* p = icalcomponent_get_first_property(evento, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(evento, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
        icaltimetype t = !icaltime_is_null_time(r.time) ? r.time : r.period.start;
        if (icaltime_is_null_time(t)) continue;
        t = ConZona(t, ZonaDi(p, evento));
        if (Istante(t) <= fino) tutte.push_back(t);
    }
    std::vector<icaltimetype> escluse = sostituite;
    for (icalproperty* p = icalcomponent_get_first_property(evento, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(evento, ICAL_EXDATE_PROPERTY))
        escluse.push_back(icalproperty_get_datetime_with_component(p, evento));
    std::vector<icaltimetype> restano;
    for (const icaltimetype& t : tutte) {
        bool fuori = false;
        for (const icaltimetype& e : escluse) fuori = fuori || StessaOccorrenza(t, e);
        bool doppia = false;
        for (const icaltimetype& r : restano) doppia = doppia || StessaOccorrenza(t, r);
        if (!fuori && !doppia) restano.push_back(t);
    }
    std::sort(restano.begin(), restano.end(),
              [](const icaltimetype& a, const icaltimetype& b) { return Istante(a) < Istante(b); });
    if (restano.size() > kMassimoRipetizioni) restano.resize(kMassimoRipetizioni);
    return restano;
}

// The key that tells an event already in a year file: date, time and reason as stored.
std::string Chiave(std::string_view data, std::string_view ora, std::string_view motivo) {
    std::string k(testo::RifilaVista(data));
    k += '\x1F';
    k += testo::RifilaVista(ora);
    k += '\x1F';
    k += testo::RifilaVista(motivo);
    return k;
}

std::size_t CapacitaDi(std::string TSchedaScadenza::*membro) {
    for (const auto& c : TSchedaScadenza::Campi)
        if (c.membro == membro) return c.capacita;
    return 0;
}

std::string ChiaveDi(const TSchedaScadenza& s) {
    using S = TSchedaScadenza;
    return Chiave(testo::PerArchivio(s.Data, CapacitaDi(&S::Data)),
                  testo::PerArchivio(s.Ora, CapacitaDi(&S::Ora)),
                  testo::PerArchivio(s.Dettagli, CapacitaDi(&S::Dettagli)));
}

}  // namespace

LetturaCalendario LeggiCalendario(const std::string& testo, std::time_t adesso) {
    LetturaCalendario r;
    Componente radice(icalparser_parse_string(testo.c_str()));
    if (!radice) {
        r.calendario = false;
        return r;
    }
    // One calendar, or several in one file (libical then gives them under one root).
    std::vector<icalcomponent*> calendari;
    if (icalcomponent_isa(radice.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendari.push_back(radice.get());
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(radice.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(radice.get(), ICAL_VCALENDAR_COMPONENT))
            calendari.push_back(c);
    }
    if (calendari.empty()) {
        r.calendario = false;
        return r;
    }
    std::tm oggi{};
    localtime_r(&adesso, &oggi);
    oggi.tm_year += kAnniRipetizioni;
    oggi.tm_isdst = -1;
    const std::time_t fino = std::mktime(&oggi);
    for (icalcomponent* cal : calendari) {
        // Occurrences that an event of their own (RECURRENCE-ID) replaces, by UID.
        std::map<std::string, std::vector<icaltimetype>> sostituite;
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
            icalproperty* rid = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY);
            if (rid && icalcomponent_get_uid(e))
                sostituite[icalcomponent_get_uid(e)].push_back(
                    icalproperty_get_datetime_with_component(rid, e));
        }
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
            icalproperty* pInizio = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
            const icaltimetype inizio =
                pInizio ? icalproperty_get_datetime_with_component(pInizio, e) : icaltime_null_time();
            if (!pInizio || icaltime_is_null_time(inizio) || !icaltime_is_valid_time(inizio)) {
                ++r.illeggibili;
                continue;
            }
            const std::string motivo = TestoDi(icalcomponent_get_summary(e));
            const std::string note = TestoDi(icalcomponent_get_description(e));
            const std::string luogo = TestoDi(icalcomponent_get_location(e));
            const std::string avviso = Avviso(e, inizio);
            const bool daConfermare = icalcomponent_get_status(e) == ICAL_STATUS_TENTATIVE;
            std::vector<icaltimetype> via;
            const bool sostituto = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY);
            if (!sostituto && icalcomponent_get_uid(e))
                if (auto it = sostituite.find(icalcomponent_get_uid(e)); it != sostituite.end())
                    via = it->second;
            for (const icaltimetype& t : sostituto ? std::vector<icaltimetype>{inizio}
                                                   : Occorrenze(e, inizio, via, fino)) {
                const Locale l = InLocale(t);
                if (!DataValida(l.data)) {
                    ++r.illeggibili;
                    continue;
                }
                r.schede.push_back(Record(l, motivo, note, luogo, avviso, daConfermare));
            }
        }
    }
    return r;
}

EsitoImportazione ImportaCalendario(const std::string& testo, const std::filesystem::path& cartella,
                                    std::time_t adesso) {
    LetturaCalendario letti = LeggiCalendario(testo, adesso);
    EsitoImportazione esito;
    esito.illeggibili = letti.illeggibili + (letti.calendario ? 0 : 1);
    std::map<std::string, std::vector<TSchedaScadenza>> perAnno;
    for (TSchedaScadenza& s : letti.schede) {
        bool contenibile = true;
        for (const auto& c : TSchedaScadenza::Campi)
            contenibile = contenibile && testo::StaInWindows1252(s.*(c.membro));
        if (!contenibile) {
            ++esito.rifiutate;
            continue;
        }
        perAnno[s.Anno].push_back(std::move(s));
    }
    for (auto& [anno, schede] : perAnno) {
        TArchivioScadenze archivio;
        archivio.Apri(TArchivioScadenze::Percorso(cartella, std::string_view(anno)));
        std::unordered_set<std::string> presenti;
        using S = TSchedaScadenza;
        archivio.ScorriTutte([&](std::int64_t, const VistaScheda<S>& v) {
            presenti.insert(Chiave(v.Byte(&S::Data), v.Byte(&S::Ora), v.Byte(&S::Dettagli)));
            return true;
        });
        std::vector<TSchedaScadenza> nuove;
        for (TSchedaScadenza& s : schede) {
            if (!presenti.insert(ChiaveDi(s)).second) {
                ++esito.presenti;
                continue;
            }
            nuove.push_back(std::move(s));
        }
        archivio.AccodaSchede(nuove);
        archivio.Chiudi();
        esito.aggiunte += nuove.size();
    }
    return esito;
}

std::string Riepilogo(const EsitoImportazione& e) {
    return interscambio::Riepilogo(
        {{"Scadenze aggiunte", e.aggiunte},
         {"Scadenze già presenti, non aggiunte", e.presenti},
         {"Eventi illeggibili", e.illeggibili},
         {"Eventi rifiutati perché contengono caratteri che l'archivio non può conservare?",
          e.rifiutate}});
}

}  // namespace calendario
