#include <gtest/gtest.h>

#include <fstream>

#include "CartellaTemporanea.h"
#include "MemoriaContata.h"
#include "SchedeDiProva.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Esportazioni.h"

namespace {

using griglia::TabellaTesti;

TabellaTesti Tabella(const std::vector<std::vector<std::string>>& righe) {
    TabellaTesti t(righe.empty() ? 0 : righe[0].size());
    for (const auto& r : righe)
        for (const auto& c : r) t.AccodaCella(c);
    return t;
}

std::vector<std::string> Riga(const TabellaTesti& t, std::size_t r) {
    std::vector<std::string> celle;
    for (std::size_t c = 0; c < t.Colonne(); ++c) celle.emplace_back(t.Cella(r, c));
    return celle;
}

std::vector<std::string> Colonna(const TabellaTesti& t, std::size_t c) {
    std::vector<std::string> celle;
    for (std::size_t r = 0; r < t.Righe(); ++r) celle.emplace_back(t.Cella(r, c));
    return celle;
}

}  // namespace

TEST(TabellaTesti, CellsKeepTheirTextsThroughEdits) {
    TabellaTesti t = Tabella({{"1", "Rossi", "Roma RM"}, {"2", "Bianchi", "Forlì FC"}});
    ASSERT_EQ(t.Righe(), 2u);
    t.ImpostaCella(0, 2, "Rimini");                    // shorter: in place
    t.ImpostaCella(1, 1, "Bianchi Anna Maria Teresa");  // longer: elsewhere
    t.ImpostaCella(1, 2, t.Cella(0, 1));                // a text of the table itself
    t.ImpostaCella(0, 1, "");
    EXPECT_EQ(Riga(t, 0), (std::vector<std::string>{"1", "", "Rimini"}));
    EXPECT_EQ(Riga(t, 1), (std::vector<std::string>{"2", "Bianchi Anna Maria Teresa", "Rossi"}));
    EXPECT_THROW(t.ImpostaCella(2, 0, "x"), std::out_of_range);
}

TEST(TabellaTesti, TextsAcrossManyBlocksAndLargerThanOne) {
    // Enough text for several blocks of texts, and one cell larger than a block.
    TabellaTesti t(2);
    std::vector<std::string> attesi;
    for (int i = 0; i < 6000; ++i) {
        attesi.push_back(std::to_string(i) + std::string(static_cast<std::size_t>(i % 700), 'x'));
        attesi.push_back(i == 3000 ? std::string(3u << 20, 'g') : "è" + std::to_string(i));
    }
    for (const auto& a : attesi) t.AccodaCella(a);
    ASSERT_EQ(t.Righe(), 6000u);
    for (std::size_t r = 0; r < t.Righe(); ++r)
        for (std::size_t c = 0; c < 2; ++c) ASSERT_EQ(t.Cella(r, c), attesi[r * 2 + c]) << r;
    EXPECT_GT(t.Memoria(), (3u << 20) + 6000u * 350);
    EXPECT_LT(t.Memoria(), (3u << 20) + 6000u * 350 + (4u << 20));
    t.ImpostaCella(3000, 1, "corto");
    EXPECT_EQ(t.Cella(3000, 1), "corto");
    EXPECT_EQ(t.Cella(3001, 1), "è3001");
}

TEST(TabellaTesti, RowsAreReorderedAsWholesByTheirKeyKeepingTiesInOrder) {
    TabellaTesti t = Tabella({{"1", "03201000", "c"},
                              {"2", "03181630", "b"},
                              {"3", "03180915", "a"},
                              {"4", "b", "x"},
                              {"5", "03181630", "b2"},
                              {"6", "A", "y"}});
    t.OrdinaRighe(1);
    EXPECT_EQ(Colonna(t, 1),
              (std::vector<std::string>{"03180915", "03181630", "03181630", "03201000", "A", "b"}));
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"3", "2", "5", "1", "6", "4"}));
    EXPECT_EQ(Colonna(t, 2), (std::vector<std::string>{"a", "b", "b2", "c", "y", "x"}));
}

