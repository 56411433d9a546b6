// Every archive-wide command over 100,000 generated records (bench/GeneratoreDati), each
// beside reading the same file's bytes in the same iterations (bench/Misura.h: cpu_ms,
// byte_ms, x_byte). The deadline scans stand for the commands of the deadline windows:
// they select on date and flags and build a line for what they take.
#include <benchmark/benchmark.h>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/app/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/PagineGrandi.h"

namespace {

using ricerca::VistaContatto;
using VistaScadenza = VistaScheda<TSchedaScadenza>;

std::filesystem::path Contatti() { return generatore::ArchivioContatti(); }
// Lists are held as the result list holds them.
elenco::Righe Righe() { return elenco::Righe(MemoriaPagineGrandi()); }
std::filesystem::path Scadenze() { return generatore::ArchivioScadenze(); }

// Reading the bytes against itself: how steady the baseline is.
void Byte(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        benchmark::DoNotOptimize(generatore::LeggiByte(file()));
        t.Base();
    }
}
BENCHMARK_CAPTURE(Byte, contatti, Contatti)->Unit(benchmark::kMillisecond);

// The scan alone, touching no field.
template <class ArchivioDi>
void Scorri(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        std::int64_t n = 0;
        ArchivioDi a;
        a.Apri(file());
        a.ScorriTutte([&n](std::int64_t, const auto&) { return ++n, true; });
        benchmark::DoNotOptimize(n);
        t.Base();
    }
}
void ScorriContatti(benchmark::State& s) { Scorri<TArchivioContatti>(s, Contatti); }
void ScorriScadenze(benchmark::State& s) { Scorri<TArchivioScadenze>(s, Scadenze); }
BENCHMARK(ScorriContatti)->Unit(benchmark::kMillisecond);
BENCHMARK(ScorriScadenze)->Unit(benchmark::kMillisecond);

// Every record whole: what the export and any command needing whole records pay.
template <class ArchivioDi>
void LeggiTutte(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        ArchivioDi a;
        a.Apri(file());
        a.LeggiTutte([](std::int64_t, const auto& s) {
            benchmark::DoNotOptimize(&s);
            return true;
        });
        t.Base();
    }
}
void LeggiTutteContatti(benchmark::State& s) { LeggiTutte<TArchivioContatti>(s, Contatti); }
void LeggiTutteScadenze(benchmark::State& s) { LeggiTutte<TArchivioScadenze>(s, Scadenze); }
BENCHMARK(LeggiTutteContatti)->Unit(benchmark::kMillisecond);
BENCHMARK(LeggiTutteScadenze)->Unit(benchmark::kMillisecond);

// The contact search as the window runs it: filters, lines, list order.
void RicercaContatti(benchmark::State& stato, ricerca::FiltriContatto filtri) {
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        const ricerca::RicercaContatti cerca(filtri);
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioContatti a;
        a.Apri(Contatti());
        a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
            if (cerca.Trovato(s)) righe.Accoda(ricerca::RigaContatto(s));
            return true;
        });
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
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
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioContatti a;
        a.Apri(Contatti());
        a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
            if (ricerca::DaRicontattare(s)) righe.Accoda(ricerca::RigaRicontatto(s));
            return true;
        });
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
    }
}
BENCHMARK(Ricontatta)->Unit(benchmark::kMillisecond);

// The pick of a line: every record's line against the chosen one.
void SceltaRiga(benchmark::State& stato) {
    const std::string riga = ricerca::RigaContatto(
        SchedaMemorizzata<TSchedaContatto>(generatore::Contatto(generatore::kSchede / 2)).Vista());
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(Contatti());
        const auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(
            a, riga, ricerca::RigaContatto,
            [](std::int64_t, const TSchedaContatto& s) { benchmark::DoNotOptimize(&s); });
        benchmark::DoNotOptimize(n);
        t.Base();
    }
}
BENCHMARK(SceltaRiga)->Unit(benchmark::kMillisecond);

// Putting the lines of every contact in list order, on their own.
void OrdinaRighe(benchmark::State& stato) {
    elenco::Righe tutte = Righe();
    TArchivioContatti a;
    a.Apri(Contatti());
    a.ScorriTutte([&](std::int64_t, const VistaContatto& s) {
        tutte.Accoda(ricerca::RigaContatto(s));
        return true;
    });
    a.Chiudi();
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        t.Pausa();
        elenco::Righe copia = tutte, elenco = Righe();
        t.Riprendi();
        elenco::Inserisci(elenco, std::move(copia));
        benchmark::DoNotOptimize(elenco.size());
        t.Base();
    }
}
BENCHMARK(OrdinaRighe)->Unit(benchmark::kMillisecond);

// A deadline list: the commitments not fulfilled in the second half of the year, with a
// line of date, contact and reason.
void ScadenzeNonAssolte(benchmark::State& stato) {
    constexpr auto kData = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Data);
    constexpr auto kEffettuata = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Effettuata);
    constexpr auto kDettagli = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Dettagli);
    constexpr auto kPagatore = CampoDi<TSchedaScadenza>(&TSchedaScadenza::Pagatore);
    misura::Cronometro t(stato, Scadenze());
    for (auto _ : stato) {
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioScadenze a;
        a.Apri(Scadenze());
        a.ScorriTutte([&](std::int64_t, const VistaScadenza& s) {
            if (flag::Leggi(s.Testo(kEffettuata)) != 1 && s.Byte(kData).substr(3, 2) >= "07") {
                std::string r = s.Testo(kData);
                testo::AccodaDaArchivio(r, s.Byte(kPagatore), 30);
                testo::AccodaDaArchivio(r, s.Byte(kDettagli), 40);
                righe.Accoda(r);
            }
            return true;
        });
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
    }
}
BENCHMARK(ScadenzeNonAssolte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
