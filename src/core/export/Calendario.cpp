#include "core/export/Calendario.h"

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_set>
#include <utility>

#include "core/text/DataOra.h"
#include "core/archive/FileIntero.h"
#include "core/text/Testo.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/interchange/Interscambio.h"
#include "core/interchange/RigheContenuto.h"

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
struct LiberaZona {
    void operator()(icaltimezone* z) const { icaltimezone_free(z, 1); }
};

using interscambio::RigaContenuto;
using interscambio::Uguale;

// ---- Times ------------------------------------------------------------------------------

// A DATE or DATE-TIME value: "20240105", "20240105T093000", "20240105T093000Z"; the null
// time for anything else. `zona` is the zone its TZID names (none: floating or UTC).
icaltimetype Tempo(std::string_view v, const icaltimezone* zona) {
    const auto Numero = [&](std::size_t da, std::size_t n, int& out) {
        out = 0;
        for (std::size_t i = da; i < da + n; ++i) {
            if (v[i] < '0' || v[i] > '9') return false;
            out = out * 10 + (v[i] - '0');
        }
        return true;
    };
    icaltimetype t = icaltime_null_time();
    if (v.size() != 8 && v.size() != 15 && v.size() != 16) return t;
    int anno, mese, giorno;
    if (!Numero(0, 4, anno) || !Numero(4, 2, mese) || !Numero(6, 2, giorno)) return t;
    if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31) return t;
    icaltimetype r = icaltime_null_time();
    r.year = anno;
    r.month = mese;
    r.day = giorno;
    if (v.size() == 8) {
        r.is_date = 1;
        return r;
    }
    int ore, minuti, secondi;
    if (v[8] != 'T' || !Numero(9, 2, ore) || !Numero(11, 2, minuti) || !Numero(13, 2, secondi))
        return t;
    if (ore > 23 || minuti > 59 || secondi > 60) return t;
    if (v.size() == 16 && v[15] != 'Z' && v[15] != 'z') return t;
    r.hour = ore;
    r.minute = minuti;
    r.second = secondi;
    if (v.size() == 16) r.zone = icaltimezone_get_utc_timezone();
    else r.zone = zona;
    return r;
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
    if (a.is_date || b.is_date) return InLocale(a).data == InLocale(b).data;
    if (a.zone == b.zone)  // the same clock: compare as written
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second;
    return Istante(a) == Istante(b);
}

// ---- Events as they are read -------------------------------------------------------------

// The zones a calendar names: its own VTIMEZONEs, else libical's built-in ones.
class Zone {
public:
    void Aggiungi(std::string_view testoVTimezone) {
        Componente c(icalparser_parse_string(std::string(testoVTimezone).c_str()));
        if (!c || icalcomponent_isa(c.get()) != ICAL_VTIMEZONE_COMPONENT) return;
        std::unique_ptr<icaltimezone, LiberaZona> z(icaltimezone_new());
        if (!icaltimezone_set_component(z.get(), c.get())) return;
        c.release();  // the zone owns it now
        const char* id = icaltimezone_get_tzid(z.get());
        if (!id) return;
        perId_[id] = z.get();
        proprie_.push_back(std::move(z));
    }
    // The zone `tzid` names; none for no TZID or a name no one knows (read as floating).
    const icaltimezone* Di(std::string_view tzid) {
        if (tzid.empty()) return nullptr;
        const std::string id(tzid);
        if (const auto it = perId_.find(id); it != perId_.end()) return it->second;
        const icaltimezone* z = icaltimezone_get_builtin_timezone(id.c_str());
        if (!z) z = icaltimezone_get_builtin_timezone_from_tzid(id.c_str());
        perId_[id] = z;
        return z;
    }

private:
    std::map<std::string, const icaltimezone*> perId_;
    std::vector<std::unique_ptr<icaltimezone, LiberaZona>> proprie_;
};