TEST(TabellaTesti, EqualKeysKeepFileOrderOverManyRows) {
    // Enough rows that an unstable sort would show.
    TabellaTesti t(2);
    for (int i = 0; i < 300; ++i) {
        t.AccodaCella(std::to_string(i));
        t.AccodaCella(i % 3 == 0 ? "0301" : i % 3 == 1 ? "0201" : "0101");
    }
    t.OrdinaRighe(1);
    std::string chiave = "0101";
    int precedente = -1;
    for (std::size_t r = 0; r < t.Righe(); ++r) {
        const int i = std::stoi(std::string(t.Cella(r, 0)));
        if (t.Cella(r, 1) != chiave) {
            EXPECT_LT(chiave, t.Cella(r, 1));
            chiave = t.Cella(r, 1);
            precedente = -1;
        }
        EXPECT_LT(precedente, i) << "row " << r;
        precedente = i;
    }
    EXPECT_EQ(chiave, "0301");
}

TEST(GrigliaContatti, EveryRecordIsARowInFileOrderAndExportsTrimmed) {
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    TSchedaContatto roma;
    roma.Cliente = "Rossi Mario";
    roma.ComuneNasc = "Roma";
    roma.ProvNasc = "RM";
    roma.ComuneRes = "Roma";
    roma.Iban = "IT60X0542811101000000123456";
    roma.Note = "a & <b>";
    roma.File01 = "non mostrato.pdf";
    TSchedaContatto senzaProvincia = roma;
    senzaProvincia.Cliente = "Bianchi";
    senzaProvincia.ProvNasc = "";
    senzaProvincia.ProvRes = "";
    TSchedaContatto vuoto;
    {
        TArchivioContatti a;
        a.Apri(file);
        for (const auto& s : {roma, senzaProvincia, vuoto}) a.AccodaScheda(s);
    }
    TabellaTesti t;
    griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, file);
    ASSERT_EQ(t.Righe(), 3u);
    ASSERT_EQ(t.Colonne(), 26u);
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Colonna(t, 1), (std::vector<std::string>{"Rossi Mario", "Bianchi", ""}));
    EXPECT_EQ(Colonna(t, 3), (std::vector<std::string>{"Roma RM", "Roma ", " "}));
    EXPECT_EQ(Colonna(t, 6), (std::vector<std::string>{"Roma ", "Roma ", " "}));
    EXPECT_EQ(t.Cella(0, 17), "IT60X0542811101000000123456");
    EXPECT_EQ(t.Cella(0, 25), "a & <b>");

    const foglio::Righe esportate = griglia::RigheEsportate(t);
    ASSERT_EQ(esportate.numero, 3u);
    EXPECT_EQ(esportate.cella(0, 0), "Rossi Mario");  // grid column 1
    EXPECT_EQ(esportate.cella(0, 2), "Roma RM");
    EXPECT_EQ(esportate.cella(1, 2), "Roma");
    EXPECT_EQ(esportate.cella(2, 2), "");
    EXPECT_EQ(esportate.cella(0, 24), "a & <b>");  // the last exported column: Note
}

