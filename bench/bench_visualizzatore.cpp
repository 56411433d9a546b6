// The viewer over a year file of 100,000 deadlines, 10,000 of them imminent on the day:
// the imminence check beside reading the file's bytes, and the list of imminent deadlines,
// filled and sorted, beside that check. The heap's peak during a run is reported, so that
// the check's memory can be seen not to grow with the archive.
//
// The records are the shared generator's, with their dates set for the day.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <string>

#include "GeneratoreDati.h"
#include "core/memory/PagineGrandi.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/viewer/ElenchiScadenze.h"

// Heap use of the whole program, for the peak reported beside the timings.
namespace {
std::atomic<std::size_t> gInUso{0};
std::atomic<std::size_t> gPicco{0};

void* Prendi(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    const std::size_t ora = gInUso += malloc_usable_size(p);
    for (std::size_t picco = gPicco; ora > picco && !gPicco.compare_exchange_weak(picco, ora);) {
    }
    return p;
}
void Lascia(void* p) noexcept {
    if (!p) return;
    gInUso -= malloc_usable_size(p);
    std::free(p);
}
}  // namespace

void* operator new(std::size_t n) { return Prendi(n); }
void* operator new[](std::size_t n) { return Prendi(n); }
void operator delete(void* p) noexcept { Lascia(p); }
void operator delete[](void* p) noexcept { Lascia(p); }
void operator delete(void* p, std::size_t) noexcept { Lascia(p); }
void operator delete[](void* p, std::size_t) noexcept { Lascia(p); }

namespace {

const Data kOggi{15, 6, 2021};

// The generated deadlines of 2021, with dates set so that one in ten is imminent on
// kOggi and the others are past, fulfilled or not yet in their warning period.
TSchedaScadenza Scadenza(int i, std::mt19937& caso) {
    static const char* mesi[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                 "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                 "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    const long oggi = NumeroGiorno(kOggi);
    const long primo = NumeroGiorno({1, 1, 2021});
    int avviso = static_cast<int>(caso() % 15);
    long giorno;
    bool fatta = false;
    if (i % 10 == 0) {
        giorno = oggi + static_cast<long>(caso() % (avviso + 1));  // imminent
    } else {
        switch (caso() % 3) {
            case 0:
                giorno = primo + static_cast<long>(caso() % (oggi - primo));
                break;  // past
            case 1:
                giorno = oggi + avviso + 1 + static_cast<long>(caso() % 150);
                break;  // later
            default:
                giorno = oggi + static_cast<long>(caso() % (avviso + 1));
                fatta = true;
        }
    }
    const Data d = DataDaNumero(giorno);
    TSchedaScadenza s = generatore::Scadenza(i, 2021);
    s.Data = TestoData(d);
    s.Giorno = s.Data.substr(0, 2);
    s.Mese = mesi[d.mese - 1];
    s.Anno = "2021";
    s.Avviso = std::to_string(avviso);
    s.Effettuata = fatta ? "Sì" : "No";
    return s;
}

std::filesystem::path File(int schede) {
    static std::filesystem::path fatti[2];
    auto& f = fatti[schede == 10000 ? 0 : 1];
    if (!f.empty()) return f;
    const auto cartella = std::filesystem::temp_directory_path() /
                          ("ricordario-bench-visualizzatore-" + std::to_string(schede));
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    f = TArchivioScadenze::Percorso(cartella, 2021);
    std::mt19937 caso(7);
    generatore::ScriviScadenze(f, schede, [&caso](std::int64_t n) {
        return Scadenza(static_cast<int>(n - 1), caso);
    });
    return f;
}

void Picco(benchmark::State& stato, std::size_t prima) {
    stato.counters["picco_heap_KB"] = static_cast<double>(gPicco - prima) / 1024.0;
}

// Baseline: the file's bytes, read as a plain copy would.
void LetturaGrezza(benchmark::State& stato) {
    const auto file = File(static_cast<int>(stato.range(0)));
    for (auto _ : stato) benchmark::DoNotOptimize(generatore::LeggiByte(file));
}

void ControlloImminenza(benchmark::State& stato) {
    const auto file = File(static_cast<int>(stato.range(0)));
    const std::size_t prima = gPicco = gInUso.load();
    std::int64_t imminenti = 0;
    for (auto _ : stato)
        benchmark::DoNotOptimize(imminenti = visualizzatore::ContaImminenti(file, kOggi));
    Picco(stato, prima);
    stato.counters["imminenti"] = static_cast<double>(imminenti);
}

void ElencoImminenti(benchmark::State& stato) {
    const auto file = File(static_cast<int>(stato.range(0)));
    const std::size_t prima = gPicco = gInUso.load();
    std::size_t righe = 0, memoria = 0;
    for (auto _ : stato) {
        // As the list window holds it.
        griglia::TabellaTesti t(0, MemoriaPagineGrandi());
        visualizzatore::Riempi(t, visualizzatore::Imminenti, file, kOggi);
        righe = t.Righe();
        memoria = t.Memoria();
        benchmark::DoNotOptimize(t);
    }
    Picco(stato, prima);
    stato.counters["righe"] = static_cast<double>(righe);
    stato.counters["griglia_KB"] = static_cast<double>(memoria) / 1024.0;
}

}  // namespace

BENCHMARK(LetturaGrezza)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ControlloImminenza)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ElencoImminenti)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
