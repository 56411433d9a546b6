#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CartellaTemporanea.h"
#include "LimiteFile.h"
#include "core/contacts/Allegati.h"

using namespace allegati;
namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> Byte(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace

TEST(Allegati, OnlyBareNamesAreSafe) {
    const std::pair<std::string, bool> casi[] = {
        {"fattura.pdf", true},
        {".profilo", true},
        {"Contratto 2024 (firmato).docx", true},
        {"perché.txt", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../segreto.txt", false},
        {"..\\segreto.txt", false},
        {"sotto/file.txt", false},
        {"sotto\\file.txt", false},
        {"/etc/passwd", false},
        {"C:file.txt", false},
        {"x..", false},
        {"... ", false},
        {"fattura..pdf", false},
        {std::string("a\0b", 3), false},
    };
    for (const auto& [nome, sicuro] : casi) EXPECT_EQ(NomeSicuro(nome), sicuro) << nome;
}

TEST(Allegati, NameMustComeBackUnchangedFromTheRecord) {
    EXPECT_TRUE(NomeConservabile("fattura.pdf"));
    EXPECT_TRUE(NomeConservabile("perché €.txt"));  // both have a Windows-1252 form
    EXPECT_TRUE(NomeConservabile(std::string(250, 'a')));
    EXPECT_FALSE(NomeConservabile(std::string(251, 'a')));
    EXPECT_FALSE(NomeConservabile("日本.pdf"));
    EXPECT_FALSE(NomeConservabile("Ωmega.txt"));
    EXPECT_FALSE(NomeConservabile(" fattura.pdf"));
}

TEST(Allegati, PathIsInsideTheAttachmentsFolderOrNothing) {
    const fs::path programma = "/opt/ricordario/";
    EXPECT_EQ(Cartella(programma), fs::path("/opt/ricordario/Documenti_Allegati"));
    EXPECT_EQ(Percorso(programma, "  fattura.pdf "),
              fs::path("/opt/ricordario/Documenti_Allegati/fattura.pdf"));
    EXPECT_EQ(Percorso(programma, "perché.txt"),
              fs::path(u8"/opt/ricordario/Documenti_Allegati/perché.txt"));
    for (const char* nome : {"", "   ", "../Contatti.rub", "..", "a/../../b", "/etc/passwd",
                             "..\\unins000.dll", "C:\\Windows\\win.ini"})
        EXPECT_EQ(Percorso(programma, nome), std::nullopt) << nome;
}

TEST(Allegati, FolderIsCreatedWithItsParentsOnce) {
    CartellaTemporanea t;
    const fs::path programma = t / "manca" / "ancora";
    PreparaCartella(programma);
    EXPECT_TRUE(fs::is_directory(programma / "Documenti_Allegati"));
    ScriviByte(programma / "Documenti_Allegati" / "a.txt", Byte("resta"));
    PreparaCartella(programma);  // already there: nothing changes
    EXPECT_EQ(LeggiByte(programma / "Documenti_Allegati" / "a.txt"), Byte("resta"));
}

TEST(Allegati, FileStandingWhereTheFolderShouldBeIsAFailure) {
    CartellaTemporanea t;
    ScriviByte(t / "Documenti_Allegati", Byte("non una cartella"));
    EXPECT_THROW(PreparaCartella(t.percorso()), ErroreAllegato);
    ScriviByte(t / "file", Byte("x"));
    EXPECT_THROW(PreparaCartella(t / "file" / "sotto"), ErroreAllegato);
}

// A chosen file outside the program folder and where its copy goes.
class CopiaAllegato : public ::testing::Test {
protected:
    void SetUp() override {
        PreparaCartella(t.percorso());
        ScriviByte(origine, Byte("nuova"));
    }
    CartellaTemporanea t;
    const fs::path origine = t / "fattura.pdf";
    const fs::path destinazione = Cartella(t.percorso()) / "fattura.pdf";
};

TEST_F(CopiaAllegato, TellsNewOverwriteAndSameFile) {
    EXPECT_EQ(Stato(origine, destinazione), StatoCopia::Nuova);
    Copia(origine, destinazione);
    EXPECT_EQ(LeggiByte(destinazione), Byte("nuova"));
    EXPECT_EQ(Stato(origine, destinazione), StatoCopia::Sovrascrive);

    ScriviByte(origine, Byte("seconda versione"));
    Copia(origine, destinazione);
    EXPECT_EQ(LeggiByte(destinazione), Byte("seconda versione"));
    EXPECT_EQ(VociCartella(Cartella(t.percorso())), std::vector<std::string>{"fattura.pdf"});

    // Choosing the copy already in the folder: nothing to ask, nothing to copy.
    EXPECT_EQ(Stato(destinazione, destinazione), StatoCopia::GiaPresente);
}

TEST_F(CopiaAllegato, FailureLeavesTheEarlierFileAsItWas) {
    ScriviByte(destinazione, Byte("precedente"));

    // The disk fills up halfway through the copy (a limit on file size holds for root too).
    ScriviByte(origine, std::vector<unsigned char>(300000, 'x'));
    {
        LimiteFile disco(100000);
        EXPECT_THROW(Copia(origine, destinazione), ErroreAllegato);
    }
    EXPECT_EQ(LeggiByte(destinazione), Byte("precedente"));
    EXPECT_EQ(VociCartella(Cartella(t.percorso())), std::vector<std::string>{"fattura.pdf"});

    // The chosen file went away before the copy, or is a folder.
    EXPECT_THROW(Copia(t / "sparito.pdf", destinazione), ErroreAllegato);
    EXPECT_THROW(Copia(t.percorso(), destinazione), ErroreAllegato);
    EXPECT_EQ(LeggiByte(destinazione), Byte("precedente"));

    // A folder stands where the copy should go.
    const fs::path cartella = Cartella(t.percorso()) / "cartella.pdf";
    fs::create_directory(cartella);
    EXPECT_THROW(Copia(origine, cartella), ErroreAllegato);
    EXPECT_TRUE(fs::is_directory(cartella));
    EXPECT_EQ(VociCartella(Cartella(t.percorso())), (std::vector<std::string>{"cartella.pdf", "fattura.pdf"}));
}

TEST_F(CopiaAllegato, NoLinkIsFollowed) {
    const fs::path altrove = t / "Contatti.rub";
    ScriviByte(altrove, Byte("archivio"));
    ScriviByte(destinazione, Byte("precedente"));
    // A link at the name an earlier version copied through, and a link standing as the
    // attachment itself: neither leads the copy out of the folder.
    const fs::path vecchioNome = Cartella(t.percorso()) / "fattura.pdf..copia";
    fs::create_symlink(altrove, vecchioNome);
    Copia(origine, destinazione);
    EXPECT_EQ(LeggiByte(destinazione), Byte("nuova"));
    EXPECT_EQ(LeggiByte(altrove), Byte("archivio"));
    EXPECT_TRUE(fs::is_symlink(vecchioNome));

    const fs::path collegato = Cartella(t.percorso()) / "contratto.pdf";
    fs::create_symlink(altrove, collegato);
    Copia(origine, collegato);
    EXPECT_FALSE(fs::is_symlink(collegato));
    EXPECT_EQ(LeggiByte(collegato), Byte("nuova"));
    EXPECT_EQ(LeggiByte(altrove), Byte("archivio"));
}

TEST_F(CopiaAllegato, TheCopyKeepsThePermissionsOfTheFileItReplaces) {
    ScriviByte(destinazione, Byte("precedente"));
    fs::permissions(destinazione, fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read);
    Copia(origine, destinazione);
    EXPECT_EQ(LeggiByte(destinazione), Byte("nuova"));
    EXPECT_EQ(fs::status(destinazione).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
