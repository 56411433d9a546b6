#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/archive/Navigazione.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

constexpr std::size_t kDim = 1628;

std::string Testo(const std::vector<unsigned char>& byte, std::size_t offset) {
    return std::string(byte.begin() + offset + 1, byte.begin() + offset + 1 + byte[offset]);
}

TSchedaScadenza Scheda(const std::string& causale) {
    return prova::NuovaScadenza(prova::Scadenza("05/03/2021", "09:30", "Rossi Mario", causale))
        .Costo("12,50")
        .Spunte(false, true);
}

class ArchivioScadenze : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    std::filesystem::path file = TArchivioScadenze::Percorso(cartella.percorso(), "2021");

    void Accoda(std::initializer_list<const char*> causali) {
        for (const char* c : causali) SalvaScheda<TArchivioScadenze>(file, 0, Scheda(c));
    }
    std::string Causale(std::int64_t n) {
        TArchivioScadenze a;
        a.Apri(file);
        return a.LeggiScheda(n).Dettagli;
    }
};

}  // namespace

TEST(TracciatoScadenza, EveryFieldAtItsOffset) {
    const std::pair<const char*, long> attesi[] = {
        {"Giorno", 0},        {"Mese", 3},           {"Anno", 14},        {"Data", 19},
        {"OreApp", 30},       {"MinutiApp", 33},     {"Ora", 36},         {"Avviso", 42},
        {"Pagatore", 46},     {"CodFisc", 97},       {"NumTessera", 114}, {"Carica", 165},
        {"TelCel", 416},      {"Recapito", 447},     {"Anticipi", 498},   {"Complessivo", 749},
        {"Rateazione", 800},  {"Beneficiario", 851}, {"Dettagli", 902},   {"Officina", 1153},
        {"Costo", 1304},      {"Contatto", 1320},    {"Note", 1371},      {"DaConfermare", 1622},
        {"Effettuata", 1625},
    };
    ASSERT_EQ(std::size(attesi), TSchedaScadenza::Campi.size());
    for (const auto& [nome, offset] : attesi)
        EXPECT_EQ(OffsetCampo<TSchedaScadenza>(nome), offset) << nome;
    EXPECT_EQ(TArchivioScadenze::Dimensione, kDim);

    // Each field really lands where the table says: write a marker into each one.
    TSchedaScadenza s;
    int k = 0;
    for (const auto& c : TSchedaScadenza::Campi) s.*(c.membro) = std::string(1, 'A' + k++);
    unsigned char byte[kDim];
    CodificaScheda(s, byte);
    k = 0;
    for (const auto& [nome, offset] : attesi) {
        EXPECT_EQ(byte[offset], 1) << nome;
        EXPECT_EQ(byte[offset + 1], 'A' + k++) << nome;
    }
}

TEST(TracciatoScadenza, FileNames) {
    const std::filesystem::path cartella = "/programma";
    EXPECT_EQ(TArchivioScadenze::Percorso(cartella, "2021"), "/programma/2021.rcd");
    EXPECT_EQ(TArchivioScadenze::Percorso(cartella, 2021), "/programma/2021.rcd");
    EXPECT_EQ(TArchivioScadenze::Percorso(cartella, 7), "/programma/0007.rcd");
    EXPECT_EQ(TArchivioScadenze::Percorso(cartella, "0000"), "/programma/0000.rcd");
    EXPECT_EQ(TArchivioScadenze::Percorso(cartella, 9999), "/programma/9999.rcd");
}

TEST(TracciatoScadenza, AYearFileIsNamedFromFourDigitsOnly) {
    const std::filesystem::path cartella = "/programma";
    for (const char* anno : {"../x", "..", "/etc", "x/..", "202", "20211", "20 1", " 2021", "abcd",
                             "-001", "+202", "\xEF\xBC\x92" "021", ""}) {
        EXPECT_FALSE(TArchivioScadenze::AnnoValido(anno)) << anno;
        EXPECT_THROW(TArchivioScadenze::Percorso(cartella, anno), ErroreAccessoArchivio) << anno;
    }
    for (const int anno : {-1, 10000, -2021})
        EXPECT_THROW(TArchivioScadenze::Percorso(cartella, anno), ErroreAccessoArchivio) << anno;
}

