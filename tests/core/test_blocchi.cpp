// Several processes on one archive: saves never lost or mixed, readings never torn, and an
// archive another process keeps answered with a clear error after the wait.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/interchange/VCard.h"
#include "core/text/Messaggi.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// These tests are about who waits for whom, not about the disk: a memory file system keeps
// thousands of forced saves quick.
fs::path BaseVeloce() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// A record that tells whether it is whole: every field is made from the name, so a record
// with bytes of two saves shows itself.
TSchedaContatto Firmata(const std::string& nome) {
    const char c = static_cast<char>('a' + std::hash<std::string>{}(nome) % 26);
    TSchedaContatto s = prova::Contatto(nome, std::string(50, c), std::string(250, c));
    s.Questioni = std::string(250, c);
    s.Desc03 = nome + std::string(200, c);
    return s;
}

bool Intera(const TSchedaContatto& s) {
    const TSchedaContatto attesa = Firmata(s.Cliente);
    return s.ComuneRes == attesa.ComuneRes && s.Note == attesa.Note &&
           s.Questioni == attesa.Questioni && s.Desc03 == attesa.Desc03;
}

// Runs `corpo` in a child process; its result is the child's exit status.
pid_t Figlio(const std::function<int()>& corpo) {
    const pid_t pid = fork();
    if (pid == 0) {
        int esito = 1;
        try {
            esito = corpo();
        } catch (...) {
        }
        _exit(esito);
    }
    return pid;
}

int Attendi(pid_t pid) {
    int stato = 0;
    waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

std::vector<TSchedaContatto> Tutte(const fs::path& file) {
    std::vector<TSchedaContatto> schede;
    TArchivioContatti a;
    a.Apri(file, Accesso::SolaLettura);
    a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
        schede.push_back(s);
        return true;
    });
    return schede;
}

long LeggiNumero(const fs::path& p) {
    std::ifstream in(p);
    long n = -1;
    in >> n;
    return n;
}

void ScriviNumero(const fs::path& p, long n) { std::ofstream(p) << n << '\n'; }

class AttesaBreve : public ::testing::Test {
protected:
    void SetUp() override { blocchi::ImpostaAttesa(300ms); }
    void TearDown() override { blocchi::ImpostaAttesa(prima_); }

private:
    std::chrono::milliseconds prima_ = blocchi::Attesa();
};

}  // namespace

TEST(Blocchi, ProcessesAppendingAtOnceLoseNothingAndMixNothing) {
    CartellaTemporanea cartella(BaseVeloce());
    const fs::path file = cartella / TArchivioContatti::NomeFile;
    constexpr int kProcessi = 6, kSalvataggi = 500;
    std::vector<pid_t> figli;
    for (int p = 0; p < kProcessi; ++p)
        figli.push_back(Figlio([&, p] {
            for (int i = 0; i < kSalvataggi; ++i)
                SalvaScheda<TArchivioContatti>(file, 0, Firmata(std::to_string(p) + ":" +
                                                                std::to_string(i)));
            return 0;
        }));
    for (const pid_t f : figli) ASSERT_EQ(Attendi(f), 0);

    const auto schede = Tutte(file);
    std::set<std::string> nomi;
    for (const auto& s : schede) {
        EXPECT_TRUE(Intera(s)) << s.Cliente;
        EXPECT_TRUE(nomi.insert(s.Cliente).second) << "twice: " << s.Cliente;
    }
    EXPECT_EQ(schede.size(), std::size_t{kProcessi * kSalvataggi});
    EXPECT_EQ(nomi.size(), std::size_t{kProcessi * kSalvataggi});
    EXPECT_EQ(fs::file_size(file), std::uintmax_t{kProcessi * kSalvataggi} * 3372);
    std::printf("[ saves   ] %d processes, %d saves, %zu records in the file, %zu names\n",
                kProcessi, kProcessi * kSalvataggi, schede.size(), nomi.size());
}

