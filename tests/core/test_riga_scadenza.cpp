#include <gtest/gtest.h>

#include "core/deadlines/RigaScadenza.h"

namespace {

TEST(RigaScadenza, PiecesInFixedColumnsAndAmountWhole) {
    TSchedaScadenza s;
    s.Dettagli = std::string(45, 'x');  // cut to 40
    s.Data = "05/03/2021";
    s.Ora = "9:30";                      // padded to 5
    s.Pagatore = "Rossi Mario";
    s.Beneficiario = "Pagamento";
    s.Costo = "1234567,891";             // whole, never cut

    const std::string atteso = std::string(40, 'x') + "  Data: 05/03/2021  Ora: 9:30   Contatto: " +
                               "Rossi Mario             " + "  Tipo:  " + "Pagamento               " +
                               "  \xE2\x82\xAC 1234567,891";
    EXPECT_EQ(scadenza::RigaScadenza(s), atteso);
}

TEST(RigaScadenza, AccentedLettersCountAsOneCharacter) {
    TSchedaScadenza s;
    s.Dettagli = "Caff\xC3\xA8";  // "Caffè": five characters, padded to 40
    const std::string riga = scadenza::RigaScadenza(s);
    EXPECT_EQ(riga.substr(0, 6 + 35), "Caff\xC3\xA8" + std::string(35, ' '));
    EXPECT_EQ(riga.substr(41, 8), "  Data: ");
}

}  // namespace