// A date-time property kept as written until the calendar's zones are all known.
struct Valore {
    std::string testo, tzid;
};
Valore ValoreDi(const RigaContenuto& l) {
    return {std::string(testo::RifilaVista(l.valore)),
            std::string(interscambio::Parametro(l.parametri, "TZID"))};
}

struct EventoLetto {
    bool haInizio = false;
    Valore inizio;
    std::optional<Valore> sostituisce;  // RECURRENCE-ID
    std::string uid, motivo, note, luogo;
    bool haMotivo = false, haNote = false, haLuogo = false;
    bool daConfermare = false;
    std::vector<std::string> regole;  // RRULE
    std::vector<Valore> date, escluse;  // RDATE, EXDATE (one value each)
    struct Scatto {
        std::string valore;
        bool assoluto = false, dallaFine = false;
    };
    std::vector<Scatto> allarmi;
};

// A text value, escapes undone and trimmed; only the first of its kind counts.
void Testo(std::string& campo, bool& giaLetto, std::string_view valore) {
    if (giaLetto) return;
    giaLetto = true;
    std::string t;
    interscambio::AccodaSenzaEscape(t, valore);
    campo = testo::RifilaVista(t);
}

// The values of a list property (RDATE, EXDATE), each alone; a period keeps its start.
void Valori(std::vector<Valore>& out, const RigaContenuto& l) {
    const std::string tzid(interscambio::Parametro(l.parametri, "TZID"));
    interscambio::PerOgniPezzo(l.valore, ',', [&](std::string_view v) {
        v = testo::RifilaVista(v);
        if (const std::size_t barra = v.find('/'); barra != std::string_view::npos) v = v.substr(0, barra);
        if (!v.empty()) out.push_back({std::string(v), tzid});
    });
}

void ProprietaEvento(EventoLetto& e, const RigaContenuto& l) {
    const std::string_view n = l.nome;
    if (Uguale(n, "DTSTART")) {
        if (e.haInizio) return;
        e.haInizio = true;
        e.inizio = ValoreDi(l);
    } else if (Uguale(n, "SUMMARY")) {
        Testo(e.motivo, e.haMotivo, l.valore);
    } else if (Uguale(n, "DESCRIPTION")) {
        Testo(e.note, e.haNote, l.valore);
    } else if (Uguale(n, "LOCATION")) {
        Testo(e.luogo, e.haLuogo, l.valore);
    } else if (Uguale(n, "STATUS")) {
        e.daConfermare = Uguale(testo::RifilaVista(l.valore), "TENTATIVE");
    } else if (Uguale(n, "UID")) {
        if (e.uid.empty()) e.uid = testo::RifilaVista(l.valore);
    } else if (Uguale(n, "RRULE")) {
        e.regole.emplace_back(testo::RifilaVista(l.valore));
    } else if (Uguale(n, "RDATE")) {
        Valori(e.date, l);
    } else if (Uguale(n, "EXDATE")) {
        Valori(e.escluse, l);
    } else if (Uguale(n, "RECURRENCE-ID")) {
        e.sostituisce = ValoreDi(l);
    }
}

void ProprietaAllarme(EventoLetto& e, const RigaContenuto& l) {
    if (!Uguale(l.nome, "TRIGGER")) return;
    EventoLetto::Scatto s;
    s.valore = testo::RifilaVista(l.valore);
    s.assoluto = Uguale(interscambio::Parametro(l.parametri, "VALUE"), "DATE-TIME") ||
                 (!s.valore.empty() && s.valore[0] >= '0' && s.valore[0] <= '9');
    s.dallaFine = Uguale(interscambio::Parametro(l.parametri, "RELATED"), "END");
    e.allarmi.push_back(std::move(s));
}

