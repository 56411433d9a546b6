// The deadline search over a year file of 100,000 generated deadlines (bench/GeneratoreDati)
// with every filter empty, the case that lists the most: the whole "Cerca" command of the
// window, until its list is filled and painted, beside reading the same file's bytes
// (bench/Misura.h). The search's core part is measured with the other archive-wide
// commands in bench_archivio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"

namespace {

// "Cerca" pressed on the shown window, until the result panel is up with its list filled
// and painted. Making the window is not timed.
void ComandoCerca(benchmark::State& stato) {
    const auto file = generatore::ArchivioScadenze();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        t.Pausa();
        TfrmTrovaRicordario finestra(nullptr, file, {});
        finestra.show();
        QApplication::processEvents();
        t.Riprendi();
        finestra.btnCerca->click();
        QApplication::processEvents();
        t.Pausa();
        if (finestra.lstRecords->count() != generatore::kSchede)
            stato.SkipWithError("the list is not full");
        finestra.hide();
        t.Riprendi();
        t.Base();
    }
}
BENCHMARK(ComandoCerca)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
