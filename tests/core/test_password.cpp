#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>

#include "CartellaTemporanea.h"
#include "LimiteFile.h"
#include "core/password/Password.h"

using namespace password;

namespace {

// The UTF-8 form of a character whose code is below 256.
std::string Carattere(int c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
}

bool EsadecimaleMaiuscolo(const std::string& s) {
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

std::string Testo(const std::filesystem::path& p) {
    const auto b = LeggiByte(p);
    return {b.begin(), b.end()};
}

void ScriviTesto(const std::filesystem::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

class FilePassword : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    std::filesystem::path file = Percorso(cartella.percorso());

};

}  // namespace

TEST(Cifratura, EveryTextUpTo255CharactersRoundTrips) {
    std::mt19937 caso(20240611);
    std::uniform_int_distribution<int> codice(0, 255), lunghezza(0, 255);
    std::vector<std::size_t> lunghezze = {0, 1, 255};
    for (int i = 0; i < 400; ++i) lunghezze.push_back(static_cast<std::size_t>(lunghezza(caso)));
    for (const std::size_t n : lunghezze) {
        std::string testo;
        for (std::size_t i = 0; i < n; ++i) testo += Carattere(codice(caso));
        const std::string cifrato = Cifra(testo);
        ASSERT_EQ(cifrato.size(), 2 * n);
        ASSERT_TRUE(EsadecimaleMaiuscolo(cifrato)) << cifrato;
        ASSERT_EQ(Decifra(cifrato), testo) << cifrato;
    }
}

TEST(Cifratura, KeyRunsOnTheScrambledByte) {
    // Worked by hand from the routine: c = code XOR key high byte, then
    // key = (key + c) * M + A, both directions updating with the scrambled byte.
    std::uint16_t k = K0;
    std::string atteso;
    char hex[3];
    for (const unsigned code : {0x41u, 0x42u, 0xE8u}) {  // "ABè"
        const unsigned c = (code ^ (k >> 8)) & 0xFF;
        std::snprintf(hex, sizeof hex, "%02X", c);
        atteso += hex;
        k = static_cast<std::uint16_t>((k + c) * M + A);
    }
    EXPECT_EQ(Cifra("ABè"), atteso);
    // Lower-case digits read the same.
    std::string minuscolo = atteso;
    for (char& c : minuscolo) c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(Decifra(minuscolo), "ABè");
}

TEST(Cifratura, CountIsTakenModulo256) {
    EXPECT_EQ(Cifra(std::string(256, 'A')), "");
    EXPECT_EQ(Cifra(std::string(257, 'A')), Cifra("A"));
    EXPECT_EQ(Cifra(std::string(300, 'A')), Cifra(std::string(44, 'A')));
    EXPECT_EQ(Decifra(std::string(512, '0')), "");
    EXPECT_EQ(Decifra(std::string(514, '0')), Decifra("00"));
}

TEST(Cifratura, BeyondLatin1ACharacterGivesItsWindows1252ByteOrIsRefused) {
    EXPECT_EQ(Cifra("€"), Cifra("\u0080"));  // U+20AC → 0x80, not the 0xAC of "¬"
    EXPECT_NE(Cifra("€"), Cifra("¬"));
    EXPECT_EQ(Cifra("Œ–"), Cifra("\u008C\u0096"));
    // Cut to their low byte these would be "B", a NUL and "B" again.
    for (const char* senzaForma : {"ł", "xĀy", "😀", "Wałęsa", "\xFF"})
        EXPECT_THROW(Cifra(senzaForma), ErroreCaratteriNonAmmessi) << senzaForma;
}

TEST(Cifratura, NonHexadecimalTextIsRefused) {
    for (const char* cattivo : {"0", "ABC", "ZZ", "0G", "12 4", " 1234", "é1", "0x12"})
        EXPECT_THROW(Decifra(cattivo), ErroreValoreNonEsadecimale) << cattivo;
}

TEST(Cifratura, ComparisonFormTrimsAndCapitalisesAtoZOnly) {
    EXPECT_EQ(FormaConfronto("  BenvenutoAdmin \t"), "BENVENUTOADMIN");
    EXPECT_EQ(FormaConfronto(" caffè è "), "CAFFè è");
}

TEST_F(FilePassword, FreshFileHoldsTheScrambledCapitalForm) {
    ScriviPassword(file, PrimoAccesso);
    const std::string cifrato = Cifra("BENVENUTOADMIN");
    EXPECT_EQ(cifrato.size(), 28u);
    EXPECT_TRUE(EsadecimaleMaiuscolo(cifrato));
    EXPECT_EQ(Testo(file), "[Accesso]\r\nValore=" + cifrato + "\r\n");
    EXPECT_EQ(LeggiPassword(file), "BENVENUTOADMIN");
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"unins000.dll"});
}