// Several programs importing the same address book at once, as when the import is pressed in
// two windows on a shared folder: each reads its cards before it opens the archive, then one
// at a time looks for what is already there and appends the rest. Every contact ends up
// stored once, whole, and the counts say who added and who skipped.
TEST(Blocchi, ImportsOfOneFileAtOnceStoreEachContactOnce) {
    CartellaTemporanea cartella(BaseVeloce());
    const fs::path file = cartella / TArchivioContatti::NomeFile;
    const fs::path via = cartella / "via";
    constexpr int kProcessi = 4, kContatti = 3000;
    std::string rubrica;
    for (int i = 0; i < kContatti; ++i) {
        TSchedaContatto s = Firmata("Contatto " + std::to_string(i));
        s.TelCel = std::to_string(3330000000 + i);
        vcard::AccodaScheda(rubrica, s);
    }
    std::vector<pid_t> figli;
    for (int p = 0; p < kProcessi; ++p)
        figli.push_back(Figlio([&, p] {
            while (!fs::exists(via)) usleep(100);
            const vcard::EsitoImportazione e = vcard::ImportaContatti(rubrica, file);
            ScriviNumero(cartella / ("aggiunte" + std::to_string(p)), static_cast<long>(e.aggiunte));
            return e.aggiunte + e.saltate == kContatti && e.illeggibili == 0 && e.rifiutate == 0 ? 0 : 1;
        }));
    ScriviNumero(via, 1);
    long aggiunte = 0;
    for (int p = 0; p < kProcessi; ++p) {
        EXPECT_EQ(Attendi(figli[p]), 0) << "process " << p;
        aggiunte += LeggiNumero(cartella / ("aggiunte" + std::to_string(p)));
    }
    EXPECT_EQ(aggiunte, kContatti);
    const auto schede = Tutte(file);
    ASSERT_EQ(schede.size(), static_cast<std::size_t>(kContatti));
    std::set<std::string> nomi;
    for (const auto& s : schede) {
        // The fields a card carries come back as signed (the attachments' texts stay home).
        const TSchedaContatto attesa = Firmata(s.Cliente);
        EXPECT_TRUE(s.ComuneRes == attesa.ComuneRes && s.Note == attesa.Note &&
                    s.Questioni == attesa.Questioni)
            << s.Cliente;
        nomi.insert(s.Cliente);
    }
    EXPECT_EQ(nomi.size(), static_cast<std::size_t>(kContatti));
}

TEST(Blocchi, ReadingsSeeWholeRecordsAndEveryOverwriteReportedDoneStays) {
    CartellaTemporanea cartella(BaseVeloce());
    const fs::path file = cartella / TArchivioContatti::NomeFile;
    for (int i = 1; i <= 20; ++i) SalvaScheda<TArchivioContatti>(file, 0, Firmata("base" + std::to_string(i)));
    constexpr std::int64_t kRiscritta = 7;
    constexpr int kAccodanti = 3, kSalvataggi = 300, kLettori = 2, kRiscritture = 600;
    const fs::path fine = cartella / "fine";

    // The overwriter notes each version once its save has returned.
    const pid_t riscrittore = Figlio([&] {
        for (int v = 1; v <= kRiscritture; ++v) {
            SalvaScheda<TArchivioContatti>(file, kRiscritta, Firmata("v" + std::to_string(v)));
            ScriviNumero(cartella / "fatta", v);
        }
        return 0;
    });
    std::vector<pid_t> accodanti, lettori;
    for (int p = 0; p < kAccodanti; ++p)
        accodanti.push_back(Figlio([&, p] {
            for (int i = 0; i < kSalvataggi; ++i)
                SalvaScheda<TArchivioContatti>(file, 0, Firmata("a" + std::to_string(p) + ":" +
                                                                std::to_string(i)));
            return 0;
        }));
    for (int l = 0; l < kLettori; ++l)
        lettori.push_back(Figlio([&, l] {
            long lette = 0, rotte = 0;
            // Until the writers are done, and at least a few times.
            for (int giro = 0; giro < 5 || !fs::exists(fine); ++giro) {
                for (const auto& s : Tutte(file)) {
                    ++lette;
                    if (!Intera(s)) ++rotte;
                }
                TArchivioContatti a;
                a.Apri(file, Accesso::SolaLettura);
                ++lette;
                if (!Intera(a.LeggiScheda(kRiscritta))) ++rotte;
            }
            ScriviNumero(cartella / ("lette" + std::to_string(l)), lette);
            return rotte == 0 ? 0 : 1;
        }));

    EXPECT_EQ(Attendi(riscrittore), 0);
    for (const pid_t f : accodanti) EXPECT_EQ(Attendi(f), 0);
    ScriviNumero(fine, 1);
    for (const pid_t f : lettori) EXPECT_EQ(Attendi(f), 0) << "a reading saw a torn record";

    const auto schede = Tutte(file);
    ASSERT_EQ(schede.size(), std::size_t{20 + kAccodanti * kSalvataggi});
    const long fatte = LeggiNumero(cartella / "fatta");
    EXPECT_EQ(fatte, kRiscritture);
    EXPECT_EQ(schede[kRiscritta - 1].Cliente, "v" + std::to_string(fatte));
    std::set<std::string> nomi;
    for (const auto& s : schede) {
        EXPECT_TRUE(Intera(s)) << s.Cliente;
        nomi.insert(s.Cliente);
    }
    EXPECT_EQ(nomi.size(), schede.size());
    EXPECT_FALSE(fs::exists(giornale::Percorso(file)));
    long lette = 0;
    for (int l = 0; l < kLettori; ++l)
        lette += LeggiNumero(cartella / ("lette" + std::to_string(l)));
    std::printf("[ saves   ] %d overwrites (last reported %ld), %d appends; %ld records read "
                "by %d readers\n",
                kRiscritture, fatte, kAccodanti * kSalvataggi, lette, kLettori);
}

