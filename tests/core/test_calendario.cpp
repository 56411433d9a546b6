#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/FileIntero.h"
#include "core/export/Calendario.h"

namespace {

TSchedaScadenza Scheda(const std::string& data, const std::string& ora, const std::string& avviso,
                       const std::string& motivo, bool daConfermare = false) {
    return prova::NuovaScadenza()
        .Data(data)
        .Ora(ora)
        .Avviso(avviso)
        .Dettagli(motivo)
        .Spunte(daConfermare, false)
        .Costo("0,00");
}

// What a calendar program reads back from one event, through libical's own parser.
struct EventoLetto {
    std::string uid, sommario, luogo, descrizione, stato;
    icaltimetype inizio;
    bool allarme = false;
    int anticipoSecondi = 0;  // trigger relative to the start; negative = before
};

struct LiberaComponente {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

std::vector<EventoLetto> Rileggi(const std::string& ics) {
    std::unique_ptr<icalcomponent, LiberaComponente> cal(icalparser_parse_string(ics.c_str()));
    EXPECT_TRUE(cal);
    std::vector<EventoLetto> eventi;
    if (!cal) return eventi;
    EXPECT_EQ(icalcomponent_isa(cal.get()), ICAL_VCALENDAR_COMPONENT);
    for (icalcomponent* e = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal.get(), ICAL_VEVENT_COMPONENT)) {
        EventoLetto l;
        auto testo = [](const char* t) { return std::string(t ? t : ""); };
        l.uid = testo(icalcomponent_get_uid(e));
        l.sommario = testo(icalcomponent_get_summary(e));
        l.luogo = testo(icalcomponent_get_location(e));
        l.descrizione = testo(icalcomponent_get_description(e));
        l.stato = testo(icalproperty_status_to_string(icalcomponent_get_status(e)));
        l.inizio = icalcomponent_get_dtstart(e);
        if (icalcomponent* a = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT)) {
            l.allarme = true;
            icalproperty* p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            EXPECT_TRUE(p);
            if (p) l.anticipoSecondi = icaldurationtype_as_int(icalproperty_get_trigger(p).duration);
        }
        eventi.push_back(l);
    }
    return eventi;
}

std::string Leggi(const std::filesystem::path& p) {
    const auto b = LeggiByte(p);
    return {b.begin(), b.end()};
}

constexpr std::time_t kAdesso = 1615370000;  // 10/03/2021

}  // namespace

TEST(Calendario, ThreeRecordsReadBackAsThreeEvents) {
    CartellaTemporanea cartella;
    std::vector<TSchedaScadenza> schede = {
        Scheda("15/03/2021", "09:30", "5", "Pagamento IVA"),
        Scheda("01/04/2021", "14:05", "0", "Visita, studio; poi\nfirma", true),
        Scheda("31/12/2021", "23:59", "10", "Rinnovo \xC3\xA0 fine anno"),
    };
    schede[0].Complessivo = "Ufficio di Bologna";
    schede[0].Beneficiario = "Tasse";
    schede[0].Pagatore = "Rossi Mario";
    schede[0].Costo = "1250,50";
    schede[0].Note = "Portare il modulo F24";

    const auto esito = calendario::ScriviCalendario(schede, 2021, cartella.percorso(), kAdesso);
    EXPECT_EQ(esito.eventi, 3u);
    EXPECT_EQ(esito.saltate, 0u);
    const auto file = cartella / "Scadenze_2021.ics";
    const auto eventi = Rileggi(Leggi(file));
    ASSERT_EQ(eventi.size(), 3u);

    struct Atteso {
        int giorno, mese, ore, minuti, anticipo;
        const char* stato;
    };
    const Atteso attesi[] = {
        {15, 3, 9, 30, -5 * 86400, "CONFIRMED"},
        {1, 4, 14, 5, 0, "TENTATIVE"},
        {31, 12, 23, 59, -10 * 86400, "CONFIRMED"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& e = eventi[i];
        EXPECT_EQ(e.sommario, schede[i].Dettagli);
        EXPECT_EQ(e.inizio.year, 2021);
        EXPECT_EQ(e.inizio.month, attesi[i].mese);
        EXPECT_EQ(e.inizio.day, attesi[i].giorno);
        EXPECT_EQ(e.inizio.hour, attesi[i].ore);
        EXPECT_EQ(e.inizio.minute, attesi[i].minuti);
        EXPECT_FALSE(e.inizio.is_date);
        EXPECT_TRUE(e.allarme);
        EXPECT_EQ(e.anticipoSecondi, attesi[i].anticipo);
        EXPECT_EQ(e.stato, attesi[i].stato);
    }
    // Comma, semicolon and newline come back as they were typed.
    EXPECT_EQ(eventi[1].sommario, "Visita, studio; poi\nfirma");
    EXPECT_EQ(eventi[0].luogo, "Ufficio di Bologna");
    EXPECT_EQ(eventi[0].descrizione,
              "Tipologia: Tasse\nContatto: Rossi Mario\nImporto in euro: 1250,50\n"
              "Note: Portare il modulo F24");
    EXPECT_EQ(eventi[0].uid, calendario::IdEvento(2021, 1));
    EXPECT_NE(eventi[0].uid, eventi[1].uid);
    EXPECT_NE(eventi[1].uid, eventi[2].uid);
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"Scadenze_2021.ics"});
}

