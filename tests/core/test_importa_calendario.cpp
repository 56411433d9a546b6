// Deadlines from iCalendar: repeating events, whole days, time zones, alarms, repeated
// imports and our own export read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "core/interchange/Interscambio.h"

namespace {

// The tests read times on Italian clocks, whatever this machine's zone.
class ImportaCalendario : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        if (tz) vecchia_ = tz;
        aveva_ = tz != nullptr;
        setenv("TZ", "Europe/Rome", 1);
        tzset();
    }
    void TearDown() override {
        if (aveva_) setenv("TZ", vecchia_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    // 1 January 2024, the clock the bounds are counted from.
    static constexpr std::time_t kAdesso = 1704067200;

private:
    std::string vecchia_;
    bool aveva_ = false;
};

std::string Calendario(const std::string& eventi) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Prova//IT\r\n" + eventi + "END:VCALENDAR\r\n";
}

std::vector<std::string> Date(const std::vector<TSchedaScadenza>& v) {
    std::vector<std::string> d;
    for (const auto& s : v) d.push_back(s.Data + " " + s.Ora);
    return d;
}

TEST_F(ImportaCalendario, WeeklyRuleWithAnExceptionAndAnExtraDate) {
    const auto l = calendario::LeggiCalendario(
        Calendario("BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20240105T093000\r\nSUMMARY:Riunione\r\n"
                   "RRULE:FREQ=WEEKLY;COUNT=4\r\nEXDATE:20240112T093000\r\nRDATE:20240301T093000\r\n"
                   "END:VEVENT\r\n"),
        kAdesso);
    EXPECT_EQ(Date(l.schede), (std::vector<std::string>{"05/01/2024 09:30", "19/01/2024 09:30",
                                                        "26/01/2024 09:30", "01/03/2024 09:30"}));
    for (const auto& s : l.schede) {
        EXPECT_EQ(s.Dettagli, "Riunione");
        EXPECT_EQ(s.Giorno + s.Mese + s.Anno + s.OreApp + s.MinutiApp,
                  s.Data.substr(0, 2) + scadenza::NomeMese(std::stoi(s.Data.substr(3, 2))) + "2024" +
                      "0930");
    }
}

TEST_F(ImportaCalendario, EndlessRulesStopAtTheirBounds) {
    // Daily from 2024: ten years would be 3653 days; 500 occurrences come first.
    const auto giornaliero = calendario::LeggiCalendario(
        Calendario("BEGIN:VEVENT\r\nDTSTART:20240101T080000\r\nSUMMARY:x\r\nRRULE:FREQ=DAILY\r\nEND:VEVENT\r\n"),
        kAdesso);
    EXPECT_EQ(giornaliero.schede.size(), calendario::kMassimoRipetizioni);
    // Yearly: up to ten years ahead of the clock (1 January 2034), well under 500.
    const auto annuale = calendario::LeggiCalendario(
        Calendario("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240301\r\nSUMMARY:x\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"),
        kAdesso);
    ASSERT_EQ(annuale.schede.size(), 10u);
    EXPECT_EQ(annuale.schede.back().Data, "01/03/2033");
}

TEST_F(ImportaCalendario, WholeDayZonesAlarmsAndTexts) {
    const std::string vtimezone =
        "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\nBEGIN:STANDARD\r\nDTSTART:19701101T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\n"
        "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\n"
        "END:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
    const auto l = calendario::LeggiCalendario(
        Calendario(vtimezone +
                   "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240310\r\nSUMMARY:Compleanno\r\n"
                   "DESCRIPTION:Regalo\\, fiori\r\nSTATUS:TENTATIVE\r\n"
                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P3D\r\nEND:VALARM\r\n"
                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT1H\r\nEND:VALARM\r\nEND:VEVENT\r\n"
                   // 18:30 in New York in winter is 00:30 the next day in Rome.
                   "BEGIN:VEVENT\r\nDTSTART;TZID=America/New_York:20240115T183000\r\nSUMMARY:Chiamata\r\n"
                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT36H\r\nEND:VALARM\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nDTSTART:20240701T070000Z\r\nSUMMARY:" + std::string(300, 'r') +
                   "\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:senza inizio\r\nEND:VEVENT\r\n"),
        kAdesso);
    EXPECT_EQ(l.illeggibili, 1u);
    ASSERT_EQ(l.schede.size(), 3u);
    const auto& giorno = l.schede[0];
    EXPECT_EQ(giorno.Data, "10/03/2024");
    EXPECT_EQ(giorno.Ora + giorno.OreApp + giorno.MinutiApp, "");
    EXPECT_EQ(giorno.Avviso, "3");
    EXPECT_EQ(giorno.Note, "Regalo, fiori");
    EXPECT_EQ(giorno.DaConfermare, flag::Si);
    EXPECT_EQ(l.schede[1].Data + " " + l.schede[1].Ora, "16/01/2024 00:30");
    EXPECT_EQ(l.schede[1].Avviso, "2");  // a day and a half: warned two days ahead
    EXPECT_EQ(l.schede[2].Data + " " + l.schede[2].Ora, "01/07/2024 09:00");  // UTC+2 in summer
    EXPECT_EQ(l.schede[2].Avviso, "0");
    EXPECT_FALSE(calendario::LeggiCalendario("non un calendario", kAdesso).calendario);
}

