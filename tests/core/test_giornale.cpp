// Saves that fail or crash at any moment leave every record old or new, never a mix.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <random>

#include "CartellaTemporanea.h"
#include "StratoInMemoria.h"
#include "core/archive/ArchivioScheda.h"
#include "core/archive/Navigazione.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

using Byte = StratoInMemoria::Byte;
using Modo = StratoInMemoria::Modo;
using Disco = StratoInMemoria::Disco;
namespace fs = std::filesystem;

// The first field wide enough to hold a record's mark "r/v".
template <class Scheda>
std::string Scheda::*CampoSegno() {
    for (const auto& c : Scheda::Campi)
        if (c.capacita >= 8) return c.membro;
    return nullptr;
}
template <class Scheda>
std::string Segno(const Scheda& s) {
    return s.*CampoSegno<Scheda>();
}

// Version v of record r: every field full, so old and new differ across the whole record.
template <class Scheda>
Scheda Versione(int r, int v) {
    Scheda s;
    for (const auto& c : Scheda::Campi)
        s.*(c.membro) = std::string(c.capacita, static_cast<char>('a' + (r * 7 + v) % 26));
    s.*CampoSegno<Scheda>() = std::to_string(r) + "/" + std::to_string(v);
    return s;
}

template <class A>
Byte Codifica(const typename A::TipoScheda& s) {
    Byte b(A::Dimensione);
    CodificaScheda(s, b.data());
    return b;
}