TEST_F(FilePassword, TypedPasswordMatchesInAnyCaseWithBlanksAround) {
    ScriviPassword(file, PrimoAccesso);
    for (const char* giusta :
         {"  BenvenutoAdmin ", "BENVENUTOADMIN", "benvenutoadmin", "\tbEnVeNuToAdMiN"})
        EXPECT_TRUE(VerificaPassword(file, giusta)) << giusta;
    for (const char* errata :
         {"", "benvenuto admin", "benvenutoadmi", "benvenutoadminx", "BENVENUTOADMÌN"})
        EXPECT_FALSE(VerificaPassword(file, errata)) << errata;
}

TEST_F(FilePassword, MissingFileSectionOrKeyReadsEmptyAndEveryAttemptFails) {
    const char* contenuti[] = {
        nullptr,  // no file at all
        "",       // empty file
        "[Altro]\r\nValore="
        "0102\r\n",                         // key in another section
        "[Accesso]\r\nAltro=0102\r\n",      // section without the key
        "; [Accesso]\r\n;Valore=0102\r\n",  // commented out
    };
    for (const char* c : contenuti) {
        if (c) ScriviTesto(file, c);
        EXPECT_EQ(LeggiPassword(file), "") << (c ? c : "(none)");
        for (const char* tentativo : {"", " ", "benvenutoadmin"})
            EXPECT_FALSE(VerificaPassword(file, tentativo));
        EXPECT_EQ(CambiaPassword(file, "benvenutoadmin", "nuova", "nuova"),
                  EsitoCambio::VecchiaErrata);
    }
    EXPECT_FALSE(std::filesystem::exists(Percorso(cartella / "manca")));
    EXPECT_EQ(LeggiPassword(Percorso(cartella / "manca")), "");
}

TEST_F(FilePassword, StoredValueIsReadLooselyAsWindowsDoes) {
    // Section and key names without case, blanks around the value, lower-case digits.
    std::string minuscolo = Cifra("SEGRETO");
    for (char& c : minuscolo) c = static_cast<char>(std::tolower(c));
    ScriviTesto(file, "  [accesso]  \nVALORE =  " + minuscolo + " \n");
    EXPECT_EQ(LeggiPassword(file), "SEGRETO");
    EXPECT_TRUE(VerificaPassword(file, " Segreto"));
}

TEST_F(FilePassword, NonHexadecimalStoredValueIsAReadError) {
    for (const char* valore : {"XYZ1", "ABC", "12-4"}) {
        ScriviTesto(file, std::string("[Accesso]\r\nValore=") + valore + "\r\n");
        EXPECT_THROW(LeggiPassword(file), ErroreValoreNonEsadecimale) << valore;
        EXPECT_THROW(VerificaPassword(file, "x"), ErrorePassword) << valore;
        EXPECT_THROW(CambiaPassword(file, "x", "y", "y"), ErrorePassword) << valore;
    }
}

TEST_F(FilePassword, FolderWhereTheFileShouldBeIsAReadError) {
    std::filesystem::create_directory(file);
    EXPECT_THROW(LeggiPassword(file), ErrorePassword);
    EXPECT_THROW(VerificaPassword(file, "benvenutoadmin"), ErrorePassword);
}