// Days of warning: the earliest alarm at or before the start, whole days rounded up.
std::string Avviso(const EventoLetto& e, const icaltimetype& inizio) {
    std::optional<long long> anticipo;  // seconds before the start
    for (const EventoLetto::Scatto& s : e.allarmi) {
        long long prima;
        if (s.assoluto) {
            const icaltimetype t = Tempo(s.valore, nullptr);
            if (icaltime_is_null_time(t)) continue;
            prima = static_cast<long long>(Istante(inizio)) - static_cast<long long>(Istante(t));
        } else {
            if (s.dallaFine) continue;
            const icaldurationtype d = icaldurationtype_from_string(s.valore.c_str());
            if (icaldurationtype_is_bad_duration(d)) continue;
            prima = -static_cast<long long>(icaldurationtype_as_int(d));
        }
        if (prima < 0) continue;  // after the start: no warning ahead of it
        if (!anticipo || prima > *anticipo) anticipo = prima;
    }
    if (!anticipo) return "0";
    const long long giorni = std::min<long long>((*anticipo + 86399) / 86400, 999);
    return std::to_string(giorni);
}

// `n` in `quante` digits, zeros in front ("%02d" without the formatting machinery: it runs
// for every record an import makes).
std::string Cifre(int n, std::size_t quante) {
    std::string r(quante, '0');
    for (std::size_t i = quante; i-- > 0 && n > 0; n /= 10) r[i] = static_cast<char>('0' + n % 10);
    return r;
}

void Record(TSchedaScadenza& s, const Locale& l) {
    s.Giorno = Cifre(l.data.giorno, 2);
    s.Mese = scadenza::NomeMese(l.data.mese);
    s.Anno = Cifre(l.data.anno, 4);
    s.Data = TestoData(l.data);
    if (l.ora) {
        s.OreApp = Cifre(l.ora->ore, 2);
        s.MinutiApp = Cifre(l.ora->minuti, 2);
        s.Ora = scadenza::ComponiOra(s.OreApp, s.MinutiApp);
    } else {
        s.OreApp.clear();
        s.MinutiApp.clear();
        s.Ora.clear();
    }
}

// The starts of an event: DTSTART, the RRULE occurrences within the bounds, the RDATEs,
// less the EXDATEs and the occurrences that other events of the same UID replace.
std::vector<icaltimetype> Occorrenze(const EventoLetto& e, icaltimetype inizio, Zone& zone,
                                     const std::vector<icaltimetype>& sostituite, std::time_t fino) {
    if (e.regole.empty() && e.date.empty() && e.escluse.empty() && sostituite.empty())
        return {inizio};  // most events: one start, nothing to leave out
    std::vector<icaltimetype> tutte;
    for (const std::string& regola : e.regole) {
        const icalrecurrencetype r = icalrecurrencetype_from_string(regola.c_str());
        if (r.freq == ICAL_NO_RECURRENCE) continue;
        std::unique_ptr<icalrecur_iterator, LiberaIteratore> it(icalrecur_iterator_new(r, inizio));
        if (!it) continue;
        for (icaltimetype t = icalrecur_iterator_next(it.get()); !icaltime_is_null_time(t);
             t = icalrecur_iterator_next(it.get())) {
            if (!t.is_date && !icaltime_is_utc(t) && inizio.zone) t.zone = inizio.zone;
            if (Istante(t) > fino || tutte.size() >= kMassimoRipetizioni) break;
            tutte.push_back(t);
        }
    }
    if (e.regole.empty()) tutte.push_back(inizio);
    for (const Valore& v : e.date) {
        const icaltimetype t = Tempo(v.testo, zone.Di(v.tzid));
        if (!icaltime_is_null_time(t) && Istante(t) <= fino) tutte.push_back(t);
    }
    std::vector<icaltimetype> escluse = sostituite;
    for (const Valore& v : e.escluse) {
        const icaltimetype t = Tempo(v.testo, zone.Di(v.tzid));
        if (!icaltime_is_null_time(t)) escluse.push_back(t);
    }
    std::vector<icaltimetype> restano;
    for (const icaltimetype& t : tutte) {
        bool fuori = false;
        for (const icaltimetype& x : escluse) fuori = fuori || StessaOccorrenza(t, x);
        bool doppia = false;
        for (const icaltimetype& r : restano) doppia = doppia || StessaOccorrenza(t, r);
        if (!fuori && !doppia) restano.push_back(t);
    }
    std::sort(restano.begin(), restano.end(),
              [](const icaltimetype& a, const icaltimetype& b) { return Istante(a) < Istante(b); });
    if (restano.size() > kMassimoRipetizioni) restano.resize(kMassimoRipetizioni);
    return restano;
}

