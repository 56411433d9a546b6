// Every archive-wide command over 100,000 generated records, beside reading the bytes.
#include <benchmark/benchmark.h>
#include "GeneratoreDati.h"
#include "core/app/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
using namespace generatore;
namespace {
void ByteContatti(benchmark::State& st) { auto p = ArchivioContatti(); for (auto _ : st) benchmark::DoNotOptimize(LeggiByte(p)); }
BENCHMARK(ByteContatti)->Unit(benchmark::kMillisecond);
void LeggiTutteContatti(benchmark::State& st) { auto p = ArchivioContatti(); for (auto _ : st) { TArchivioContatti a; a.Apri(p); a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s){ benchmark::DoNotOptimize(s.Cliente.data()); return true;}); } }
BENCHMARK(LeggiTutteContatti)->Unit(benchmark::kMillisecond);
void Ricerca(benchmark::State& st, const char* cliente) { auto p = ArchivioContatti(); ricerca::FiltriContatto f{}; f[0]=cliente; auto soglia = elenco::FiltriPieni(f);
 for (auto _ : st) { std::vector<std::string> r; TArchivioContatti a; a.Apri(p); a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s){ if (ricerca::ContattoTrovato(s,f,soglia)) r.push_back(ricerca::RigaContatto(s)); return true;}); elenco::Ordina(r); benchmark::DoNotOptimize(r.data()); } }
BENCHMARK_CAPTURE(Ricerca, vuoti, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ricerca, rossi, "rossi")->Unit(benchmark::kMillisecond);
void Ordina(benchmark::State& st) { auto p = ArchivioContatti(); std::vector<std::string> r; TArchivioContatti a; a.Apri(p); a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s){ r.push_back(ricerca::RigaContatto(s)); return true;});
 for (auto _ : st) { auto c = r; elenco::Ordina(c); benchmark::DoNotOptimize(c.data()); } }
BENCHMARK(Ordina)->Unit(benchmark::kMillisecond);
void Ricontatta(benchmark::State& st) { auto p = ArchivioContatti(); for (auto _ : st) { std::vector<std::string> r; TArchivioContatti a; a.Apri(p); a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s){ if (ricerca::DaRicontattare(s)) r.push_back(ricerca::RigaRicontatto(s)); return true;}); elenco::Ordina(r); benchmark::DoNotOptimize(r.data()); } }
BENCHMARK(Ricontatta)->Unit(benchmark::kMillisecond);
void Scelta(benchmark::State& st) { auto p = ArchivioContatti(); const std::string riga = ricerca::RigaContatto(Contatto(kSchede/2));
 for (auto _ : st) { TArchivioContatti a; a.Apri(p); auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(a, riga, ricerca::RigaContatto, [](std::int64_t, const TSchedaContatto& s){ benchmark::DoNotOptimize(s.Cliente.data()); }); benchmark::DoNotOptimize(n);} }
BENCHMARK(Scelta)->Unit(benchmark::kMillisecond);
void ByteScadenze(benchmark::State& st) { auto p = ArchivioScadenze(); for (auto _ : st) benchmark::DoNotOptimize(LeggiByte(p)); }
BENCHMARK(ByteScadenze)->Unit(benchmark::kMillisecond);
void LeggiTutteScadenze(benchmark::State& st) { auto p = ArchivioScadenze(); for (auto _ : st) { TArchivioScadenze a; a.Apri(p); a.LeggiTutte([&](std::int64_t, const TSchedaScadenza& s){ benchmark::DoNotOptimize(s.Data.data()); return true;}); } }
BENCHMARK(LeggiTutteScadenze)->Unit(benchmark::kMillisecond);
}
BENCHMARK_MAIN();
