// Time across the year files: the viewer's check and its imminent list over this year's and
// next year's files (100,000 generated deadlines each) beside reading both files' bytes, the
// calendar's marks of one month beside reading its year file, and a repeat of 120 monthly
// occurrences written into ten year files, each record forced to disk (wall time).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/deadlines/Ripetizioni.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/memory/PagineGrandi.h"
#include "core/viewer/ElenchiScadenze.h"
#include "core/viewer/SegniCalendario.h"

namespace {

// Late December: the deadlines of the last days of this year and the first weeks of next
// year are in their warning period.
const Data kOggi{20, 12, generatore::kAnno};

std::filesystem::path Questo() {
    return generatore::ArchivioScadenze(generatore::kSchede, kOggi.anno);
}
std::filesystem::path Prossimo() {
    return generatore::ArchivioScadenze(generatore::kSchede, kOggi.anno + 1);
}

void ControlloDueAnni(benchmark::State& stato) {
    const auto cartella = Questo().parent_path();
    Prossimo();
    misura::Cronometro t(stato, {Questo(), Prossimo()});
    std::int64_t n = 0;
    for (auto _ : stato) {
        benchmark::DoNotOptimize(n = visualizzatore::ContaImminentiDaOggi(cartella, kOggi));
        t.Base();
    }
    stato.counters["imminenti"] = static_cast<double>(n);
}
BENCHMARK(ControlloDueAnni)->Unit(benchmark::kMillisecond);

void ElencoImminentiDueAnni(benchmark::State& stato) {
    const auto cartella = Questo().parent_path();
    Prossimo();
    misura::Cronometro t(stato, {Questo(), Prossimo()});
    std::size_t righe = 0;
    for (auto _ : stato) {
        griglia::TabellaTesti tabella(0, MemoriaPagineGrandi());
        visualizzatore::RiempiImminenti(tabella, cartella, kOggi);
        righe = tabella.Righe();
        t.Base();
    }
    stato.counters["righe"] = static_cast<double>(righe);
}
BENCHMARK(ElencoImminentiDueAnni)->Unit(benchmark::kMillisecond);

void SegniDelMese(benchmark::State& stato) {
    const auto cartella = Questo().parent_path();
    misura::Cronometro t(stato, Questo());
    std::size_t giorni = 0;
    for (auto _ : stato) {
        const auto segni = visualizzatore::Segni(cartella, kOggi.anno, 3);
        giorni = segni.scadenze.count();
        t.Base();
    }
    stato.counters["giorni_segnati"] = static_cast<double>(giorni);
}
BENCHMARK(SegniDelMese)->Unit(benchmark::kMillisecond);

// 120 monthly occurrences from 31 December 2029: 2030 to 2039, into ten fresh year files.
void Ripeti120Mesi(benchmark::State& stato) {
    const auto cartella = std::filesystem::temp_directory_path() / "ricordario-bench-ripeti";
    const TSchedaScadenza origine = generatore::Scadenza(1, 2030);
    ripetizione::Richiesta r;
    r.mesi = 1;
    r.volte = 120;
    const auto piano = ripetizione::Pianifica({31, 12, 2029}, r);
    int scritte = 0;
    std::size_t anni = 0;
    for (auto _ : stato) {
        stato.PauseTiming();
        std::filesystem::remove_all(cartella);
        std::filesystem::create_directories(cartella);
        stato.ResumeTiming();
        const auto esito = ripetizione::Scrivi(cartella, origine, piano.date);
        scritte = esito.Totale();
        anni = esito.scritte.size();
    }
    std::filesystem::remove_all(cartella);
    stato.counters["schede"] = scritte;
    stato.counters["file_anno"] = static_cast<double>(anni);
}
BENCHMARK(Ripeti120Mesi)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
