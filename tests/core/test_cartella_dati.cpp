#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "core/archive/CartellaDati.h"
#include "core/password/Password.h"

namespace fs = std::filesystem;

namespace {

std::string Contenuto(const fs::path& p) {
    const auto b = LeggiByte(p);
    return {b.begin(), b.end()};
}

}  // namespace

TEST(CartellaDati, PortableBesideThePasswordFileInstalledInTheUsersFolder) {
    CartellaTemporanea t;
    fs::create_directories(t / "bin");
    const fs::path utente = t / "dati" / "Ricordario";
    EXPECT_EQ(cartella_dati::Scegli(t / "bin", utente), utente);
    // A folder named like the password file does not make a portable folder.
    fs::create_directory(t / "bin" / password::NomeFile);
    EXPECT_EQ(cartella_dati::Scegli(t / "bin", utente), utente);
    fs::remove(t / "bin" / password::NomeFile);
    ScriviByte(t / "bin" / password::NomeFile, {'x'});
    EXPECT_EQ(cartella_dati::Scegli(t / "bin", utente), t / "bin");
}

TEST(CartellaDati, FirstStartMakesTheFolderAndLaterStartsKeepTheUsersFiles) {
    CartellaTemporanea t;
    const fs::path installati = t / "share" / "ricordario";
    fs::create_directories(installati);
    password::ScriviPassword(password::Percorso(installati), password::PrimoAccesso);
    ScriviByte(installati / "Guida.pdf", {'%', 'P', 'D', 'F'});
    const fs::path dati = t / "casa" / ".local" / "share" / "Ricordario";

    cartella_dati::Prepara(dati, installati);
    EXPECT_TRUE(password::VerificaPassword(password::Percorso(dati), password::PrimoAccesso));
    EXPECT_EQ(Contenuto(dati / "Guida.pdf"), "%PDF");
    EXPECT_FALSE(fs::exists(dati / cartella_dati::FileAvviso));  // not shipped: skipped

    // The user's password and data survive the next starts.
    password::ScriviPassword(password::Percorso(dati), "nuova");
    ScriviByte(dati / "2021.rcd", {1, 2, 3});
    cartella_dati::Prepara(dati, installati);
    EXPECT_TRUE(password::VerificaPassword(password::Percorso(dati), "nuova"));
    EXPECT_EQ(LeggiByte(dati / "2021.rcd"), (std::vector<unsigned char>{1, 2, 3}));
    // The manual follows the installed one.
    ScriviByte(installati / "Guida.pdf", {'%', 'P', 'D', 'F', '2'});
    EXPECT_EQ(Contenuto(dati / "Guida.pdf"), "%PDF2");
}

TEST(CartellaDati, AFolderThatCannotBeMadeIsReported) {
    CartellaTemporanea t;
    ScriviByte(t / "file", {'x'});
    EXPECT_THROW(cartella_dati::Prepara(t / "file" / "Ricordario", t.percorso()), fs::filesystem_error);
}
