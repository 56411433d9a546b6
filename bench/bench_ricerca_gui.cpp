// The contact search through its window, offscreen: the whole command from "Cerca" until the
// list is drawn with its count; adding 100,000 lines to a result list; and what the list
// costs in memory per line, while shown and once its window has closed.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <ctime>

#include "GeneratoreDati.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/Piattaforma.h"
#include "gui/contacts/TfrmTrovaClienti.h"

namespace {

double HeapInUso() {
    const auto m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

// Resident memory of the process.
double Residente() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    long pagine = 0, residenti = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pagine, &residenti) != 2) residenti = 0;
        std::fclose(f);
    }
    return static_cast<double>(residenti) * 4096.0;
}

double SecondiCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Wall time is the figure; the CPU time of the same stretch is beside it, since this
// machine is shared and wall time also counts waiting for a core.
struct Cronometro {
    QElapsedTimer parete;
    double cpu0 = SecondiCpu();
    Cronometro() { parete.start(); }
    void Ferma(benchmark::State& stato) {
        stato.SetIterationTime(static_cast<double>(parete.nsecsElapsed()) / 1e9);
        stato.counters["cpu_ms"] = (SecondiCpu() - cpu0) * 1e3;
    }
};

void CercaTutto(benchmark::State& stato) {
    const auto file = generatore::ArchivioContatti();
    ImpostaCartellaProgramma(QString::fromStdString(file.parent_path().string()));
    QWidget chiamante;
    for (auto _ : stato) {
        const double heapPrima = HeapInUso(), rssPrima = Residente();
        auto* f = new TfrmTrovaClienti(&chiamante, {});
        f->show();
        QApplication::processEvents();
        const double heapFinestra = HeapInUso(), rssFinestra = Residente();
        Cronometro t;
        f->btnCercaClick();
        f->repaint();
        QApplication::processEvents();
        t.Ferma(stato);
        // The baseline in the same iteration: reading the file's bytes, wall time.
        QElapsedTimer byte;
        byte.start();
        benchmark::DoNotOptimize(generatore::LeggiByte(file));
        stato.counters["byte_ms"] = static_cast<double>(byte.nsecsElapsed()) / 1e6;
        const double righe = f->lstRecords->count();
        stato.counters["righe"] = righe;
        // What the lines take: the list's own count, and what the process grew by.
        stato.counters["lista_byte/riga"] = static_cast<double>(f->lstRecords->Memoria()) / righe;
        stato.counters["rss_byte/riga"] = (Residente() - rssFinestra) / righe;
        stato.counters["heap_byte/riga"] = (HeapInUso() - heapFinestra) / righe;
        f->close();
        QApplication::processEvents();
        stato.counters["chiusa_lista_byte"] = static_cast<double>(f->lstRecords->Memoria());
        stato.counters["chiusa_rss_byte/riga"] = (Residente() - rssFinestra) / righe;
        delete f;
        stato.counters["distrutta_heap_byte/riga"] = (HeapInUso() - heapPrima) / righe;
        stato.counters["distrutta_rss_byte/riga"] = (Residente() - rssPrima) / righe;
    }
}
BENCHMARK(CercaTutto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Adding and ordering the lines of every contact in an empty result list.
void AggiungiRighe(benchmark::State& stato) {
    elenco::Righe righe;
    TArchivioContatti a;
    a.Apri(generatore::ArchivioContatti());
    a.ScorriTutte([&](std::int64_t, const ricerca::VistaContatto& s) {
        righe.Accoda(ricerca::RigaContatto(s));
        return true;
    });
    a.Chiudi();
    QWidget finestra;
    ListaRisultati lista(&finestra, "lstRecords", QRect(0, 0, 800, 400));
    for (auto _ : stato) {
        elenco::Righe copia = righe;
        lista.clear();
        Cronometro t;
        lista.Aggiungi(std::move(copia));
        t.Ferma(stato);
        stato.counters["byte/riga"] =
            static_cast<double>(lista.Memoria()) / static_cast<double>(lista.count());
    }
}
BENCHMARK(AggiungiRighe)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
