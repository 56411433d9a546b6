#include <gtest/gtest.h>

#include "core/contacts/Instrada.h"

TEST(InstradaCodiceFiscale, DigitsOnlyGoToPartitaIvaEverythingElseToCodiceFiscale) {
    struct Caso {
        const char* testo;
        Controllo controllo;
        const char* consegnato;
    } casi[] = {
        {"01234567890", Controllo::PartitaIva, "01234567890"},
        {"  80012345678 ", Controllo::PartitaIva, "80012345678"},  // trimmed first
        {"7", Controllo::PartitaIva, "7"},
        {"RSSMRA80A01H501U", Controllo::CodFisc, "RSSMRA80A01H501U"},
        {"", Controllo::CodFisc, ""},                    // empty: the checker opens empty
        {"   \t", Controllo::CodFisc, ""},               // blanks only are empty too
        {"0123 4567", Controllo::CodFisc, "0123 4567"},  // a blank inside is not a digit
        {"12345678-90", Controllo::CodFisc, "12345678-90"},
        {"\xD9\xA3\xD9\xA4", Controllo::CodFisc, "\xD9\xA3\xD9\xA4"},  // Arabic-Indic digits
    };
    for (const auto& c : casi) {
        const Instradamento r = InstradaCodiceFiscale(c.testo);
        EXPECT_EQ(r.controllo, c.controllo) << '"' << c.testo << '"';
        EXPECT_EQ(r.testo, c.consegnato) << '"' << c.testo << '"';
    }
}
