#include <gtest/gtest.h>

#include <random>

#include "CartellaTemporanea.h"
#include "FileCheCede.h"
#include "SchedeDiProva.h"
#include "core/contacts/TArchivioContatti.h"

namespace {

constexpr std::size_t kDim = 3372;

TSchedaContatto Scheda(const std::string& nome) {
    return prova::NuovoContatto(prova::Contatto(nome, "Forlì", "costa 10 €")).Ricontatta("No");
}

class ArchivioContatti : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    std::filesystem::path file = TArchivioContatti::Percorso(cartella.percorso());

    void Accoda(std::initializer_list<const char*> nomi) {
        TArchivioContatti a;
        a.Apri(file);
        for (const char* n : nomi) a.AccodaScheda(Scheda(n));
        a.Chiudi();
    }
};

}  // namespace

TEST(TracciatoContatto, EveryFieldAtItsOffset) {
    const std::pair<const char*, long> attesi[] = {
        {"Cliente", 0},     {"DataNasc", 51},     {"ComuneNasc", 82},    {"ProvNasc", 133},
        {"Sesso", 136},     {"Recapito", 138},    {"IndirizzoRes", 189}, {"ProvRes", 240},
        {"ComuneRes", 243}, {"CapRes", 294},      {"Estremi", 300},      {"TelCasa", 551},
        {"TelUff", 582},    {"TelCel", 613},      {"Fax", 644},          {"Email", 675},
        {"CodFisc", 726},   {"Carta", 743},       {"ScadeCarta", 774},   {"PartitaIva", 805},
        {"Iban", 817},      {"Documento", 845},   {"Occupazione", 966},  {"Civile", 1017},
        {"Titoli", 1068},   {"Prodotti", 1189},   {"Zona", 1310},        {"Questioni", 1361},
        {"Note", 1612},     {"Ricontatta", 1863}, {"File01", 1866},      {"File02", 2117},
        {"File03", 2368},   {"Desc01", 2619},     {"Desc02", 2870},      {"Desc03", 3121},
    };
    ASSERT_EQ(std::size(attesi), TSchedaContatto::Campi.size());
    for (const auto& [nome, offset] : attesi)
        EXPECT_EQ(OffsetCampo<TSchedaContatto>(nome), offset) << nome;
    EXPECT_EQ(TArchivioContatti::Dimensione, kDim);

    // Each field really lands where the table says: write a marker into each one.
    TSchedaContatto s;
    int k = 0;
    for (const auto& c : TSchedaContatto::Campi) s.*(c.membro) = std::string(1, 'A' + k++ % 26);
    unsigned char byte[kDim];
    CodificaScheda(s, byte);
    k = 0;
    for (const auto& [nome, offset] : attesi) {
        EXPECT_EQ(byte[offset], 1) << nome;
        EXPECT_EQ(byte[offset + 1], 'A' + k++ % 26) << nome;
    }
}

TEST(TracciatoContatto, RecontactFlagBytes) {
    unsigned char byte[kDim];
    TSchedaContatto s;
    s.Ricontatta = flag::Da(true);
    CodificaScheda(s, byte);
    EXPECT_EQ(byte[1863], 0x02);
    EXPECT_EQ(byte[1864], 0x53);
    EXPECT_EQ(byte[1865], 0xEC);
    s.Ricontatta = flag::Da(false);
    CodificaScheda(s, byte);
    EXPECT_EQ(byte[1863], 0x02);
    EXPECT_EQ(byte[1864], 0x4E);
    EXPECT_EQ(byte[1865], 0x6F);
    EXPECT_EQ(flag::Leggi(" Sì "), 1);
    EXPECT_EQ(flag::Leggi("No"), 0);
    EXPECT_EQ(flag::Leggi(""), -1);
    // Read as stored: "Sì" is two bytes there, and its UTF-8 form means neither.
    const std::pair<std::string_view, int> archivio[] = {
        {"S\xEC", 1}, {" S\xEC\r\n", 1}, {"No", 0}, {"\tNo ", 0}, {"", -1},
        {"S\xC3\xAC", -1}, {"Si", -1}, {"no", -1}, {"S\xEC\xEC", -1}};
    for (const auto& [byte, atteso] : archivio) EXPECT_EQ(flag::LeggiArchivio(byte), atteso) << byte;
}