TEST_F(ArchivioScadenze, ACardForFiveMarchAtHalfPastNine) {
    const auto esito = scadenza::PreparaSalvataggio(Scheda("Rata"));
    ASSERT_FALSE(esito.rifiuto);
    EXPECT_EQ(SalvaScheda<TArchivioScadenze>(file, 0, esito.scheda), 1);
    const auto byte = LeggiByte(file);
    ASSERT_EQ(byte.size(), kDim);
    EXPECT_EQ(Testo(byte, 0), "05");
    EXPECT_EQ(Testo(byte, 3), "Marzo");
    EXPECT_EQ(Testo(byte, 14), "2021");
    EXPECT_EQ(Testo(byte, 19), "05/03/2021");
    EXPECT_EQ(Testo(byte, 30), "09");
    EXPECT_EQ(Testo(byte, 33), "30");
    EXPECT_EQ(Testo(byte, 36), "09:30");
    EXPECT_EQ(Testo(byte, 1304), "12,50");
    // Ticked "Impegno assolto", unticked "Appuntamento da confermare".
    EXPECT_EQ(std::vector<unsigned char>(byte.begin() + 1625, byte.begin() + 1628),
              (std::vector<unsigned char>{0x02, 0x53, 0xEC}));
    EXPECT_EQ(std::vector<unsigned char>(byte.begin() + 1622, byte.begin() + 1625),
              (std::vector<unsigned char>{0x02, 0x4E, 0x6F}));

    TArchivioScadenze a;
    a.Apri(file);
    const auto letta = a.LeggiScheda(1);
    EXPECT_EQ(flag::Leggi(letta.Effettuata), 1);
    EXPECT_EQ(flag::Leggi(letta.DaConfermare), 0);
    EXPECT_EQ(letta.Data, "05/03/2021");
}

TEST_F(ArchivioScadenze, ThreeAppendsToAnEmptyArchive) {
    Accoda({"Uno", "Due", "Tre"});
    const auto byte = LeggiByte(file);
    ASSERT_EQ(byte.size(), 4884u);
    EXPECT_EQ(Testo(byte, 3256 + 902), "Tre");
    EXPECT_EQ(Testo(byte, 3256), "05");
}

TEST_F(ArchivioScadenze, ATrailingPieceIsNeverReadAndTheNextAppendCoversIt) {
    Accoda({"Uno", "Due"});
    auto byte = LeggiByte(file);
    byte.resize(kDim * 2 + 100, 0xAB);
    ScriviByte(file, byte);
    {
        TArchivioScadenze a;
        a.Apri(file);
        EXPECT_EQ(a.NumeroSchede(), 2);
        int visti = 0;
        a.LeggiTutte([&](std::int64_t, const TSchedaScadenza&) { return ++visti, true; });
        EXPECT_EQ(visti, 2);
    }
    EXPECT_EQ(SalvaScheda<TArchivioScadenze>(file, 0, Scheda("Tre")), 3);
    byte = LeggiByte(file);
    ASSERT_EQ(byte.size(), kDim * 3);
    EXPECT_EQ(Testo(byte, 3256), "05");
    EXPECT_EQ(Testo(byte, 3256 + 902), "Tre");
}

TEST_F(ArchivioScadenze, SavingAStoredCardOverwritesOnlyItsRecord) {
    Accoda({"Uno", "Due", "Tre"});
    const auto prima = LeggiByte(file);
    EXPECT_EQ(SalvaScheda<TArchivioScadenze>(file, 2, Scheda("Nuova causale")), 2);
    const auto dopo = LeggiByte(file);
    ASSERT_EQ(dopo.size(), prima.size());
    EXPECT_TRUE(std::equal(prima.begin(), prima.begin() + kDim, dopo.begin()));
    EXPECT_TRUE(std::equal(prima.begin() + 2 * kDim, prima.end(), dopo.begin() + 2 * kDim));
    EXPECT_EQ(Causale(2), "Nuova causale");
}

TEST_F(ArchivioScadenze, SavingAPositionPastTheEndFailsAndWritesNothing) {
    Accoda({"Uno"});
    EXPECT_THROW(SalvaScheda<TArchivioScadenze>(file, 2, Scheda("Due")), ErroreAccessoArchivio);
    EXPECT_EQ(std::filesystem::file_size(file), kDim);
}

TEST_F(ArchivioScadenze, TextsAreCutToTheCapacityAndTrimmed) {
    TSchedaScadenza s = Scheda("  causale con blank \t ");
    s.Rateazione = std::string(30, 'a') + std::string(50, 'b');  // 80 characters
    s.Complessivo = "Forlì";
    SalvaScheda<TArchivioScadenze>(file, 0, s);
    TArchivioScadenze a;
    a.Apri(file);
    const auto letta = a.LeggiScheda(1);
    EXPECT_EQ(letta.Rateazione, std::string(30, 'a') + std::string(20, 'b'));
    EXPECT_EQ(letta.Dettagli, "causale con blank");
    EXPECT_EQ(letta.Complessivo, "Forlì");
    const auto byte = LeggiByte(file);
    EXPECT_EQ(byte[800], 50);
    EXPECT_EQ(byte[902], 17);
    EXPECT_EQ(byte[749 + 5], 0xEC);  // ì in Windows-1252
}

