// Who may read what the program creates: its user alone in the installed data folder, as
// the user's umask says in a portable one, and a replaced file keeps its mode.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/archive/CartellaDati.h"
#include "core/archive/FileIntero.h"
#include "core/contacts/Allegati.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/password/Password.h"

namespace fs = std::filesystem;

namespace {

unsigned Modo(const fs::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return 01000000;  // nothing there
    return st.st_mode & 0777;
}

// The process-wide choice is made in a child, so this test process keeps its own mask.
int InUnFiglio(const std::function<void()>& corpo) {
    const pid_t pid = fork();
    if (pid == 0) {
        int esito = 0;
        try {
            ::umask(022);  // the usual mask of a desktop session
            corpo();
        } catch (...) {
            esito = 1;
        }
        _exit(esito);
    }
    int stato = 0;
    waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

// Every kind of file the program creates in its folder, each through the code that makes it.
void CreaDiOgniTipo(const fs::path& dati, const fs::path& origineAllegato) {
    SalvaScheda<TArchivioContatti>(TArchivioContatti::Percorso(dati), 0, prova::Contatto("Rossi"));
    SalvaScheda<TArchivioScadenze>(TArchivioScadenze::Percorso(dati, 2030), 0,
                                   prova::Scadenza("01/02/2030", "09:00"));
    StratoStandard().Crea(giornale::Percorso(dati / "Contatti.rub"));  // where a journal starts
    SostituisciFile(dati / "Contatti.xls", "<html/>");  // exports, calendars, vCards
    allegati::PreparaCartella(dati);
    allegati::Copia(origineAllegato, *allegati::Percorso(dati, "documento.pdf"));
    SostituisciFile(dati / "Scadenze_Mensili.xls", "nuovo");  // already there: replaced
}

const char* const kFileCreati[] = {"Contatti.rub", "2030.rcd", "Contatti.rub.giornale",
                                   "Contatti.xls", "Documenti_Allegati/documento.pdf"};

}  // namespace

TEST(Permessi, InstalledDataFolderAndEveryFileInItAreTheUsersAlone) {
    CartellaTemporanea radice;
    const fs::path installati = radice / "share";
    const fs::path dati = radice / "home/.local/share/Ricordario";
    fs::create_directories(installati);
    password::ScriviPassword(password::Percorso(installati), password::PrimoAccesso);
    fs::permissions(password::Percorso(installati), fs::perms(0644));
    ScriviByte(radice / "allegato.pdf", {'%', 'P', 'D', 'F'});
    fs::permissions(radice / "allegato.pdf", fs::perms(0644));

    ASSERT_EQ(InUnFiglio([&] {
                  cartella_dati::Prepara(dati, installati);
                  // An export the user had opened to the others by hand, before.
                  SostituisciFile(dati / "Scadenze_Mensili.xls", "vecchio");
                  fs::permissions(dati / "Scadenze_Mensili.xls", fs::perms(0644));
                  CreaDiOgniTipo(dati, radice / "allegato.pdf");
                  password::ScriviPassword(password::Percorso(dati), "nuova");
              }),
              0);
    EXPECT_EQ(Modo(dati), 0700u);
    EXPECT_EQ(Modo(dati / "Documenti_Allegati"), 0700u);
    EXPECT_EQ(Modo(password::Percorso(dati)), 0600u);
    for (const char* nome : kFileCreati) EXPECT_EQ(Modo(dati / nome), 0600u) << nome;
    EXPECT_EQ(Modo(dati / "Scadenze_Mensili.xls"), 0644u);
    EXPECT_TRUE(password::VerificaPassword(password::Percorso(dati), "NUOVA"));
}

TEST(Permessi, APortableFolderFollowsTheUsersMask) {
    CartellaTemporanea cartella;
    ScriviByte(cartella / "allegato.pdf", {'%', 'P', 'D', 'F'});
    SostituisciFile(cartella / "Scadenze_Mensili.xls", "vecchio");
    fs::permissions(cartella / "Scadenze_Mensili.xls", fs::perms(0640));
    ASSERT_EQ(InUnFiglio([&] { CreaDiOgniTipo(cartella.percorso(), cartella / "allegato.pdf"); }),
              0);
    EXPECT_EQ(Modo(cartella / "Documenti_Allegati"), 0755u);
    for (const char* nome : kFileCreati) EXPECT_EQ(Modo(cartella / nome), 0644u) << nome;
    EXPECT_EQ(Modo(cartella / "Scadenze_Mensili.xls"), 0640u);
}