TEST_F(ArchivioContatti, OpeningAMissingFileCreatesItEmpty) {
    TArchivioContatti a;
    a.Apri(file);
    EXPECT_EQ(a.NumeroSchede(), 0);
    a.Chiudi();
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

TEST_F(ArchivioContatti, AppendsGoAtTheEnd) {
    TArchivioContatti a;
    a.Apri(file);
    EXPECT_EQ(a.AccodaScheda(Scheda("Uno")), 1);
    EXPECT_EQ(a.AccodaScheda(Scheda("Due")), 2);
    EXPECT_EQ(a.AccodaScheda(Scheda("Tre")), 3);
    a.Chiudi();
    const auto byte = LeggiByte(file);
    ASSERT_EQ(byte.size(), 10116u);
    EXPECT_EQ(byte[6744], 3);
    EXPECT_EQ(std::string(byte.begin() + 6745, byte.begin() + 6748), "Tre");
}

TEST_F(ArchivioContatti, ATrailingPieceIsNeverReadAndTheNextAppendCoversIt) {
    Accoda({"Uno", "Due"});
    auto byte = LeggiByte(file);
    byte.resize(kDim * 2 + 100, 0xAB);
    ScriviByte(file, byte);

    TArchivioContatti a;
    a.Apri(file);
    EXPECT_EQ(a.NumeroSchede(), 2);
    int visti = 0;
    a.LeggiTutte([&](std::int64_t, const TSchedaContatto&) { return ++visti, true; });
    EXPECT_EQ(visti, 2);
    EXPECT_EQ(a.AccodaScheda(Scheda("Tre")), 3);
    a.Chiudi();
    EXPECT_EQ(std::filesystem::file_size(file), kDim * 3);
}

TEST_F(ArchivioContatti, OverwritingTouchesOnlyItsRecord) {
    Accoda({"Uno", "Due", "Tre"});
    const auto prima = LeggiByte(file);
    TArchivioContatti a;
    a.Apri(file);
    a.ScriviScheda(2, Scheda("Nuovo nome"));
    a.Chiudi();
    const auto dopo = LeggiByte(file);
    ASSERT_EQ(dopo.size(), prima.size());
    EXPECT_TRUE(std::equal(prima.begin(), prima.begin() + kDim, dopo.begin()));
    EXPECT_TRUE(std::equal(prima.begin() + 2 * kDim, prima.end(), dopo.begin() + 2 * kDim));
    a.Apri(file);
    EXPECT_EQ(a.LeggiScheda(2).Cliente, "Nuovo nome");
    EXPECT_EQ(a.LeggiScheda(3).Cliente, "Tre");
}

TEST_F(ArchivioContatti, FieldsAreTrimmedCutAndConverted) {
    TSchedaContatto s = Scheda(std::string(60, 'N'));
    s.Note = " \t  testo con blank  \x01\r\n";
    s.Email = "  ";
    TArchivioContatti a;
    a.Apri(file);
    a.AccodaScheda(s);
    const TSchedaContatto letta = a.LeggiScheda(1);
    a.Chiudi();
    EXPECT_EQ(letta.Cliente, std::string(50, 'N'));
    EXPECT_EQ(letta.Note, "testo con blank");
    EXPECT_EQ(letta.Email, "");
    EXPECT_EQ(letta.ComuneRes, "Forlì");
    const auto byte = LeggiByte(file);
    EXPECT_EQ(byte[0], 50);
    EXPECT_EQ(byte[243], 5);
    EXPECT_EQ(byte[243 + 5], 0xEC);  // ì in Windows-1252
    EXPECT_EQ(byte[1612], 15);
    EXPECT_EQ(letta.Note.size(), 15u);
}

TEST_F(ArchivioContatti, LeggiTutteGivesPositionsAndMayStop) {
    Accoda({"Uno", "Due", "Tre", "Quattro"});
    TArchivioContatti a;
    a.Apri(file);
    std::vector<std::pair<std::int64_t, std::string>> visti;
    a.LeggiTutte([&](std::int64_t pos, const TSchedaContatto& s) {
        visti.emplace_back(pos, s.Cliente);
        return pos < 3;
    });
    ASSERT_EQ(visti.size(), 3u);
    EXPECT_EQ(visti[0], (std::pair<std::int64_t, std::string>{1, "Uno"}));
    EXPECT_EQ(visti[2], (std::pair<std::int64_t, std::string>{3, "Tre"}));
}

TEST_F(ArchivioContatti, AnOverlongLengthByteReadsAsTheCapacity) {
    Accoda({"Uno"});
    auto byte = LeggiByte(file);
    byte[0] = 255;  // Cliente claims 255 bytes of a 50-byte field
    std::fill(byte.begin() + 1, byte.begin() + 51, 'x');
    byte[51] = 200;  // DataNasc claims 200 of 30
    std::fill(byte.begin() + 52, byte.begin() + 82, 'y');
    ScriviByte(file, byte);
    TArchivioContatti a;
    a.Apri(file);
    const auto s = a.LeggiScheda(1);
    EXPECT_EQ(s.Cliente, std::string(50, 'x'));
    EXPECT_EQ(s.DataNasc, std::string(30, 'y'));
    EXPECT_EQ(s.ComuneNasc, "");  // the next field is untouched
}

TEST_F(ArchivioContatti, RandomBytesNeverCrashTheReader) {
    std::mt19937 rng(12345);
    std::vector<unsigned char> byte(kDim * 20 + 17);
    for (auto& b : byte) b = static_cast<unsigned char>(rng());
    ScriviByte(file, byte);
    TArchivioContatti a;
    a.Apri(file);
    int visti = 0;
    a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
        for (const auto& c : TSchedaContatto::Campi)
            EXPECT_LE((s.*(c.membro)).size(), c.capacita * 3);  // UTF-8 of ≤ capacity bytes
        return ++visti, true;
    });
    EXPECT_EQ(visti, 20);
}

