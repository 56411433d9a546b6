#include <gtest/gtest.h>

#include "SchedeDiProva.h"
#include "core/contacts/StampaContatto.h"

TEST(StampaContatto, RowsFollowTheCardWithTheirJoinedValues) {
    const TSchedaContatto s = prova::NuovoContatto()
                                  .Cliente("  Rossi Mario ")
                                  .ComuneNasc("Forlì")
                                  .ProvNasc("FC")
                                  .ComuneRes("Bologna")
                                  .ProvRes(" BO")
                                  .Carta("4111111111111111")
                                  .ScadeCarta("12/28")
                                  .Zona("Nord")
                                  .Note("[DATE] resta com'è")
                                  .CapRes("40100")    // not printed
                                  .Civile("Celibe");  // not printed

    const auto carta = RigheStampaContatto(s, false);
    EXPECT_EQ(carta[0].titolo, "Cognome e nome:");
    EXPECT_EQ(carta[0].valore, "Rossi Mario");
    EXPECT_EQ(carta[2].valore, "Forlì FC");
    EXPECT_EQ(carta[6].valore, "Bologna BO");
    EXPECT_EQ(carta[7].titolo, "Modalità pagamento:");
    EXPECT_EQ(carta[15].valore, "N. 4111111111111111  -  Scadenza: 12/28");
    EXPECT_EQ(carta[21].titolo, "Zona:");
    EXPECT_EQ(carta[21].valore, "Nord");
    EXPECT_EQ(carta[23].valore, "[DATE] resta com'è");
    EXPECT_EQ(RigheStampaContatto(s, true)[21].titolo, "Zona di appartenenza:");
    for (const auto& r : carta) {
        EXPECT_EQ(r.valore.find("40100"), std::string::npos);
        EXPECT_EQ(r.valore.find("Celibe"), std::string::npos);
    }
}

TEST(StampaContatto, AnEmptyBirthPlacePrintsASingleBlank) {
    EXPECT_EQ(RigheStampaContatto(TSchedaContatto{}, false)[2].valore, " ");
}