TEST(Calendario, TheTextIsTheWholeCalendarAsLibicalWritesIt) {
    // Events are written one by one into the calendar's text: read back as one tree and
    // written again, it must come out the same, byte for byte.
    std::vector<TSchedaScadenza> schede = {
        Scheda("15/03/2021", "09:30", "5", "Pagamento IVA"),
        Scheda("xx", "", "", "saltata"),
        Scheda("31/12/2021", "", "abc", "Rinnovo \xC3\xA0 fine anno", true),
    };
    schede[0].Note = std::string(300, 'n');
    calendario::EsitoCalendario esito;
    const std::string testo = calendario::TestoCalendario(schede, 2021, kAdesso, esito);
    EXPECT_EQ(esito.eventi, 2u);
    std::unique_ptr<icalcomponent, LiberaComponente> albero(icalparser_parse_string(testo.c_str()));
    ASSERT_TRUE(albero);
    char* riscritto = icalcomponent_as_ical_string_r(albero.get());
    EXPECT_EQ(std::string(riscritto), testo);
    icalmemory_free_buffer(riscritto);
}

TEST(Calendario, LongAccentedTextsSurviveLineFolding) {
    // iCalendar folds lines at 75 bytes; a fold must never split an accented letter.
    std::string nota;
    for (int i = 0; i < 60; ++i) nota += "citt\xC3\xA0 \xE2\x82\xAC ";
    nota += "fine";
    auto s = Scheda("02/02/2021", "08:00", "1", nota);
    s.Note = nota;
    calendario::EsitoCalendario esito;
    const std::string ics = calendario::TestoCalendario({s}, 2021, kAdesso, esito);
    // Every folded line is whole UTF-8 on its own.
    std::size_t inizio = 0;
    while (inizio < ics.size()) {
        std::size_t fine = ics.find("\r\n", inizio);
        if (fine == std::string::npos) fine = ics.size();
        const std::string riga = ics.substr(inizio, fine - inizio);
        EXPECT_LE(riga.size(), 75u);
        // A fold that split a character would start the next line on a continuation byte.
        const std::string contenuto = riga.starts_with(' ') ? riga.substr(1) : riga;
        if (!contenuto.empty()) {
            EXPECT_NE(static_cast<unsigned char>(contenuto[0]) & 0xC0, 0x80u) << riga;
        }
        inizio = fine + 2;
    }
    const auto eventi = Rileggi(ics);
    ASSERT_EQ(eventi.size(), 1u);
    EXPECT_EQ(eventi[0].sommario, nota);
    EXPECT_EQ(eventi[0].descrizione, "Note: " + nota);  // no amount: none is shown
}

TEST(Calendario, UnreadableDatesAreSkippedAndCounted) {
    const std::vector<TSchedaScadenza> schede = {
        Scheda("31/02/2021", "10:00", "1", "Data inesistente"),
        Scheda("", "10:00", "1", "Senza data"),
        Scheda("05/05/2021", "10:00", "1", "Buona"),
    };
    calendario::EsitoCalendario esito;
    const auto eventi = Rileggi(calendario::TestoCalendario(schede, 2021, kAdesso, esito));
    EXPECT_EQ(esito.eventi, 1u);
    EXPECT_EQ(esito.saltate, 2u);
    ASSERT_EQ(eventi.size(), 1u);
    EXPECT_EQ(eventi[0].sommario, "Buona");
    // The id follows the record's place in its file, not its place among the events.
    EXPECT_EQ(eventi[0].uid, calendario::IdEvento(2021, 3));
}

TEST(Calendario, UnreadableTimeGivesAWholeDayAndUnreadableWarningNoAlarm) {
    const std::vector<TSchedaScadenza> schede = {
        Scheda("05/05/2021", "", "2", "Senza ora"),
        Scheda("06/05/2021", "10:00", "x", "Avviso illeggibile"),
    };
    calendario::EsitoCalendario esito;
    const auto eventi = Rileggi(calendario::TestoCalendario(schede, 2021, kAdesso, esito));
    ASSERT_EQ(eventi.size(), 2u);
    EXPECT_TRUE(eventi[0].inizio.is_date);
    EXPECT_EQ(eventi[0].inizio.day, 5);
    EXPECT_EQ(eventi[0].anticipoSecondi, -2 * 86400);
    EXPECT_FALSE(eventi[1].allarme);
}

TEST(Calendario, ReExportKeepsIdsAndReplacesTheWholeFile) {
    CartellaTemporanea cartella;
    std::vector<TSchedaScadenza> schede = {Scheda("15/03/2021", "09:30", "5", "Uno"),
                                           Scheda("16/03/2021", "09:30", "5", "Due")};
    calendario::ScriviCalendario(schede, 2021, cartella.percorso(), kAdesso);
    const auto prima = Rileggi(Leggi(cartella / "Scadenze_2021.ics"));
    schede[0].Dettagli = "Uno, corretto";
    schede.pop_back();
    calendario::ScriviCalendario(schede, 2021, cartella.percorso(), kAdesso + 3600);
    const auto dopo = Rileggi(Leggi(cartella / "Scadenze_2021.ics"));
    ASSERT_EQ(prima.size(), 2u);
    ASSERT_EQ(dopo.size(), 1u);
    EXPECT_EQ(dopo[0].uid, prima[0].uid);
    EXPECT_EQ(dopo[0].sommario, "Uno, corretto");
}

TEST(Calendario, AFailedWriteLeavesNothingHalfWritten) {
    CartellaTemporanea cartella;
    // A folder standing where the file should go.
    std::filesystem::create_directory(cartella / "Scadenze_2021.ics");
    EXPECT_THROW(calendario::ScriviCalendario({Scheda("15/03/2021", "09:30", "5", "Uno")}, 2021,
                                              cartella.percorso(), kAdesso),
                 ErroreScritturaFile);
    EXPECT_TRUE(std::filesystem::is_directory(cartella / "Scadenze_2021.ics"));
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"Scadenze_2021.ics"});
    // A missing folder.
    EXPECT_THROW(calendario::ScriviCalendario({}, 2021, cartella / "manca", kAdesso),
                 ErroreScritturaFile);
}
