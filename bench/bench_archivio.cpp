// Every archive-wide command over 100,000 generated records (bench/GeneratoreDati), each
// beside reading the same file's bytes. The commands of the deadline windows still to come
// scan their year file the way the deadline scans here do.
#include <benchmark/benchmark.h>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/app/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

using generatore::ArchivioContatti;
using generatore::ArchivioScadenze;
using ricerca::VistaContatto;
using VistaScadenza = VistaScheda<TSchedaScadenza>;

void Byte(benchmark::State& stato, std::filesystem::path (*archivio)(std::int64_t)) {
    const auto file = archivio(generatore::kSchede);
    misura::Cronometro t(stato, file);
    for (auto _ : stato) benchmark::DoNotOptimize(generatore::LeggiByte(file));
}
std::filesystem::path Scadenze(std::int64_t n) { return ArchivioScadenze(n); }
BENCHMARK_CAPTURE(Byte, contatti, ArchivioContatti)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Byte, scadenze, Scadenze)->Unit(benchmark::kMillisecond);

// Every record whole, for the commands that need whole records (export, card windows).
void LeggiTutteContatti(benchmark::State& stato) {
    const auto file = ArchivioContatti();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(file);
        a.LeggiTutte([](std::int64_t, const TSchedaContatto& s) {
            benchmark::DoNotOptimize(s.Cliente.data());
            return true;
        });
    }
}
BENCHMARK(LeggiTutteContatti)->Unit(benchmark::kMillisecond);

// The contact search as the window runs it: filters, lines, list order.
void RicercaContatti(benchmark::State& stato, ricerca::FiltriContatto filtri) {
    const auto file = ArchivioContatti();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        const ricerca::RicercaContatti cerca(filtri);
        elenco::Righe righe, elenco;
        TArchivioContatti a;
        a.Apri(file);
        a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
            if (cerca.Trovato(s)) righe.Accoda(ricerca::RigaContatto(s));
            return true;
        });
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
    }
}
BENCHMARK_CAPTURE(RicercaContatti, filtri_vuoti, ricerca::FiltriContatto{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaContatti, nome, ricerca::FiltriContatto{"rossi"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaContatti, tre_filtri,
                  ricerca::FiltriContatto{"ro", "forl", "", "", "", "", "", "", "", "perché"})
    ->Unit(benchmark::kMillisecond);

// The recontact list.
void Ricontatta(benchmark::State& stato) {
    const auto file = ArchivioContatti();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        elenco::Righe righe, elenco;
        TArchivioContatti a;
        a.Apri(file);
        a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
            if (ricerca::DaRicontattare(s)) righe.Accoda(ricerca::RigaRicontatto(s));
            return true;
        });
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
    }
}
BENCHMARK(Ricontatta)->Unit(benchmark::kMillisecond);

// The pick of a line: every record's line against the chosen one.
void SceltaRiga(benchmark::State& stato) {
    const auto file = ArchivioContatti();
    const auto scelta = generatore::Contatto(generatore::kSchede / 2);
    const std::string riga =
        ricerca::RigaContatto(SchedaMemorizzata<TSchedaContatto>(scelta).Vista());
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(file);
        const auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(
            a, riga, ricerca::RigaContatto,
            [](std::int64_t, const TSchedaContatto& s) { benchmark::DoNotOptimize(s.Cliente.data()); });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(SceltaRiga)->Unit(benchmark::kMillisecond);

// Putting the lines of every contact in list order, on their own.
void OrdinaRighe(benchmark::State& stato) {
    const auto file = ArchivioContatti();
    elenco::Righe tutte;
    TArchivioContatti a;
    a.Apri(file);
    a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
        tutte.Accoda(ricerca::RigaContatto(s));
        return true;
    });
    a.Chiudi();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        t.Pausa();
        elenco::Righe copia = tutte, elenco;
        t.Riprendi();
        elenco::Inserisci(elenco, std::move(copia));
        benchmark::DoNotOptimize(elenco.size());
    }
}
BENCHMARK(OrdinaRighe)->Unit(benchmark::kMillisecond);

// A year file read whole, and scanned the way the deadline lists select their records:
// by date and by the fulfilled flag, building a line for those taken.
void LeggiTutteScadenze(benchmark::State& stato) {
    const auto file = ArchivioScadenze();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        TArchivioScadenze a;
        a.Apri(file);
        a.LeggiTutte([](std::int64_t, const TSchedaScadenza& s) {
            benchmark::DoNotOptimize(s.Data.data());
            return true;
        });
    }
}
BENCHMARK(LeggiTutteScadenze)->Unit(benchmark::kMillisecond);

void ScorriScadenze(benchmark::State& stato) {
    const auto file = ArchivioScadenze();
    constexpr auto kData = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Data);
    constexpr auto kEffettuata = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Effettuata);
    constexpr auto kDettagli = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Dettagli);
    constexpr auto kPagatore = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Pagatore);
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        elenco::Righe righe;
        TArchivioScadenze a;
        a.Apri(file);
        a.ScorriTutte([&](std::int64_t, const VistaScadenza& s) {
            // Not fulfilled and in the second half of the year.
            if (flag::Leggi(s.Testo(kEffettuata)) != 1 && s.Byte(kData).substr(3, 2) >= "07") {
                std::string r = s.Testo(kData);
                testo::AccodaDaArchivio(r, s.Byte(kPagatore), 30);
                testo::AccodaDaArchivio(r, s.Byte(kDettagli), 40);
                righe.Accoda(r);
            }
            return true;
        });
        stato.counters["righe"] = static_cast<double>(righe.size());
    }
}
BENCHMARK(ScorriScadenze)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