TEST_F(ArchivioContatti, AFolderWhereTheFileShouldBeIsAnAccessFailure) {
    std::filesystem::create_directory(file);
    TArchivioContatti a;
    EXPECT_THROW(a.Apri(file), ErroreAccessoArchivio);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(ArchivioContatti, AMissingParentFolderIsAnAccessFailure) {
    TArchivioContatti a;
    EXPECT_THROW(a.Apri(cartella / "manca" / "Contatti.rub"), ErroreAccessoArchivio);
    EXPECT_FALSE(std::filesystem::exists(cartella / "manca"));
}

TEST_F(ArchivioContatti, AnExistingFileIsNeverTruncatedByOpening) {
    Accoda({"Uno", "Due"});
    const auto prima = LeggiByte(file);
    for (int i = 0; i < 3; ++i) {
        TArchivioContatti a;
        a.Apri(file);
        EXPECT_EQ(a.NumeroSchede(), 2);
    }
    EXPECT_EQ(LeggiByte(file), prima);
}

TEST(ArchivioContattiGuasto, AFailingWriteIsReportedAndEarlierRecordsStay) {
    std::vector<unsigned char> dati;
    {
        TArchivioContatti a;
        a.ApriSu(std::make_unique<FileCheCede>(dati, kDim * 2 + 1000));
        a.AccodaScheda(Scheda("Uno"));
        a.AccodaScheda(Scheda("Due"));
        EXPECT_THROW(a.AccodaScheda(Scheda("Tre")), ErroreAccessoArchivio);
        EXPECT_EQ(a.NumeroSchede(), 2);  // the half-written piece is not a record
        EXPECT_EQ(a.LeggiScheda(2).Cliente, "Due");
    }
    EXPECT_EQ(dati.size(), kDim * 2 + 1000);
}

TEST(ArchivioContattiGuasto, ReadingOutsideTheRecordsFails) {
    std::vector<unsigned char> dati;
    TArchivioContatti a;
    a.ApriSu(std::make_unique<FileCheCede>(dati, 1 << 20));
    a.AccodaScheda(Scheda("Uno"));
    EXPECT_THROW(a.LeggiScheda(0), ErroreAccessoArchivio);
    EXPECT_THROW(a.LeggiScheda(2), ErroreAccessoArchivio);
    EXPECT_THROW(a.ScriviScheda(2, Scheda("x")), ErroreAccessoArchivio);
    a.Chiudi();
    EXPECT_THROW(a.NumeroSchede(), ErroreAccessoArchivio);
}