// The records of one calendar's events, handed to `scheda` one by one.
void RecordDelCalendario(const std::vector<EventoLetto>& eventi, Zone& zone, std::time_t fino,
                         std::size_t& illeggibili, const std::function<void(TSchedaScadenza&)>& scheda) {
    // Occurrences that an event of their own (RECURRENCE-ID) replaces, by UID.
    std::map<std::string, std::vector<icaltimetype>> sostituite;
    for (const EventoLetto& e : eventi)
        if (e.sostituisce && !e.uid.empty()) {
            const icaltimetype t = Tempo(e.sostituisce->testo, zone.Di(e.sostituisce->tzid));
            if (!icaltime_is_null_time(t)) sostituite[e.uid].push_back(t);
        }
    const std::vector<icaltimetype> nessuna;
    TSchedaScadenza s;
    for (const EventoLetto& e : eventi) {
        const icaltimetype inizio =
            e.haInizio ? Tempo(e.inizio.testo, zone.Di(e.inizio.tzid)) : icaltime_null_time();
        if (icaltime_is_null_time(inizio)) {
            ++illeggibili;
            continue;
        }
        s = TSchedaScadenza{};
        s.Avviso = Avviso(e, inizio);
        s.Dettagli = e.motivo;
        s.Note = e.note;
        s.Complessivo = e.luogo;
        s.Costo = "0,00";
        s.DaConfermare = flag::Da(e.daConfermare);
        s.Effettuata = flag::Da(false);
        const std::vector<icaltimetype>* via = &nessuna;
        if (!e.sostituisce && !e.uid.empty())
            if (const auto it = sostituite.find(e.uid); it != sostituite.end()) via = &it->second;
        for (const icaltimetype& t : e.sostituisce ? std::vector<icaltimetype>{inizio}
                                                   : Occorrenze(e, inizio, zone, *via, fino)) {
            const Locale l = InLocale(t);
            if (!DataValida(l.data)) {
                ++illeggibili;
                continue;
            }
            Record(s, l);
            scheda(s);
        }
    }
}

// The key that tells an event already in a year file: date, time and reason as stored.
std::string Chiave(const VistaScheda<TSchedaScadenza>& v) {
    using S = TSchedaScadenza;
    std::string k(testo::RifilaVista(v.Byte(&S::Data)));
    k += '\x1F';
    k += testo::RifilaVista(v.Byte(&S::Ora));
    k += '\x1F';
    k += testo::RifilaVista(v.Byte(&S::Dettagli));
    return k;
}

}  // namespace

