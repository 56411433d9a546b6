#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

template <class Scheda>
void OgniCampoAlSuoPosto() {
    for (const auto& c : Scheda::Campi) {
        const PosizioneCampo p = CampoDi<Scheda>(c.membro);
        EXPECT_EQ(static_cast<long>(p.offset), OffsetCampo<Scheda>(c.nome)) << c.nome;
        EXPECT_EQ(p.capacita, c.capacita) << c.nome;
    }
}

}  // namespace

TEST(VistaScheda, FieldsFoundByMemberAreThoseOfTheLayout) {
    OgniCampoAlSuoPosto<TSchedaContatto>();
    OgniCampoAlSuoPosto<TSchedaScadenza>();
    static_assert(CampoDi<TSchedaContatto>(&TSchedaContatto::Ricontatta).offset == 1863);
    static_assert(CampoDi<TSchedaScadenza>(&TSchedaScadenza::Effettuata).offset == 1625);
}

TEST(VistaScheda, TheScanShowsEachRecordAsStoredAndWholeOnRequest) {
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    {
        TArchivioContatti a;
        a.Apri(file);
        for (const char* nome : {"Uno", "  Due  ", "Tre", "Quattro"}) {
            a.AccodaScheda(prova::Contatto(nome, "Forlì", std::string("nota di ") + nome));
        }
    }
    // Damage record 3: a length byte beyond the capacity reads as the capacity.
    auto byte = LeggiByte(file);
    byte[2 * 3372] = 200;
    std::fill(byte.begin() + 2 * 3372 + 1, byte.begin() + 2 * 3372 + 51, 'x');
    ScriviByte(file, byte);

    TArchivioContatti a;
    a.Apri(file);
    std::vector<std::int64_t> posizioni;
    a.ScorriTutte([&](std::int64_t pos, const VistaScheda<TSchedaContatto>& v) {
        posizioni.push_back(pos);
        const TSchedaContatto letta = a.LeggiScheda(pos);
        const TSchedaContatto tutta = v.Tutta();
        for (const auto& c : TSchedaContatto::Campi) {
            EXPECT_EQ(tutta.*(c.membro), letta.*(c.membro)) << pos << " " << c.nome;
            EXPECT_EQ(v.Testo(c.membro), letta.*(c.membro)) << pos << " " << c.nome;
        }
        EXPECT_EQ(v.Byte(&TSchedaContatto::ComuneRes), "Forl\xEC");
        return pos < 3;  // the visitor may stop
    });
    EXPECT_EQ(posizioni, (std::vector<std::int64_t>{1, 2, 3}));

    // The stored bytes are what the card stored (trimmed when stored) or the capacity.
    std::vector<std::string> clienti;
    a.ScorriTutte([&](std::int64_t, const VistaScheda<TSchedaContatto>& v) {
        clienti.emplace_back(v.Byte(&TSchedaContatto::Cliente));
        return true;
    });
    EXPECT_EQ(clienti, (std::vector<std::string>{"Uno", "Due", std::string(50, 'x'), "Quattro"}));
}
