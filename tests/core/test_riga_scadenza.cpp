#include <gtest/gtest.h>

#include "SchedeDiProva.h"
#include "core/deadlines/RigaScadenza.h"

namespace {

std::string Riga(const TSchedaScadenza& s) {
    return scadenza::RigaScadenza(SchedaMemorizzata<TSchedaScadenza>(s).Vista());
}

TEST(RigaScadenza, PiecesInFixedColumnsAndAmountWhole) {
    const TSchedaScadenza s = prova::NuovaScadenza()
                                  .Dettagli(std::string(45, 'x'))  // cut to 40
                                  .Data("05/03/2021")
                                  .Ora("9:30")  // padded to 5
                                  .Pagatore("Rossi Mario")
                                  .Beneficiario("Pagamento")
                                  .Costo("1234567,891");  // whole, never cut

    const std::string atteso = std::string(40, 'x') + "  Data: 05/03/2021  Ora: 9:30   Contatto: " +
                               "Rossi Mario             " + "  Tipo:  " + "Pagamento               " +
                               "  \xE2\x82\xAC 1234567,891";
    EXPECT_EQ(Riga(s), atteso);
}

TEST(RigaScadenza, AccentedLettersCountAsOneCharacter) {
    // "Caffè": five characters, padded to 40
    const std::string riga = Riga(prova::NuovaScadenza().Dettagli("Caff\xC3\xA8"));
    EXPECT_EQ(riga.substr(0, 6 + 35), "Caff\xC3\xA8" + std::string(35, ' '));
    EXPECT_EQ(riga.substr(41, 8), "  Data: ");
}

}  // namespace