TEST(GrigliaContatti, CellsAreTheFieldsAsShownWhateverTheyHold) {
    // Fields with blanks and controls around, accents, the euro and other bytes of two and
    // three UTF-8 bytes, empty and full to capacity: each cell is its field as the card
    // shows it (the record converted whole), joined fields with one blank.
    const std::vector<std::string> testi = {"  Forlì  ", "\t€ 12,50\r\n", "", "   ",
                                            "Œuvre “citata” – ok", std::string(300, 'z'),
                                            "\x7f", "ÿ"};
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    std::vector<TSchedaContatto> schede;
    for (std::size_t i = 0; i < 24; ++i) {
        TSchedaContatto s = prova::ContattoPieno("n" + std::to_string(i));
        std::size_t k = i;
        for (const auto& c : TSchedaContatto::Campi) s.*(c.membro) = testi[k++ % testi.size()];
        schede.push_back(s);
    }
    {
        TArchivioContatti a;
        a.Apri(file);
        for (const auto& s : schede) a.AccodaScheda(s);
    }
    {
        // Saving trims, but a file may come from elsewhere: blanks around the first name.
        std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
        const std::string campo = "\x09  Forl\xEC  ";  // length byte, then Windows-1252
        f.seekp(OffsetCampo<TSchedaContatto>("Cliente"));
        f.write(campo.data(), static_cast<std::streamsize>(campo.size()));
    }
    MemoriaContata memoria;
    {
        TabellaTesti t(0, &memoria);
        griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, file);
        EXPECT_EQ(t.Fonte(), &memoria);
        ASSERT_EQ(t.Righe(), schede.size());
        TArchivioContatti a;
        a.Apri(file, Accesso::SolaLettura);
        std::size_t r = 0;
        a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
            for (std::size_t c = 1; c < t.Colonne(); ++c) {
                const auto& colonna = esportazione::Contatti.colonne[c];
                std::string attesa = s.*(colonna.campo);
                if (colonna.seguito) attesa += " " + s.*(colonna.seguito);
                EXPECT_EQ(t.Cella(r, c), attesa) << "row " << r << ", " << colonna.intestazione;
            }
            ++r;
            return true;
        });
        EXPECT_GT(memoria.inUso, 0u);
        TabellaTesti spostata = std::move(t);
        EXPECT_EQ(spostata.Cella(0, 1), "Forlì");
    }
    EXPECT_EQ(memoria.inUso, 0u) << "the table gives back all it took";
}

TEST(GrigliaContatti, AMissingArchiveIsCreatedEmptyAndAFolderGivesNoRows) {
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    TabellaTesti t = Tabella({{"vecchia"}});
    griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, file);
    EXPECT_EQ(t.Righe(), 0u);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_THROW(griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, file),
                 ErroreAccessoArchivio);
    EXPECT_EQ(t.Righe(), 0u);
}

TEST(GrigliaScadenze, FieldsInTheirColumnsThePredicateAndTheKey) {
    CartellaTemporanea cartella;
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), 2021);
    auto scadenza = [](const char* data, const char* ora, const char* effettuata) {
        TSchedaScadenza s;
        s.Data = data;
        s.Ora = ora;
        s.Dettagli = std::string("causale ") + data;
        s.Officina = "Bonifico";
        s.Costo = "12,50";
        s.Effettuata = effettuata;
        s.DaConfermare = "No";
        return s;
    };
    {
        TArchivioScadenze a;
        a.Apri(file);
        a.AccodaScheda(scadenza("20/03/2021", "10:00", "No"));
        a.AccodaScheda(scadenza("18/03/2021", "16:30", "Sì"));
        a.AccodaScheda(scadenza("18/03/2021", "09:15", "No"));
    }
    TabellaTesti t;
    griglia::Riempi<TSchedaScadenza>(t, esportazione::Scadenze.colonne, file);
    ASSERT_EQ(t.Righe(), 3u);
    EXPECT_EQ(Riga(t, 1)[0], "2");
    EXPECT_EQ(Riga(t, 1)[1], "18/03/2021");
    EXPECT_EQ(Riga(t, 1)[2], "16:30");
    EXPECT_EQ(Riga(t, 1)[4], "causale 18/03/2021");
    EXPECT_EQ(Riga(t, 1)[5], "Bonifico");
    EXPECT_EQ(Riga(t, 1)[6], "12,50");
    EXPECT_EQ(Colonna(t, 18), (std::vector<std::string>{"No", "Sì", "No"}));

    // A list of some records only, numbered among themselves and reordered by a column.
    griglia::Riempi<TSchedaScadenza>(
        t, esportazione::Scadenze.colonne, file,
        [](const VistaScheda<TSchedaScadenza>& s) {
            return s.Testo(&TSchedaScadenza::Effettuata) == "No";
        },
        std::size_t{2});
    EXPECT_EQ(Colonna(t, 2), (std::vector<std::string>{"09:15", "10:00"}));
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"2", "1"}));
}