TEST_F(FilePassword, WritingKeepsEveryOtherLineOfTheFile) {
    const std::string hex = Cifra("NUOVA");
    struct Caso {
        const char* nome;
        std::string prima, dopo;
    } casi[] = {
        {"key replaced in place",
         "; impostazioni\r\n[Generale]\r\nLingua=it\r\n\r\n[Accesso]\r\n; la password\r\n"
         "Prima=1\r\nValore=0011\r\nDopo=2\r\n\r\n[Fine]\r\nX=y",
         "; impostazioni\r\n[Generale]\r\nLingua=it\r\n\r\n[Accesso]\r\n; la password\r\n"
         "Prima=1\r\nValore=" +
             hex + "\r\nDopo=2\r\n\r\n[Fine]\r\nX=y"},
        {"key added at the end of its section", "[Accesso]\nAltro=1\n\n[Fine]\nValore=ZZ\n",
         "[Accesso]\nAltro=1\nValore=" + hex + "\n\n[Fine]\nValore=ZZ\n"},
        {"section added at the end, last line closed first", "[Generale]\r\nLingua=it",
         "[Generale]\r\nLingua=it\r\n[Accesso]\r\nValore=" + hex + "\r\n"},
        {"section name in other case, byte-order mark kept", "\xEF\xBB\xBF[ACCESSO]\nvalore=00\n",
         "\xEF\xBB\xBF[ACCESSO]\nValore=" + hex + "\n"},
        {"section at the end without a final line break", "[Accesso]",
         "[Accesso]\r\nValore=" + hex + "\r\n"},
    };
    for (const auto& c : casi) {
        ScriviTesto(file, c.prima);
        ScriviPassword(file, " nuova ");
        EXPECT_EQ(Testo(file), c.dopo) << c.nome;
        EXPECT_TRUE(VerificaPassword(file, "Nuova")) << c.nome;
    }
}

TEST_F(FilePassword, FailedWriteThrowsAndLeavesTheOldFileWhole) {
    ScriviTesto(file, "; nota\r\n[Accesso]\r\nValore=" + Cifra("VECCHIA") + "\r\n");
    const auto prima = LeggiByte(file);
    {
        // The disk is full: the new file cannot be written whole.
        LimiteFile disco(10);
        EXPECT_THROW(ScriviPassword(file, "nuova"), ErrorePassword);
        EXPECT_THROW(CambiaPassword(file, "vecchia", "nuova", "nuova"), ErrorePassword);
    }
    EXPECT_EQ(LeggiByte(file), prima);
    EXPECT_TRUE(VerificaPassword(file, "vecchia"));
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"unins000.dll"});
}

TEST_F(FilePassword, WriteWhereNoFileCanBeThrows) {
    // A folder standing where the file should be is left as it is.
    std::filesystem::create_directory(file);
    std::filesystem::create_directory(file / "dentro");
    EXPECT_THROW(ScriviPassword(file, "nuova"), ErrorePassword);
    EXPECT_TRUE(std::filesystem::is_directory(file / "dentro"));
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"unins000.dll"});
    // A missing parent folder is not created.
    const auto senzaCartella = Percorso(cartella / "manca");
    EXPECT_THROW(ScriviPassword(senzaCartella, "nuova"), ErrorePassword);
    EXPECT_FALSE(std::filesystem::exists(cartella / "manca"));
}

TEST_F(FilePassword, ANewPasswordKeepsTheFilesPermissionsAndOwner) {
    namespace fs = std::filesystem;
    ScriviPassword(file, "vecchia");
    const auto modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, modo);
    ASSERT_EQ(chown(file.c_str(), 1234, 5678), 0);
    EXPECT_EQ(CambiaPassword(file, "vecchia", "nuova", "nuova"), EsitoCambio::Completato);
    EXPECT_TRUE(VerificaPassword(file, "NUOVA"));
    EXPECT_EQ(fs::status(file).permissions(), modo);
    struct stat dopo;
    ASSERT_EQ(stat(file.c_str(), &dopo), 0);
    EXPECT_EQ(dopo.st_uid, 1234u);
    EXPECT_EQ(dopo.st_gid, 5678u);
}

TEST_F(FilePassword, AFileTooLargeToBeOursIsRefusedUnread) {
    const std::string riga = "[Accesso]\r\nValore=" + Cifra("VECCHIA") + "\r\n";
    // Exactly the largest size still reads; one byte more does not.
    ScriviTesto(file, riga + std::string(DimensioneMassima - riga.size(), ';'));
    EXPECT_TRUE(VerificaPassword(file, "vecchia"));
    for (const std::size_t dimensione : {DimensioneMassima + 1, std::size_t{1} << 20}) {
        ScriviTesto(file, riga + std::string(dimensione - riga.size(), 'A'));
        EXPECT_THROW(LeggiPassword(file), ErrorePassword) << dimensione;
        EXPECT_THROW(VerificaPassword(file, "vecchia"), ErrorePassword) << dimensione;
        EXPECT_THROW(CambiaPassword(file, "vecchia", "nuova", "nuova"), ErrorePassword);
        EXPECT_EQ(std::filesystem::file_size(file), dimensione);
    }
}