TEST_F(ImportaCalendario, ListsPeriodsAbsoluteAlarmsAndAFileCutShort) {
    // Names in any case; RDATE and EXDATE as lists; a period keeps its start; an alarm at a
    // moment (UTC) rather than a distance; a replaced occurrence (RECURRENCE-ID) left to the
    // event that replaces it.
    const auto l = calendario::LeggiCalendario(
        Calendario("begin:vevent\r\nuid:r\r\ndtstart:20240105T100000\r\nsummary:Lista\r\n"
                   "rdate;value=period:20240110T100000/20240110T110000,20240120T100000\r\n"
                   "exdate:20240110T100000,20240120T100000\r\nrrule:FREQ=DAILY;COUNT=3\r\n"
                   "BEGIN:VALARM\r\nTRIGGER;VALUE=DATE-TIME:20240102T090000Z\r\nEND:VALARM\r\n"
                   "end:vevent\r\n"
                   "BEGIN:VEVENT\r\nUID:r\r\nRECURRENCE-ID:20240106T100000\r\n"
                   "DTSTART:20240106T150000\r\nSUMMARY:Spostata\r\nEND:VEVENT\r\n") +
            // A second calendar cut short inside an event: that event is unreadable.
            "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20240301\r\nSUMMARY:Monca",
        kAdesso);
    EXPECT_TRUE(l.calendario);
    EXPECT_EQ(l.illeggibili, 1u);
    EXPECT_EQ(Date(l.schede), (std::vector<std::string>{"05/01/2024 10:00", "07/01/2024 10:00",
                                                        "06/01/2024 15:00"}));
    // 10:00 on the 5th, alarm at 10:00 on the 2nd (Rome): three days.
    EXPECT_EQ(l.schede[0].Avviso, "3");
    EXPECT_EQ(l.schede[2].Dettagli, "Spostata");
}

TEST_F(ImportaCalendario, EachYearItsFileAndASecondImportAddsNothing) {
    CartellaTemporanea dir;
    const std::string t = Calendario(
        "BEGIN:VEVENT\r\nDTSTART:20231231T100000\r\nSUMMARY:Fine anno\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20240102T100000\r\nSUMMARY:" + std::string(260, 'm') + "\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART:20240103T100000\r\nSUMMARY:Wa\xC5\x82\xC4\x99sa\r\nEND:VEVENT\r\n");
    const auto primo = calendario::ImportaCalendario(t, dir.percorso(), kAdesso);
    EXPECT_EQ(primo.aggiunte, 2u);
    EXPECT_EQ(primo.rifiutate, 1u);
    const auto v2023 = LeggiScadenzeSenzaCreare(TArchivioScadenze::Percorso(dir.percorso(), 2023));
    const auto v2024 = LeggiScadenzeSenzaCreare(TArchivioScadenze::Percorso(dir.percorso(), 2024));
    ASSERT_EQ(v2023.size(), 1u);
    ASSERT_EQ(v2024.size(), 1u);
    EXPECT_EQ(v2024[0].Dettagli, std::string(250, 'm'));  // cut as the card cuts
    const auto secondo = calendario::ImportaCalendario(t, dir.percorso(), kAdesso);
    EXPECT_EQ(secondo.aggiunte, 0u);
    EXPECT_EQ(secondo.presenti, 2u);
    EXPECT_EQ(LeggiScadenzeSenzaCreare(TArchivioScadenze::Percorso(dir.percorso(), 2024)).size(), 1u);
    EXPECT_EQ(calendario::Riepilogo(secondo),
              "Importazione completata.\n\nScadenze aggiunte: 0\nScadenze già presenti, non "
              "aggiunte: 2\nEventi illeggibili: 0\nEventi rifiutati perché contengono "
              "caratteri che l'archivio non può conservare: 1");
    // Nothing refused: no line for it.
    EXPECT_EQ(calendario::Riepilogo({3, 0, 0, 0}),
              "Importazione completata.\n\nScadenze aggiunte: 3\nScadenze già presenti, non "
              "aggiunte: 0\nEventi illeggibili: 0");
}

TEST_F(ImportaCalendario, OurOwnExportComesBack) {
    std::vector<TSchedaScadenza> schede = {
        prova::Scadenza("05/03/2024", "09:30", "Rossi Mario", "Rata, del mutuo; \"casa\""),
        prova::Scadenza("31/12/2024", "23:59", "Bianchi", "Bollo auto"),
        prova::Scadenza("01/01/2024", "00:00", "Verdi", "Capodanno"),
    };
    schede[1].Avviso = "0";
    schede[2].Avviso = "120";
    schede[0].Note = "Caff\xC3\xA8 \xE2\x82\xAC";
    CartellaTemporanea dir, vuota;
    calendario::ScriviCalendario(schede, 2024, dir.percorso(), kAdesso);
    const auto e = calendario::ImportaCalendario(
        interscambio::LeggiFile(dir / calendario::NomeFile(2024)), vuota.percorso(), kAdesso);
    EXPECT_EQ(e.aggiunte, 3u);
    const auto v = LeggiScadenzeSenzaCreare(TArchivioScadenze::Percorso(vuota.percorso(), 2024));
    ASSERT_EQ(v.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(v[i].Data, schede[i].Data);
        EXPECT_EQ(v[i].Ora, schede[i].Ora);
        EXPECT_EQ(v[i].Dettagli, schede[i].Dettagli);
        EXPECT_EQ(v[i].Avviso, schede[i].Avviso);
    }
}

}  // namespace
