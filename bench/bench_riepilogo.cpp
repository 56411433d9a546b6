// The whole interval summary command over a year file of 100,000 generated deadlines
// (bench/GeneratoreDati), every one of them in the interval, up to the summary window with
// its list filled and its total, beside reading the same file's bytes (bench/Misura.h). The
// summary's core part is measured with the other archive-wide commands in bench_archivio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <string>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "RichiestaAnno.h"
#include "gui/app/Piattaforma.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/summary/TfrmRiepCosti.h"

namespace {

constexpr auto kSchede = generatore::kSchede;

// Shows a per-use window and hands control back at once, after the window has done what
// it does on show; every message is an error here.
class PiattaformaBench : public Piattaforma {
public:
    void MostraAvviso(QWidget*, const QString& t, TipoAvviso) override { Errore(t); }
    Risposta ChiediConferma(QWidget*, const QString& t) override {
        Errore(t);
        return Risposta::No;
    }
    void MostraMessaggio(QWidget*, const QString& t) override { Errore(t); }
    int MostraModale(QDialog* finestra) override {
        finestra->show();
        if (auto* f = qobject_cast<TfrmRiepCosti*>(finestra)) righe = f->lstRecords->count();
        finestra->hide();
        return 0;
    }
    QString ScegliFile(QWidget*, const QString&, const QString&) override { return {}; }
    void ApriUrl(const QUrl&) override {}
    bool ChiediStampante(QWidget*, QPrinter&) override { return false; }
    bool CaricaSuono(const QString&) override { return false; }
    void Suona() override {}
    void FermaSuono() override {}
    QDateTime Adesso() override {
        return QDateTime(QDate(generatore::kAnno, 6, 15), QTime(9, 0));
    }
    void Termina() override {}

    qsizetype righe = 0;
    QString errore;

private:
    void Errore(const QString& t) { errore = t; }
};

// The whole command "Visualizza riepilogo": the checks, the summary window made and shown,
// its list filled with 100,000 lines and the total, the window closed and destroyed.
void ComandoRiepilogo(benchmark::State& stato) {
    PiattaformaBench piattaforma;
    ImpostaPiattaforma(&piattaforma);
    const auto file = generatore::ArchivioScadenze();
    ImpostaCartellaProgramma(QString::fromStdString(file.parent_path().string()));
    TfrmMenuRiepCosti menu;
    menu.Apri();
    ChiediAnnoIntero(menu);
    QCoreApplication::processEvents();
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        piattaforma.righe = 0;
        menu.btnVisualizzaClick();
        if (piattaforma.righe != kSchede || !piattaforma.errore.isEmpty())
            stato.SkipWithError("the summary did not list every record");
        t.Base();
    }
    ImpostaPiattaforma(nullptr);
}
BENCHMARK(ComandoRiepilogo)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
