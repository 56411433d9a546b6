// The content lines both vCard and iCalendar are made of: folds joined, groups dropped,
// parameters with quoted colons, vCard 2.1's quoted-printable soft breaks, lines that do
// not parse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/interchange/RigheContenuto.h"

namespace {

using interscambio::LettoreRighe;
using interscambio::RigaContenuto;

struct Letta {
    std::string nome, parametri, valore;
    bool valida;
    bool operator==(const Letta&) const = default;
};

std::vector<Letta> Leggi(std::string_view testo, bool qp = false) {
    LettoreRighe l(testo, qp);
    std::vector<Letta> v;
    RigaContenuto r;
    while (l.Prossima(r))
        v.push_back({std::string(r.nome), std::string(r.parametri), std::string(r.valore), r.valida});
    return v;
}

TEST(RigheContenuto, SplitsJoinsAndKeepsWhatDoesNotParse) {
    const std::vector<Letta> attese = {
        {"NOTE", "", "una riga piegata in tre", true},
        {"TEL", ";TYPE=\"work,voice\";X=\"a:b\"", "+39 06 1", true},
        {"EMAIL", "", "a@b.it", true},
        {"", "", "", false},  // no colon
        {"", "", "", false},  // no name
        {"SUMMARY", "", "senza a capo finale", true},
    };
    EXPECT_EQ(Leggi("NOTE:una riga\r\n  piegata\r\n\t in tre\r\n"
                    "\r\n"  // empty lines are skipped
                    "TEL;TYPE=\"work,voice\";X=\"a:b\":+39 06 1\n"
                    "item1.EMAIL:a@b.it\r\n"
                    "senza due punti\r\n"
                    ":valore\r\n"
                    "SUMMARY:senza a capo finale"),
              attese);
}

TEST(RigheContenuto, QuotedPrintableSoftBreaksOnlyWhereAsked) {
    const std::string t = "NOTE;ENCODING=QUOTED-PRINTABLE:Caff=C3=\r\n=A8 buono\r\nFN:x\r\n";
    EXPECT_EQ(Leggi(t, true),
              (std::vector<Letta>{{"NOTE", ";ENCODING=QUOTED-PRINTABLE", "Caff=C3=A8 buono", true},
                                  {"FN", "", "x", true}}));
    // An iCalendar value may end in "=": the next line is a line of its own.
    EXPECT_EQ(Leggi(t).size(), 3u);
}

TEST(RigheContenuto, ParametersAndEscapes) {
    EXPECT_EQ(interscambio::Parametro(";tzid=\"Europe/Rome\";VALUE=DATE", "TZID"), "Europe/Rome");
    EXPECT_EQ(interscambio::Parametro(";VALUE=DATE", "TZID"), "");
    std::string s;
    interscambio::AccodaSenzaEscape(s, "a\\,b\\;c\\\\d\\ne\\Nf\\");
    EXPECT_EQ(s, "a,b;c\\d\ne\nf\\");
    std::vector<std::string> pezzi;
    interscambio::PerOgniPezzo("a\\;b;;c", ';', [&](std::string_view p) { pezzi.emplace_back(p); });
    EXPECT_EQ(pezzi, (std::vector<std::string>{"a\\;b", "", "c"}));
    EXPECT_TRUE(interscambio::Utf8Valido("ascii lungo abbastanza \xC3\xA8 \xE2\x82\xAC"));
    EXPECT_FALSE(interscambio::Utf8Valido("tronco \xC3"));
    EXPECT_FALSE(interscambio::Utf8Valido("abcdefgh\x80"));
}

}  // namespace