TEST_F(AttesaBreve, AnArchiveAnotherProcessKeepsIsAClearErrorAndFreeOnceItDies) {
    struct Caso {
        const char* nome;
        Accesso tiene;  // what the other process opened the archive for
        bool giornale;  // a save of its own under way, its journal half written
        bool leggeAncora;
    };
    for (const Caso& c : {Caso{"a save under way", Accesso::LetturaScrittura, false, false},
                          Caso{"a save writing its journal", Accesso::LetturaScrittura, true,
                               false},
                          Caso{"a long reading", Accesso::SolaLettura, false, true}}) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea cartella;
        const fs::path file = cartella / TArchivioContatti::NomeFile;
        SalvaScheda<TArchivioContatti>(file, 0, Firmata("uno"));
        SalvaScheda<TArchivioContatti>(file, 0, Firmata("due"));
        const fs::path diario = giornale::Percorso(file);
        if (c.giornale) ScriviByte(diario, {'R', 'I', 'C', 'G', 'I', 'O', 'R'});

        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const pid_t altro = Figlio([&] {
            TArchivioContatti a;
            a.Apri(file, c.tiene);
            const char pronto = 1;
            if (write(tubo[1], &pronto, 1) != 1) return 1;
            for (;;) pause();
        });
        char pronto = 0;
        ASSERT_EQ(read(tubo[0], &pronto, 1), 1);
        close(tubo[0]);
        close(tubo[1]);
        const auto prima = LeggiByte(file);
        const auto voci = VociCartella(cartella.percorso());

        try {
            SalvaScheda<TArchivioContatti>(file, 0, Firmata("tre"));
            ADD_FAILURE() << "saved beside another process's lock";
        } catch (const ErroreArchivioInUso& e) {
            EXPECT_EQ(std::string(e.what()), messaggi::ArchivioInUso("Contatti.rub"));
            EXPECT_EQ(std::string(e.what()),
                      "Attenzione: l'archivio Contatti.rub è in uso da un altro programma.\n\r\n\r"
                      "Riprovare tra qualche istante.");
        }
        EXPECT_THROW(SalvaScheda<TArchivioContatti>(file, 1, Firmata("uno bis")),
                     ErroreArchivioInUso);
        if (c.leggeAncora) {
            EXPECT_EQ(Tutte(file).size(), 2u);  // readings go side by side
        } else {
            EXPECT_THROW(Tutte(file), ErroreArchivioInUso);
            EXPECT_THROW(giornale::ApriSenzaScrivere(StratoStandard(), file), ErroreArchivioInUso);
        }
        // Nothing written, and a live save's journal left where it is.
        EXPECT_EQ(LeggiByte(file), prima);
        EXPECT_EQ(VociCartella(cartella.percorso()), voci);

        // The kernel drops the lock of a process that dies.
        kill(altro, SIGKILL);
        EXPECT_EQ(Attendi(altro), -1);
        EXPECT_EQ(SalvaScheda<TArchivioContatti>(file, 0, Firmata("tre")), 3);
        EXPECT_FALSE(fs::exists(diario));  // a dead save's journal, cut short: dropped
        const auto schede = Tutte(file);
        ASSERT_EQ(schede.size(), 3u);
        EXPECT_EQ(schede[2].Cliente, "tre");
        EXPECT_EQ(schede[0].Cliente, "uno");
    }
}

TEST_F(AttesaBreve, TwoOpeningsInOneProcessExcludeEachOtherAsTwoProcessesDo) {
    CartellaTemporanea cartella;
    const fs::path file = cartella / TArchivioContatti::NomeFile;
    TArchivioContatti lettore;
    lettore.Apri(file, Accesso::SolaLettura);
    EXPECT_EQ(Tutte(file).size(), 0u);
    EXPECT_THROW(SalvaScheda<TArchivioContatti>(file, 0, Firmata("uno")), ErroreArchivioInUso);
    lettore.Chiudi();
    EXPECT_EQ(SalvaScheda<TArchivioContatti>(file, 0, Firmata("uno")), 1);
}

// An import meeting an archive another program is reading: it waits, then says the archive
// is in use and writes nothing; once the other lets go, the same import adds everything.
TEST_F(AttesaBreve, AnImportMeetingABusyArchiveWritesNothing) {
    CartellaTemporanea cartella;
    const fs::path file = cartella / TArchivioContatti::NomeFile;
    std::string rubrica;
    for (const char* nome : {"Rossi Mario", "Bianchi Anna"}) vcard::AccodaScheda(rubrica, Firmata(nome));
    TArchivioContatti lettore;
    lettore.Apri(file, Accesso::SolaLettura);
    EXPECT_THROW(vcard::ImportaContatti(rubrica, file), ErroreArchivioInUso);
    lettore.Chiudi();
    EXPECT_EQ(Tutte(file).size(), 0u);
    EXPECT_EQ(vcard::ImportaContatti(rubrica, file).aggiunte, 2u);
    EXPECT_EQ(Tutte(file).size(), 2u);
}
