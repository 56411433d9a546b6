#include <gtest/gtest.h>

#include "SchedeDiProva.h"
#include "core/deadlines/RicercaScadenze.h"
#include "core/lists/Elenco.h"

using scadenza::FiltriScadenza;
using scadenza::StatoImpegni;

namespace {

using Memorizzata = SchedaMemorizzata<TSchedaScadenza>;

TSchedaScadenza Scadenza(const std::string& dettagli, const std::string& data,
                         const std::string& pagatore = "", const std::string& note = "") {
    return prova::NuovaScadenza().Dettagli(dettagli).Data(data).Pagatore(pagatore).Note(note);
}

// The reasons of the records a search lists, in archive order.
std::vector<std::string> Trovate(const std::vector<TSchedaScadenza>& schede,
                                 const FiltriScadenza& filtri) {
    const scadenza::RicercaScadenze cerca(filtri);
    std::vector<std::string> r;
    for (const auto& s : schede)
        if (cerca.Trovata(Memorizzata(s).Vista())) r.push_back(s.Dettagli);
    return r;
}

}  // namespace

TEST(RicercaScadenze, WhichRecordsAFilterSetLists) {
    const std::vector<TSchedaScadenza> schede = {
        Scadenza("Rata mutuo", "05/03/2021", "Rossi Mario"),
        Scadenza("Bolletta", "30/03/2021", "Bianchi", "chiamare Rossi"),
        Scadenza("Visita", "03/04/2021", "rossi anna"),
        Scadenza("Assicurazione", "03/12/2021", "Verdi"),
        Scadenza("Caffè", "13/03/2021", "Neri"),
    };
    using V = std::vector<std::string>;
    const V tutte = {"Rata mutuo", "Bolletta", "Visita", "Assicurazione", "Caffè"};
    struct Caso {
        const char* nome;
        FiltriScadenza filtri;
        V attese;
    } casi[] = {
        {"all empty", {}, tutte},
        {"all blank", {" ", "", "\t", "", "", "", "", "", "", "  "}, tutte},
        {"month and year of the date", {"03/2021"}, {"Rata mutuo", "Bolletta", "Caffè"}},
        {"contact in any case", {"", "", "ROSSI"}, {"Rata mutuo", "Visita"}},
        {"both filters must match", {"03/2021", "", "rossi"}, {"Rata mutuo"}},
        {"a filter looks only at its own field",
         {"", "", "", "", "", "", "", "", "", "rossi"},
         {"Bolletta"}},
        {"upper-case accent does not find lower-case",
         {"", "", "", "", "", "", "", "", "CAFFÈ"},
         {}},
        {"accent as stored", {"", "", "", "", "", "", "", "", "CAFFè"}, {"Caffè"}},
    };
    for (const auto& c : casi) EXPECT_EQ(Trovate(schede, c.filtri), c.attese) << c.nome;
}

TEST(RicercaScadenze, EachFilterMatchesItsOwnField) {
    const char* campi[scadenza::kFiltri] = {"Data",       "Ora",    "Pagatore", "CodFisc",
                                            "NumTessera", "Carica", "Anticipi", "Beneficiario",
                                            "Dettagli",   "Note"};
    // Marks short enough for the narrowest field (the time holds five characters).
    const auto Segno = [](std::size_t i, const char* prima) { return prima + std::to_string(i); };
    TSchedaScadenza s;
    for (std::size_t i = 0; i < scadenza::kFiltri; ++i)
        s.*scadenza::CampiFiltro[i] = Segno(i, "cm");
    const Memorizzata m(s);
    for (std::size_t i = 0; i < scadenza::kFiltri; ++i) {
        FiltriScadenza filtri;
        filtri[i] = Segno(i, "CM");
        EXPECT_TRUE(scadenza::RicercaScadenze(filtri).Trovata(m.Vista())) << campi[i];
        filtri[i] = Segno((i + 1) % scadenza::kFiltri, "cm");
        EXPECT_FALSE(scadenza::RicercaScadenze(filtri).Trovata(m.Vista())) << campi[i];
    }
}

TEST(StatoImpegni, WhichListsTakeARecordOnAFixedDay) {
    const Data oggi{10, 4, 2021};
    struct Caso {
        const char* nome;
        const char* data;
        const char* daConfermare;
        const char* effettuata;
        bool inAttesa, nonAssolto, scaduto;
    } casi[] = {
        {"dated today, not fulfilled", "10/04/2021", "No", "No", false, true, true},
        {"dated tomorrow, not fulfilled", "11/04/2021", "No", "No", false, true, false},
        {"a year earlier", "10/04/2020", "No", "No", false, true, true},
        {"one digit day and month", "9/4/2021", "No", "No", false, true, true},
        {"to confirm, fulfilled and past", "01/01/2021", "Sì", "Sì", true, false, false},
        {"to confirm, in the future", "31/12/2021", "Sì", "No", true, true, false},
        {"fulfilled and past", "01/04/2021", "No", "Sì", false, false, false},
        {"flags in lower case", "01/04/2021", "sì", "no", false, false, false},
        {"flags empty", "01/04/2021", "", "", false, false, false},
        {"a date that does not exist", "31/02/2021", "No", "No", false, true, false},
        {"a date that is not one", "domani", "No", "No", false, true, false},
        {"no date", "", "No", "No", false, true, false},
    };
    for (const auto& c : casi) {
        TSchedaScadenza s = Scadenza("x", c.data);
        s.DaConfermare = c.daConfermare;
        s.Effettuata = c.effettuata;
        const Memorizzata m(s);
        EXPECT_EQ(scadenza::Elencato(StatoImpegni::DaConfermare, m.Vista(), oggi), c.inAttesa)
            << c.nome;
        EXPECT_EQ(scadenza::Elencato(StatoImpegni::NonAssolti, m.Vista(), oggi), c.nonAssolto)
            << c.nome;
        EXPECT_EQ(scadenza::Elencato(StatoImpegni::Scaduti, m.Vista(), oggi), c.scaduto)
            << c.nome;
    }
}