TEST_F(FilePassword, PasswordsThatCouldNotBeTypedBackAreRefused) {
    ScriviPassword(file, PrimoAccesso);
    const auto prima = LeggiByte(file);
    // Blanks only, a character with no byte of its own (U+0120 cut to 8 bits would be a
    // blank), or too long to count.
    for (const std::string& cattiva : {std::string("   "), std::string("\xC4\xA0"),
                                       std::string(256, 'x'), std::string(300, 'x')}) {
        EXPECT_THROW(ScriviPassword(file, cattiva), ErrorePassword) << cattiva.size();
        EXPECT_EQ(LeggiByte(file), prima);
    }
    const std::string lunga(255, 'x');
    ScriviPassword(file, lunga);
    EXPECT_TRUE(VerificaPassword(file, lunga));
    EXPECT_FALSE(VerificaPassword(file, lunga + "x"));
    EXPECT_FALSE(VerificaPassword(file, std::string(255 + 256, 'x')));
}

TEST_F(FilePassword, CharactersBeyondLatin1StillLogIn) {
    // "€" is stored as its Windows-1252 byte, and what is typed is read the same way.
    ScriviPassword(file, "caffè 2€");
    EXPECT_TRUE(VerificaPassword(file, " CAFFè 2€ "));
    EXPECT_FALSE(VerificaPassword(file, "CAFFE 2€"));
    EXPECT_FALSE(VerificaPassword(file, "CAFFè 2¬"));
}

TEST_F(FilePassword, APasswordSetWhenEuroWasKeptAsItsLowByteStillOpensWithEuro) {
    // Earlier versions kept the low byte of "€" (0xAC, the byte of "¬").
    ScriviPassword(file, "caffè 2¬");
    EXPECT_TRUE(VerificaPassword(file, "CAFFè 2€"));
    EXPECT_TRUE(VerificaPassword(file, "CAFFè 2¬"));
    EXPECT_FALSE(VerificaPassword(file, "CAFFè 2\u0080"));
    EXPECT_FALSE(VerificaPassword(file, "CAFFè 2ł"));  // never for text that cannot be stored
}

TEST_F(FilePassword, APasswordWithACharacterWindows1252LacksIsRefusedAndNothingChanges) {
    ScriviPassword(file, PrimoAccesso);
    const auto prima = LeggiByte(file);
    EXPECT_THROW(ScriviPassword(file, "bał"), ErroreCaratteriNonAmmessi);
    EXPECT_EQ(CambiaPassword(file, PrimoAccesso, "ł", "ł"), EsitoCambio::CaratteriNonAmmessi);
    EXPECT_EQ(CambiaPassword(file, PrimoAccesso, "casa😀", "casa"),
              EsitoCambio::CaratteriNonAmmessi);
    EXPECT_EQ(LeggiByte(file), prima);
    // Its low byte was all that used to be kept: "B" would then open the program.
    EXPECT_FALSE(VerificaPassword(file, "B"));
    EXPECT_FALSE(VerificaPassword(file, "ł"));
    EXPECT_TRUE(VerificaPassword(file, PrimoAccesso));
    // The old password is checked first, as always.
    EXPECT_EQ(CambiaPassword(file, "sbagliata", "ł", "ł"), EsitoCambio::VecchiaErrata);
}

TEST_F(FilePassword, ChangeChecksOldPasswordThenConfirmation) {
    ScriviPassword(file, PrimoAccesso);
    const auto prima = LeggiByte(file);
    EXPECT_EQ(CambiaPassword(file, "sbagliata", "Nuova", "Nuova"), EsitoCambio::VecchiaErrata);
    // Confirmation is compared exactly: case counts, blanks around do not.
    EXPECT_EQ(CambiaPassword(file, "benvenutoadmin", "Nuova", "nuova"), EsitoCambio::NonConfermata);
    EXPECT_EQ(LeggiByte(file), prima);
    EXPECT_TRUE(NuovaConfermata(" Nuova\t", "Nuova "));
    EXPECT_FALSE(NuovaConfermata("Nuova", "Nuova2"));

    EXPECT_EQ(CambiaPassword(file, " BenvenutoAdmin ", " Nuova", "Nuova "),
              EsitoCambio::Completato);
    EXPECT_TRUE(VerificaPassword(file, "NUOVA"));
    EXPECT_TRUE(VerificaPassword(file, "nuova"));
    EXPECT_FALSE(VerificaPassword(file, "benvenutoadmin"));
}