TEST_F(ArchivioScadenze, BrowsingAMissingArchiveCreatesItEmpty) {
    const auto passo = NavigaArchivio<TArchivioScadenze>(file, Navigazione::Avanti, 0);
    EXPECT_EQ(passo.passo.esito, PassoNavigazione::ArchivioVuoto);
    EXPECT_TRUE(passo.passo.svuotaPosizione);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

TEST_F(ArchivioScadenze, NavigationReadsTheRecordOfEachStep) {
    Accoda({"Uno", "Due", "Tre"});
    struct Caso {
        Navigazione comando;
        std::int64_t corrente;
        const char* causale;
    } casi[] = {
        {Navigazione::Primo, 3, "Uno"},    {Navigazione::Ultimo, 0, "Tre"},
        {Navigazione::Avanti, 1, "Due"},   {Navigazione::Avanti, 0, "Uno"},
        {Navigazione::Indietro, 3, "Due"}, {Navigazione::Indietro, 0, "Uno"},
    };
    for (const auto& c : casi) {
        const auto n = NavigaArchivio<TArchivioScadenze>(file, c.comando, c.corrente);
        EXPECT_EQ(n.passo.esito, PassoNavigazione::Mostra) << c.causale;
        EXPECT_EQ(n.scheda.Dettagli, c.causale);
    }
    EXPECT_EQ(NavigaArchivio<TArchivioScadenze>(file, Navigazione::Avanti, 3).passo.esito,
              PassoNavigazione::Niente);
}

TEST_F(ArchivioScadenze, SteppingBackFromTheFirstRecordLeavesTheArchiveAlone) {
    const auto n = NavigaArchivio<TArchivioScadenze>(file, Navigazione::Indietro, 1);
    EXPECT_EQ(n.passo.esito, PassoNavigazione::Niente);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ArchivioScadenze, AFolderWhereTheFileShouldBeIsAnAccessFailure) {
    std::filesystem::create_directory(file);
    EXPECT_THROW(SalvaScheda<TArchivioScadenze>(file, 0, Scheda("Uno")), ErroreAccessoArchivio);
    EXPECT_THROW(NavigaArchivio<TArchivioScadenze>(file, Navigazione::Primo, 0),
                 ErroreAccessoArchivio);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(ArchivioScadenze, AMissingParentFolderIsAnAccessFailure) {
    const auto altrove = TArchivioScadenze::Percorso(cartella / "manca", 2021);
    EXPECT_THROW(SalvaScheda<TArchivioScadenze>(altrove, 0, Scheda("Uno")), ErroreAccessoArchivio);
    EXPECT_FALSE(std::filesystem::exists(cartella / "manca"));
}

namespace {

// An import's records, prepared in blocks before the archive is opened, some left out, then
// appended after what the archive holds: every record kept, in order, across the blocks.
TEST_F(ArchivioScadenze, RecordsPreparedInBlocksAppendInOrderWithThoseLeftOut) {
    Accoda({"già presente"});
    using Blocchi = SchedeMemorizzate<TSchedaScadenza>;
    const std::size_t quante = 2 * Blocchi::kPerBlocco + 7;  // two whole blocks and a piece
    Blocchi pronte;
    for (std::size_t i = 0; i < quante; ++i) pronte.Aggiungi(Scheda(std::to_string(i)));
    pronte.Tieni([](const VistaScheda<TSchedaScadenza>& v) {
        return std::stoul(std::string(v.Byte(&TSchedaScadenza::Dettagli))) % 3 != 0;
    });
    ASSERT_EQ(pronte.size(), quante - (quante + 2) / 3);
    {
        TArchivioScadenze a;
        a.Apri(file);
        a.AccodaSchede(pronte);
    }
    const auto tutte = LeggiScadenzeSenzaCreare(file);
    ASSERT_EQ(tutte.size(), 1 + pronte.size());
    EXPECT_EQ(tutte[0].Dettagli, "già presente");
    std::size_t atteso = 1;
    for (std::size_t k = 1; k < tutte.size(); ++k, ++atteso) {
        if (atteso % 3 == 0) ++atteso;
        ASSERT_EQ(tutte[k].Dettagli, std::to_string(atteso)) << "record " << k;
        EXPECT_EQ(tutte[k].Costo, "12,50");
    }
}

}  // namespace
