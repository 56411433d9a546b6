// What the user waits for: from the click on a command to its window shown with its list
// filled and painted, the event loop running as in the program (the window is shown
// modally with exec, as the program does). Over a year file of 100,000 generated deadlines
// (bench/GeneratoreDati): the whole-year summary from its request window's command, and
// the three lists of commitments by state from the deadline card. Wall time, since that
// is what is felt, with the processor time beside it; each beside reading the file's
// bytes. Needs a display: bench/clic.sh runs it under Xvfb.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <functional>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "RichiestaAnno.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/Piattaforma.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/summary/TfrmMenuRiepCosti.h"

namespace {

// Time the main thread spent ready to run but waiting for a core (a shared machine's
// load), from the kernel's scheduler statistics: taken from the wall time, it leaves what
// the program itself spent working or sleeping.
double MsInCoda() {
    std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r");
    if (!f) return 0;
    unsigned long long cpu = 0, coda = 0;
    const int letti = std::fscanf(f, "%llu %llu", &cpu, &coda);
    std::fclose(f);
    return letti == 2 ? static_cast<double>(coda) / 1e6 : 0;
}

// The program's own platform, with the clock on a fixed day of the generated year; a
// window shown modally is timed until its list is painted, then closed.
class PiattaformaClic : public Piattaforma {
public:
    explicit PiattaformaClic(Piattaforma& vera) : vera_(vera) {}

    void MostraAvviso(QWidget*, const QString& t, TipoAvviso) override { errore = t; }
    Risposta ChiediConferma(QWidget*, const QString& t) override {
        errore = t;
        return Risposta::No;
    }
    void MostraMessaggio(QWidget*, const QString& t) override { errore = t; }
    int MostraModale(QDialog* finestra) override;
    QString ScegliFile(QWidget*, const QString&, const QString&) override { return {}; }
    void ApriUrl(const QUrl&) override {}
    bool ChiediStampante(QWidget*, QPrinter&) override { return false; }
    bool CaricaSuono(const QString& p) override { return vera_.CaricaSuono(p); }
    void Suona() override {}
    void FermaSuono() override {}
    QDateTime Adesso() override {
        return QDateTime(QDate(generatore::kAnno, 6, 15), QTime(9, 0));
    }
    void Termina() override {}

    QElapsedTimer orologio;  // started at the click
    qint64 mostrataNs = -1;  // click to painted
    int righe = -1;
    QString errore;

private:
    Piattaforma& vera_;
};

// Waits for the first paint of the list after the window is shown; once that paint is
// done (a queued call runs after it), the time is taken and the window closed.
class AttesaDipinta : public QObject {
public:
    AttesaDipinta(PiattaformaClic& p, QDialog* f, ListaRisultati* l)
        : p_(p), finestra_(f), lista_(l) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    p_.mostrataNs = p_.orologio.nsecsElapsed();
                    p_.righe = lista_->count();
                    finestra_->close();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    PiattaformaClic& p_;
    QDialog* finestra_;
    ListaRisultati* lista_;
    bool visto_ = false;
};

int PiattaformaClic::MostraModale(QDialog* finestra) {
    auto* lista = finestra->findChild<ListaRisultati*>("lstRecords");
    if (!lista) return finestra->exec();
    AttesaDipinta attesa(*this, finestra, lista);
    lista->viewport()->installEventFilter(&attesa);
    // A window that never paints must not hold the benchmark.
    QTimer::singleShot(20000, finestra, [finestra] { finestra->close(); });
    const int esito = finestra->exec();
    lista->viewport()->removeEventFilter(&attesa);
    return esito;
}

struct Banco {
    PiattaformaClic piattaforma{::piattaforma()};
    std::filesystem::path file = generatore::ArchivioScadenze();
    Banco() {
        ImpostaPiattaforma(&piattaforma);
        ImpostaCartellaProgramma(QString::fromStdString(file.parent_path().string()));
    }
    ~Banco() { ImpostaPiattaforma(nullptr); }

    // Clicks `comando` once per iteration and times it to the painted list; `righe` tells
    // how many lines the list must hold (-1: any).
    void Misura(benchmark::State& stato, QAbstractButton* comando, int righe) {
        double cpuMs = 0, codaMs = 0, muroMs = 0;
        misura::Cronometro base(stato, file);
        for (auto _ : stato) {
            piattaforma.mostrataNs = -1;
            piattaforma.righe = -1;
            const double cpu0 = misura::MsProcessore(), coda0 = MsInCoda();
            piattaforma.orologio.start();
            QTest::mouseClick(comando, Qt::LeftButton);
            // The click returns once the window is closed: a little past the figure.
            cpuMs += misura::MsProcessore() - cpu0;
            codaMs += MsInCoda() - coda0;
            muroMs += static_cast<double>(piattaforma.orologio.nsecsElapsed()) / 1e6;
            if (piattaforma.mostrataNs < 0 || !piattaforma.errore.isEmpty() ||
                (righe >= 0 && piattaforma.righe != righe)) {
                stato.SkipWithError("the window did not show its list");
                break;
            }
            stato.SetIterationTime(static_cast<double>(piattaforma.mostrataNs) / 1e9);
            base.Base();
            QCoreApplication::processEvents();  // what closing left behind, before the next
        }
        const auto n = static_cast<double>(stato.iterations());
        stato.counters["righe"] = piattaforma.righe;
        // Of the whole click: processor time, waiting for a core, and the rest (sleeping:
        // timers, the display server).
        stato.counters["clic_cpu_ms"] = cpuMs / n;
        stato.counters["clic_coda_ms"] = codaMs / n;
        stato.counters["clic_fermo_ms"] = (muroMs - cpuMs - codaMs) / n;
    }
};

Banco& IlBanco() {
    static Banco banco;
    return banco;
}

// "Visualizza riepilogo" for the whole year: every one of the 100,000 records listed.
void ClicRiepilogoAnno(benchmark::State& stato) {
    Banco& b = IlBanco();
    TfrmMenuRiepCosti menu;
    menu.Apri();
    if (!QTest::qWaitForWindowExposed(&menu)) {
        stato.SkipWithError("the request window was not shown");
        return;
    }
    ChiediAnnoIntero(menu);
    QCoreApplication::processEvents();
    b.Misura(stato, menu.btnVisualizza, static_cast<int>(generatore::kSchede));
}
BENCHMARK(ClicRiepilogoAnno)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The deadline card's three commands, each opening its list of commitments.
void ClicElencoImpegni(benchmark::State& stato, const char* comando) {
    Banco& b = IlBanco();
    TfrmRicordario scheda;
    scheda.Apri();
    if (!QTest::qWaitForWindowExposed(&scheda)) {
        stato.SkipWithError("the deadline card was not shown");
        return;
    }
    scheda.ImpostaAnno(generatore::kAnno, b.file);
    QCoreApplication::processEvents();
    auto* pulsante = scheda.findChild<QAbstractButton*>(comando);
    if (!pulsante) {
        stato.SkipWithError("no such command");
        return;
    }
    b.Misura(stato, pulsante, -1);
}
BENCHMARK_CAPTURE(ClicElencoImpegni, DaConfermare, "cmdDaConfermare")
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK_CAPTURE(ClicElencoImpegni, NonAssolti, "cmdDaEffettuare")
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK_CAPTURE(ClicElencoImpegni, Scaduti, "cmdEffettuate")
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
