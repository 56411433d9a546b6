#include <gtest/gtest.h>

#include "core/archive/Navigazione.h"
#include "core/records/RegoleScheda.h"

TEST(RegoleScheda, NavigationSteps) {
    using N = Navigazione;
    using P = PassoNavigazione;
    struct Caso {
        N comando;
        std::int64_t corrente, totale;
        P::Esito esito;
        std::int64_t posizione;
        bool svuota, contato;
    } casi[] = {
        {N::Primo, 0, 0, P::ArchivioVuoto, 0, false, true},
        {N::Ultimo, 2, 0, P::ArchivioVuoto, 0, false, true},
        {N::Avanti, 0, 0, P::ArchivioVuoto, 0, true, true},
        {N::Avanti, 3, 0, P::ArchivioVuoto, 0, true, true},
        {N::Indietro, 0, 0, P::ArchivioVuoto, 0, false, true},
        {N::Primo, 4, 5, P::Mostra, 1, false, true},
        {N::Ultimo, 0, 5, P::Mostra, 5, false, true},
        {N::Avanti, 0, 5, P::Mostra, 1, false, true},
        {N::Avanti, 2, 5, P::Mostra, 3, false, true},
        {N::Avanti, 5, 5, P::Niente, 0, false, true},
        {N::Indietro, 0, 5, P::Mostra, 1, false, true},
        {N::Indietro, 4, 5, P::Mostra, 3, false, true},
        {N::Indietro, 1, 5, P::Niente, 0, false, false},
        {N::Indietro, 1, 0, P::Niente, 0, false, false},
        {N::Indietro, 9, 5, P::Mostra, 5, false, true},
    };
    for (const auto& c : casi) {
        bool contato = false;
        const P p = Naviga(c.comando, c.corrente, [&] { return contato = true, c.totale; });
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.comando) << " from " << c.corrente
                                        << " of " << c.totale);
        EXPECT_EQ(p.esito, c.esito);
        if (c.esito == P::Mostra) {
            EXPECT_EQ(p.posizione, c.posizione);
        }
        EXPECT_EQ(p.svuotaPosizione, c.svuota);
        EXPECT_EQ(contato, c.contato);
    }
}