std::size_t LeggiEventi(std::string_view testo, std::time_t adesso, bool& calendario,
                        const std::function<void(TSchedaScadenza&)>& scheda) {
    std::tm oggi{};
    localtime_r(&adesso, &oggi);
    oggi.tm_year += kAnniRipetizioni;
    oggi.tm_isdst = -1;
    const std::time_t fino = std::mktime(&oggi);

    // Where a line stands: the components it is inside, innermost last.
    enum class Dove { Calendario, Evento, Allarme, Fuso, Altro };
    std::vector<Dove> pila;
    std::size_t inizioFuso = 0;
    std::vector<EventoLetto> eventi;
    EventoLetto evento;
    Zone zone;
    std::size_t illeggibili = 0;
    calendario = false;
    const auto Chiudi = [&] {
        RecordDelCalendario(eventi, zone, fino, illeggibili, scheda);
        eventi.clear();
        zone = Zone();
    };
    interscambio::LettoreRighe righe(testo);
    RigaContenuto l;
    while (righe.Prossima(l)) {
        if (!l.valida) continue;
        const Dove qui = pila.empty() ? Dove::Altro : pila.back();
        if (Uguale(l.nome, "BEGIN")) {
            const std::string_view c = testo::RifilaVista(l.valore);
            Dove nuovo = Dove::Altro;
            if (pila.empty() && Uguale(c, "VCALENDAR")) {
                nuovo = Dove::Calendario;
                calendario = true;
            } else if (qui == Dove::Calendario && Uguale(c, "VEVENT")) {
                nuovo = Dove::Evento;
                evento = EventoLetto{};
            } else if (qui == Dove::Calendario && Uguale(c, "VTIMEZONE")) {
                nuovo = Dove::Fuso;
                inizioFuso = righe.InizioRiga();
            } else if (qui == Dove::Evento && Uguale(c, "VALARM")) {
                nuovo = Dove::Allarme;
            }
            if (!pila.empty() || nuovo == Dove::Calendario) pila.push_back(nuovo);
            continue;
        }
        if (Uguale(l.nome, "END")) {
            if (pila.empty()) continue;
            pila.pop_back();
            if (qui == Dove::Evento) eventi.push_back(std::move(evento));
            else if (qui == Dove::Fuso) zone.Aggiungi(testo.substr(inizioFuso, righe.Posizione() - inizioFuso));
            else if (qui == Dove::Calendario) Chiudi();
            continue;
        }
        if (qui == Dove::Evento) ProprietaEvento(evento, l);
        else if (qui == Dove::Allarme) ProprietaAllarme(evento, l);
    }
    // A file cut short: the events that ended are read, one left open is not.
    if (!pila.empty()) {
        if (std::find(pila.begin(), pila.end(), Dove::Evento) != pila.end()) ++illeggibili;
        Chiudi();
    }
    return illeggibili;
}

LetturaCalendario LeggiCalendario(std::string_view testo, std::time_t adesso) {
    LetturaCalendario r;
    r.illeggibili = LeggiEventi(testo, adesso, r.calendario,
                                [&](TSchedaScadenza& s) { r.schede.push_back(s); });
    return r;
}

EsitoImportazione ImportaCalendario(std::string_view testo, const std::filesystem::path& cartella,
                                    std::time_t adesso) {
    // The events are read and stored as records, year by year, before any year file is
    // opened: another program waits for a year file only while its records are written.
    EsitoImportazione esito;
    std::map<std::string, SchedeMemorizzate<TSchedaScadenza>> perAnno;
    bool calendario = true;
    esito.illeggibili = LeggiEventi(testo, adesso, calendario, [&](TSchedaScadenza& s) {
        if (!SchedaContenibile(s)) {
            ++esito.rifiutate;
            return;
        }
        perAnno[s.Anno].Aggiungi(s);
    });
    esito.calendario = calendario;
    if (!calendario) ++esito.illeggibili;
    for (auto& [anno, schede] : perAnno) {
        TArchivioScadenze archivio;
        archivio.Apri(TArchivioScadenze::Percorso(cartella, std::string_view(anno)));
        std::unordered_set<std::string> presenti;
        archivio.ScorriTutte([&](std::int64_t, const VistaScheda<TSchedaScadenza>& v) {
            presenti.insert(Chiave(v));
            return true;
        });
        schede.Tieni([&](const VistaScheda<TSchedaScadenza>& v) {
            if (presenti.insert(Chiave(v)).second) return true;
            ++esito.presenti;
            return false;
        });
        archivio.AccodaSchede(schede);
        archivio.Chiudi();
        esito.aggiunte += schede.size();
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