// Three records, version 0 each.
template <class A>
Byte TreSchede() {
    Byte out;
    for (int r = 1; r <= 3; ++r) {
        const Byte b = Codifica<A>(Versione<typename A::TipoScheda>(r, 0));
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

const fs::path kFile = "/programma/archivio";

// The marks of every record, read as a command reads them.
template <class A>
std::vector<std::string> Segni(A& a) {
    std::vector<std::string> segni;
    a.LeggiTutte([&](std::int64_t, const typename A::TipoScheda& s) {
        segni.push_back(Segno(s));
        return true;
    });
    return segni;
}

// Overwrites record r of the archive at kFile with its version 1 and crashes once `byte`
// bytes of the save are written or at its operation number `operazione`.
template <class A>
void CrollaSovrascrivendo(StratoInMemoria& s, int r, std::size_t byte,
                          std::size_t operazione = SIZE_MAX) {
    A a;
    a.Apri(kFile, Accesso::LetturaScrittura, s);
    s.Prepara(Modo::Crollo, byte, operazione);
    EXPECT_THROW(a.ScriviScheda(r, Versione<typename A::TipoScheda>(r, 1)), ErroreAccessoArchivio);
}

struct Conteggio {
    std::size_t prove = 0, vecchie = 0, nuove = 0;
};

// Overwrites record 2 with its version 1, with the layer failing or crashing at every byte
// and then at every operation of the save, and checks what the archive holds afterwards:
// at once (after a failure) and after a restart with the disk as it was left.
template <class A>
Conteggio OgniMomento(Modo modo, Disco disco) {
    using Scheda = typename A::TipoScheda;
    const Byte prima = TreSchede<A>();
    Byte dopo = prima;
    const Byte nuova = Codifica<A>(Versione<Scheda>(2, 1));
    std::copy(nuova.begin(), nuova.end(), dopo.begin() + A::Dimensione);

    std::size_t byteTotali = 0, operazioniTotali = 0;
    {
        StratoInMemoria s;
        s.Metti(kFile, prima);
        A a;
        a.Apri(kFile, Accesso::LetturaScrittura, s);
        s.Prepara(Modo::Nessuno, SIZE_MAX);
        a.ScriviScheda(2, Versione<Scheda>(2, 1));
        byteTotali = s.Scritti();
        operazioniTotali = s.Operazioni();
        EXPECT_EQ(s.Contenuto()[kFile], dopo);
    }

    Conteggio c;
    auto prova = [&](std::size_t byte, std::size_t operazione) {
        StratoInMemoria s;
        s.Metti(kFile, prima);
        bool riuscito = false;
        {
            A a;
            a.Apri(kFile, Accesso::LetturaScrittura, s);
            s.Prepara(modo, byte, operazione);
            try {
                a.ScriviScheda(2, Versione<Scheda>(2, 1));
                riuscito = true;
            } catch (const ErroreAccessoArchivio&) {
            }
        }
        const std::string dove =
            "failing at byte " + std::to_string(byte) + ", operation " + std::to_string(operazione);
        if (modo == Modo::Guasto) {
            // A single failure is put right at once: the archive as the save answered.
            EXPECT_EQ(s.Contenuto()[kFile], riuscito ? dopo : prima) << dove;
            EXPECT_FALSE(s.Esiste(giornale::Percorso(kFile))) << dove;
        }
        s.Riavvia(disco);
        {
            A a;
            a.Apri(kFile, Accesso::LetturaScrittura, s);
            EXPECT_EQ(a.NumeroSchede(), 3) << dove;
        }
        const Byte trovato = s.Contenuto()[kFile];
        EXPECT_FALSE(s.Esiste(giornale::Percorso(kFile))) << dove;
        ++c.prove;
        if (trovato == prima && !riuscito) {
            ++c.vecchie;
        } else if (trovato == dopo && (riuscito || modo == Modo::Crollo)) {
            // A save that reported success is on the disk, whatever happened next.
            ++c.nuove;
        } else {
            ADD_FAILURE() << dove << (riuscito ? ": success reported" : ": failure reported")
                          << (trovato == prima  ? ", old record found"
                              : trovato == dopo ? ", new record found"
                                                : ", a mix found");
        }
    };
    for (std::size_t byte = 0; byte <= byteTotali; ++byte) prova(byte, SIZE_MAX);
    for (std::size_t op = 0; op <= operazioniTotali; ++op) prova(SIZE_MAX, op);
    return c;
}

template <class A>
void OgniModo(const char* nome) {
    for (const auto modo : {Modo::Guasto, Modo::Crollo})
        for (const auto disco : {Disco::SoloForzato, Disco::TuttoScritto}) {
            const Conteggio c = OgniMomento<A>(modo, disco);
            EXPECT_GT(c.vecchie, 0u);
            EXPECT_GT(c.nuove, 0u);
            std::cout << nome << (modo == Modo::Guasto ? ", failure" : ", crash")
                      << (disco == Disco::SoloForzato ? " (power cut)" : " (process killed)")
                      << ": " << c.prove << " moments, " << c.vecchie << " old, " << c.nuove
                      << " new\n";
        }
}

}  // namespace

TEST(Giornale, AnOverwriteInterruptedAnywhereLeavesTheOldOrTheNewContact) {
    OgniModo<TArchivioContatti>("contact");
}

TEST(Giornale, AnOverwriteInterruptedAnywhereLeavesTheOldOrTheNewDeadline) {
    OgniModo<TArchivioScadenze>("deadline");
}

TEST(Giornale, AppendsAndOverwritesAreOnTheDiskWhenTheyReturn) {
    using Scheda = TSchedaContatto;
    StratoInMemoria s;
    {
        TArchivioContatti a;
        a.Apri(kFile, Accesso::LetturaScrittura, s);  // creates the file
        EXPECT_EQ(a.AccodaScheda(Versione<Scheda>(1, 0)), 1);
        EXPECT_EQ(a.AccodaScheda(Versione<Scheda>(2, 0)), 2);
        a.ScriviScheda(1, Versione<Scheda>(1, 1));
        // No close: the power goes now.
    }
    s.Riavvia(Disco::SoloForzato);
    TArchivioContatti a;
    a.Apri(kFile, Accesso::LetturaScrittura, s);
    ASSERT_EQ(a.NumeroSchede(), 2);
    EXPECT_EQ(Segno(a.LeggiScheda(1)), "1/1");
    EXPECT_EQ(Segno(a.LeggiScheda(2)), "2/0");
}

TEST(Giornale, ATornAppendLeavesEveryRecordBeforeIt) {
    const Byte prima = TreSchede<TArchivioScadenze>();
    for (std::size_t byte : {std::size_t{0}, std::size_t{1}, TArchivioScadenze::Dimensione - 1}) {
        StratoInMemoria s;
        s.Metti(kFile, prima);
        {
            TArchivioScadenze a;
            a.Apri(kFile, Accesso::LetturaScrittura, s);
            s.Prepara(Modo::Crollo, byte);
            EXPECT_THROW(a.AccodaScheda(TSchedaScadenza{}), ErroreAccessoArchivio);
        }
        s.Riavvia(Disco::TuttoScritto);
        TArchivioScadenze a;
        a.Apri(kFile, Accesso::LetturaScrittura, s);
        EXPECT_EQ(a.NumeroSchede(), 3);
        EXPECT_TRUE(std::equal(prima.begin(), prima.end(), s.Contenuto()[kFile].begin()));
        // The piece is written over by the next append.
        EXPECT_EQ(a.AccodaScheda(Versione<TSchedaScadenza>(4, 0)), 4);
        EXPECT_EQ(s.Contenuto()[kFile].size(), 4 * TArchivioScadenze::Dimensione);
    }
}

TEST(Giornale, AJournalCutShortIsDroppedAndOneNotOursToo) {
    const Byte prima = TreSchede<TArchivioContatti>();
    // A whole journal of this archive, then pieces of it and other content.
    StratoInMemoria s;
    s.Metti(kFile, prima);
    // Crash once the journal is on the disk.
    CrollaSovrascrivendo<TArchivioContatti>(s, 1, SIZE_MAX, 4);
    s.Riavvia(Disco::SoloForzato);
    const Byte intero = s.Contenuto()[giornale::Percorso(kFile)];
    ASSERT_GT(intero.size(), TArchivioContatti::Dimensione);

    const Byte casi[] = {
        Byte(intero.begin(), intero.end() - 1),
        Byte(intero.begin(), intero.begin() + 30),
        Byte{},
        Byte(5000, 0xFF),
        [&] {
            Byte b = intero;
            b[100] ^= 1;  // the saved bytes do not match the checksum
            return b;
        }(),
    };
    for (const Byte& giornaleRotto : casi) {
        StratoInMemoria t;
        Byte archivio = prima;
        archivio[5] = 'X';  // not restored from a broken journal
        t.Metti(kFile, archivio);
        t.Metti(giornale::Percorso(kFile), giornaleRotto);
        TArchivioContatti a;
        a.Apri(kFile, Accesso::LetturaScrittura, t);
        EXPECT_EQ(t.Contenuto()[kFile], archivio);
        EXPECT_FALSE(t.Esiste(giornale::Percorso(kFile)));
    }
}

TEST(Giornale, AReadOnlyMediumShowsTheOldRecordWhileTheJournalWaits) {
    const Byte prima = TreSchede<TArchivioContatti>();
    StratoInMemoria s;
    s.Metti(kFile, prima);
    // Crash halfway through the record's bytes: the archive holds a mix now.
    CrollaSovrascrivendo<TArchivioContatti>(s, 2, 3404 + 1000);  // the journal, then 1000 bytes
    s.Riavvia(Disco::TuttoScritto);
    ASSERT_NE(s.Contenuto()[kFile], prima);
    s.soloLettura = true;
    {
        TArchivioContatti a;
        a.Apri(kFile, Accesso::SolaLettura, s);
        EXPECT_EQ(Segni(a), (std::vector<std::string>{"1/0", "2/0", "3/0"}));
        EXPECT_EQ(a.LeggiScheda(2).Note, Versione<TSchedaContatto>(2, 0).Note);
    }
    EXPECT_TRUE(s.Esiste(giornale::Percorso(kFile)));
    s.soloLettura = false;
    TArchivioContatti a;
    a.Apri(kFile, Accesso::SolaLettura, s);  // a reader that can write puts it right
    EXPECT_EQ(s.Contenuto()[kFile], prima);
    EXPECT_FALSE(s.Esiste(giornale::Percorso(kFile)));
}

TEST(Giornale, AReaderThatMustNotWriteSeesTheOldRecordAndLeavesEverythingAsItIs) {
    const Byte prima = TreSchede<TArchivioScadenze>();
    StratoInMemoria s;
    s.Metti(kFile, prima);
    CrollaSovrascrivendo<TArchivioScadenze>(s, 3, 1628 + 32 + 500);  // the journal, then 500
    s.Riavvia(Disco::TuttoScritto);
    const auto dopoIlCrollo = s.Contenuto();
    ASSERT_NE(dopoIlCrollo.at(kFile), prima);
    ASSERT_TRUE(s.Esiste(giornale::Percorso(kFile)));

    s.Prepara(Modo::Nessuno, SIZE_MAX);
    TArchivioScadenze a;
    a.ApriSu(giornale::ApriSenzaScrivere(s, kFile));
    EXPECT_EQ(Segni(a), (std::vector<std::string>{"1/0", "2/0", "3/0"}));
    EXPECT_EQ(a.LeggiScheda(3).Note, Versione<TSchedaScadenza>(3, 0).Note);
    a.Chiudi();
    // Not a byte written, not a file created or removed: the journal waits for a save.
    EXPECT_EQ(s.Operazioni(), 0u);
    EXPECT_EQ(s.Contenuto(), dopoIlCrollo);

    // No archive: nothing to read, and nothing is created.
    EXPECT_EQ(giornale::ApriSenzaScrivere(s, "/programma/2030.rcd"), nullptr);
    EXPECT_EQ(s.Contenuto(), dopoIlCrollo);
}

TEST(Giornale, AReadOnlyArchiveIsReadAndASaveChangesNothing) {
    const Byte prima = TreSchede<TArchivioScadenze>();
    StratoInMemoria s;
    s.Metti(kFile, prima);
    s.soloLettura = true;
    {
        TArchivioScadenze a;
        a.Apri(kFile, Accesso::SolaLettura, s);
        EXPECT_EQ(a.NumeroSchede(), 3);
        EXPECT_EQ(Segno(a.LeggiScheda(3)), "3/0");
        EXPECT_THROW(a.ScriviScheda(1, TSchedaScadenza{}), ErroreAccessoArchivio);
        EXPECT_THROW(a.AccodaScheda(TSchedaScadenza{}), ErroreAccessoArchivio);
    }
    TArchivioScadenze a;
    EXPECT_THROW(a.Apri(kFile, Accesso::LetturaScrittura, s), ErroreAccessoArchivio);
    EXPECT_THROW(a.Apri("/programma/2030.rcd", Accesso::SolaLettura, s), ErroreAccessoArchivio);
    EXPECT_EQ(s.Contenuto().size(), 1u);
    EXPECT_EQ(s.Contenuto()[kFile], prima);

    // Opened for reading on a medium that can be written: still no write goes through.
    s.soloLettura = false;
    a.Apri(kFile, Accesso::SolaLettura, s);
    EXPECT_THROW(a.ScriviScheda(1, TSchedaScadenza{}), ErroreAccessoArchivio);
    EXPECT_EQ(s.Contenuto()[kFile], prima);
}

// --- on the real file system ----------------------------------------------------------

TEST(GiornaleSuDisco, ARestoredJournalIsGoneAndAnotherSaveUnderWayIsRefused) {
    CartellaTemporanea t;
    const fs::path file = t / "Contatti.rub";
    {
        TArchivioContatti a;
        a.Apri(file);
        for (int r = 1; r <= 2; ++r) a.AccodaScheda(Versione<TSchedaContatto>(r, 0));
        a.ScriviScheda(2, Versione<TSchedaContatto>(2, 1));
    }
    EXPECT_FALSE(fs::exists(giornale::Percorso(file)));
    const Byte salvato = LeggiByte(file);

    // A journal standing there means a save is under way: this one fails, nothing moves.
    fs::create_directory(giornale::Percorso(file));
    {
        TArchivioContatti a;
        EXPECT_THROW(a.Apri(file), ErroreAccessoArchivio);
    }
    fs::remove(giornale::Percorso(file));
    {
        TArchivioContatti a;
        a.Apri(file);
        fs::create_directory(giornale::Percorso(file));
        EXPECT_THROW(a.ScriviScheda(1, Versione<TSchedaContatto>(1, 1)), ErroreAccessoArchivio);
        fs::remove(giornale::Percorso(file));
    }
    EXPECT_EQ(LeggiByte(file), salvato);
}

namespace {

// Shared with the child that saves: how many saves it finished, and the one under way.
struct Avanzamento {
    std::atomic<std::int64_t> finiti;
    std::atomic<std::int64_t> inCorso;
};

// Completed writes to record r (1 to 3) after `finiti` saves, the save i writing record
// i % 3 + 1: each write flips the record between its versions 0 and 1.
int VersioneAttesa(int r, std::int64_t finiti) {
    const std::int64_t scritture = finiti > r - 1 ? (finiti - r + 3) / 3 : 0;
    return static_cast<int>(scritture % 2);
}

}  // namespace

TEST(GiornaleSuDisco, AProcessKilledWhileSavingLeavesEachRecordOldOrNew) {
    using Scheda = TSchedaContatto;
    // A killed process loses nothing the kernel holds, so the disk adds only waiting:
    // in memory when the system offers a folder there.
    std::error_code ec;
    CartellaTemporanea t(fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                          : fs::temp_directory_path());
    const fs::path file = t / "Contatti.rub";
    {
        TArchivioContatti a;
        a.Apri(file);
        for (int r = 1; r <= 3; ++r) a.AccodaScheda(Versione<Scheda>(r, 0));
    }
    auto* stato = static_cast<Avanzamento*>(mmap(
        nullptr, sizeof(Avanzamento), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(stato, MAP_FAILED);
    new (stato) Avanzamento{};

    // Kills land anywhere within about three saves' time.
    const auto inizio = std::chrono::steady_clock::now();
    for (int i = 0; i < 6; ++i) {  // an even count: record 1 ends as version 0 again
        TArchivioContatti a;
        a.Apri(file);
        a.ScriviScheda(1, Versione<Scheda>(1, (i + 1) % 2));
    }
    const auto unSalvataggio = std::chrono::duration_cast<std::chrono::microseconds>(
                                   std::chrono::steady_clock::now() - inizio) /
                               6;
    std::uniform_int_distribution<long> attesa(0, 3 * unSalvataggio.count() + 200);
    std::mt19937 caso(14);
    int uccisi = 0, duranteSalvataggio = 0, vecchi = 0, nuovi = 0, giornali = 0;
    for (int k = 0; k < 200; ++k) {
        const std::int64_t prima = stato->finiti;
        const pid_t figlio = fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            for (;;) {
                const std::int64_t i = stato->finiti.load();
                const int r = static_cast<int>(i % 3) + 1;
                stato->inCorso = i + 1;
                TArchivioContatti a;
                a.Apri(file);
                a.ScriviScheda(r, Versione<Scheda>(r, 1 - VersioneAttesa(r, i)));
                a.Chiudi();
                stato->finiti = i + 1;
            }
        }
        // Once the child has finished a first save (a new process starts slowly), so that
        // the kill falls among saves running at their pace.
        for (int i = 0; i < 100000 && stato->finiti == prima; ++i) usleep(20);
        if (stato->finiti == prima) {
            kill(figlio, SIGKILL);
            waitpid(figlio, nullptr, 0);
            FAIL() << "the saving child made no progress";
        }
        usleep(static_cast<useconds_t>(attesa(caso)));
        kill(figlio, SIGKILL);
        int esito = 0;
        waitpid(figlio, &esito, 0);
        ASSERT_TRUE(WIFSIGNALED(esito) && WTERMSIG(esito) == SIGKILL);
        ++uccisi;

        giornali += fs::exists(giornale::Percorso(file));
        // Puts back what an interrupted save left: a save, or a reading that takes the
        // exclusive lock for it.
        TArchivioContatti a;
        a.Apri(file, k % 2 ? Accesso::SolaLettura : Accesso::LetturaScrittura);
        ASSERT_EQ(fs::file_size(file), 3 * TArchivioContatti::Dimensione);
        ASSERT_FALSE(fs::exists(giornale::Percorso(file)));
        const std::int64_t finiti = stato->finiti;
        const bool aMeta = stato->inCorso == finiti + 1;
        const int interrotta = static_cast<int>(finiti % 3) + 1;
        bool nuovo = false;
        for (int r = 1; r <= 3; ++r) {
            const Byte trovato = Codifica<TArchivioContatti>(a.LeggiScheda(r));
            const int attesa = VersioneAttesa(r, finiti);
            if (aMeta && r == interrotta &&
                trovato == Codifica<TArchivioContatti>(Versione<Scheda>(r, 1 - attesa))) {
                nuovo = true;
                continue;
            }
            ASSERT_EQ(trovato, Codifica<TArchivioContatti>(Versione<Scheda>(r, attesa)))
                << "record " << r << " after " << finiti << " saves, kill " << k;
        }
        if (aMeta) {
            ++duranteSalvataggio;
            (nuovo ? nuovi : vecchi) += 1;
            // The interrupted save is finished when its record is new; go on from there.
            stato->finiti = finiti + (nuovo ? 1 : 0);
            stato->inCorso = stato->finiti.load();
        }
    }
    std::cout << uccisi << " kills after " << stato->finiti << " saves, " << duranteSalvataggio
              << " during a save: " << vecchi << " old, " << nuovi << " new; " << giornali
              << " journals put back\n";
    EXPECT_GT(stato->finiti, 0);
    munmap(stato, sizeof(Avanzamento));
}

TEST(GiornaleSuDisco, AReadOnlyMountIsBrowsedAndASaveIsRefused) {
    CartellaTemporanea t;
    fs::create_directories(t / "dati");
    fs::create_directories(t / "sola");
    {
        TArchivioScadenze a;
        a.Apri(t / "dati" / "2026.rcd");
        for (int r = 1; r <= 3; ++r) a.AccodaScheda(Versione<TSchedaScadenza>(r, 0));
    }
    const Byte prima = LeggiByte(t / "dati" / "2026.rcd");

    // In a child with a mount namespace of its own: "sola" shows "dati" read-only, which
    // holds for root as well.
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
            mount((t / "dati").c_str(), (t / "sola").c_str(), nullptr, MS_BIND, nullptr) ||
            mount(nullptr, (t / "sola").c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                  nullptr))
            _exit(77);
        const fs::path file = t / "sola" / "2026.rcd";
        int errori = 0;
        try {
            TArchivioScadenze a;
            a.Apri(file, Accesso::SolaLettura);
            int n = 0;
            a.LeggiTutte([&](std::int64_t, const TSchedaScadenza&) { return ++n > 0; });
            errori += n != 3;
            errori += Segno(a.LeggiScheda(2)) != "2/0";
            errori +=
                Segno(NavigaArchivio<TArchivioScadenze>(file, Navigazione::Ultimo, 0).scheda) !=
                "3/0";
        } catch (...) {
            errori += 100;
        }
        try {
            SalvaScheda<TArchivioScadenze>(file, 2, Versione<TSchedaScadenza>(2, 1));
            errori += 1000;
        } catch (const ErroreAccessoArchivio&) {
        }
        try {
            SalvaScheda<TArchivioScadenze>(file, 0, Versione<TSchedaScadenza>(4, 1));
            errori += 1000;
        } catch (const ErroreAccessoArchivio&) {
        }
        _exit(errori > 0 ? 1 : 0);
    }
    int esito = 0;
    waitpid(figlio, &esito, 0);
    ASSERT_TRUE(WIFEXITED(esito));
    if (WEXITSTATUS(esito) == 77) GTEST_SKIP() << "no read-only bind mount allowed here";
    EXPECT_EQ(WEXITSTATUS(esito), 0);
    EXPECT_EQ(LeggiByte(t / "dati" / "2026.rcd"), prima);
    EXPECT_FALSE(fs::exists(giornale::Percorso(t / "dati" / "2026.rcd")));
}
