// The interval summary over a year file of 100,000 deadlines, every one of them in the
// interval: the core part (read, select, line, exact total, sort) beside its baselines
// (the file's bytes, LeggiTutte alone, the sort alone), and the whole request command up
// to the summary window with its list filled.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/app/Elenco.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/summary/Riepilogo.h"
#include "gui/app/Piattaforma.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/summary/TfrmRiepCosti.h"

namespace {

constexpr int kSchede = 100000;
const char* const kAnno = "2021";

// A year of varied deadlines: names, reasons, types, places, notes of any length, days
// spread over the whole year, amounts with none to four decimals.
std::vector<TSchedaScadenza> GeneraAnno() {
    static const char* const cognomi[] = {"Rossi", "Bianchi", "Esposito", "Colombo", "Ricci",
                                          "Mazzà", "Fabbri",  "D'Angelo", "Sanò",    "Galli"};
    static const char* const nomi[] = {"Mario", "Giulia", "Niccolò", "Anna", "Luca", "Chiara"};
    static const char* const causali[] = {"Affitto",
                                          "Bolletta luce",
                                          "Bolletta gas",
                                          "Rata mutuo",
                                          "Assicurazione auto",
                                          "Visita dal medico",
                                          "Riunione condominiale",
                                          "Tassa rifiuti",
                                          "Canone TV",
                                          "Revisione caldaia"};
    static const char* const tipi[] = {"Pagamento", "Appuntamento", "Scadenza", "Evento"};
    static const char* const luoghi[] = {"Forlì", "Cesena", "Bologna", "Città di Castello"};
    std::mt19937 generatore(20210101);
    const auto caso = [&generatore] { return static_cast<unsigned>(generatore()); };
    std::vector<TSchedaScadenza> schede(kSchede);
    for (int i = 0; i < kSchede; ++i) {
        TSchedaScadenza& s = schede[static_cast<std::size_t>(i)];
        const int giornoAnno = static_cast<int>(caso() % 365);
        const Data d = DataDaNumero(NumeroGiorno(Data{1, 1, 2021}) + giornoAnno);
        char testo[32];
        std::snprintf(testo, sizeof testo, "%02d", d.giorno);
        s.Giorno = testo;
        s.Mese = scadenza::NomeMese(d.mese);
        s.Anno = kAnno;
        s.Data = TestoData(d);
        std::snprintf(testo, sizeof testo, "%02u", caso() % 24);
        s.OreApp = testo;
        std::snprintf(testo, sizeof testo, "%02u", caso() % 60);
        s.MinutiApp = testo;
        s.Ora = s.OreApp + ":" + s.MinutiApp;
        s.Avviso = std::to_string(caso() % 30);
        s.Pagatore = std::string(cognomi[caso() % 10]) + " " + nomi[caso() % 6];
        s.Dettagli = std::string(causali[caso() % 10]) + " " + std::to_string(caso() % 1000);
        s.Beneficiario = tipi[caso() % 4];
        s.Complessivo = luoghi[caso() % 4];
        s.Note = std::string(caso() % 200, 'n');
        const unsigned centesimi = caso() % 500000;
        std::snprintf(testo, sizeof testo, "%u,%02u", centesimi / 100, centesimi % 100);
        s.Costo = caso() % 7 == 0 ? std::string(testo) + "75" : testo;
        s.DaConfermare = std::string(flag::No);
        s.Effettuata = std::string(flag::Da(caso() % 2 == 0));
    }
    return schede;
}

const std::filesystem::path& Cartella() {
    static const std::filesystem::path cartella = [] {
        auto c = std::filesystem::temp_directory_path() / "ricordario-bench-riepilogo";
        std::filesystem::create_directories(c);
        const auto file = TArchivioScadenze::Percorso(c, kAnno);
        // The file in one write rather than 100,000 appends.
        const auto schede = GeneraAnno();
        std::vector<unsigned char> tutto(TArchivioScadenze::Dimensione * schede.size());
        for (std::size_t i = 0; i < schede.size(); ++i)
            CodificaScheda(schede[i], tutto.data() + i * TArchivioScadenze::Dimensione);
        std::FILE* f = std::fopen(file.string().c_str(), "wb");
        std::fwrite(tutto.data(), 1, tutto.size(), f);
        std::fclose(f);
        return c;
    }();
    return cartella;
}

std::filesystem::path FileAnno() { return TArchivioScadenze::Percorso(Cartella(), kAnno); }

riepilogo::RichiestaRiepilogo TuttoLAnno() {
    return {FileAnno(), "", "", Data{1, 1, 2021}, Data{31, 12, 2021}};
}

void PerScheda(benchmark::State& stato) {
    stato.counters["schede/s"] =
        benchmark::Counter(static_cast<double>(kSchede) * static_cast<double>(stato.iterations()),
                           benchmark::Counter::kIsRate);
}

// Baseline: the file's bytes, no decoding.
void SoloByteDelFile(benchmark::State& stato) {
    const auto file = FileAnno();
    std::vector<char> buf(1 << 20);
    for (auto _ : stato) {
        std::FILE* f = std::fopen(file.string().c_str(), "rb");
        std::size_t n, totale = 0;
        while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) totale += n;
        std::fclose(f);
        benchmark::DoNotOptimize(totale);
    }
    PerScheda(stato);
}
BENCHMARK(SoloByteDelFile)->Unit(benchmark::kMillisecond);

// Baseline: every record read and decoded.
void LeggiTutte(benchmark::State& stato) {
    for (auto _ : stato) {
        TArchivioScadenze a;
        a.Apri(FileAnno());
        a.LeggiTutte([](std::int64_t, const TSchedaScadenza& s) {
            benchmark::DoNotOptimize(s.Costo.data());
            return true;
        });
        a.Chiudi();
    }
    PerScheda(stato);
}
BENCHMARK(LeggiTutte)->Unit(benchmark::kMillisecond)->MinTime(3);

// Baseline: the sort of the summary's 100,000 lines alone.
void OrdinaRighe(benchmark::State& stato) {
    std::vector<std::string> righe;
    {
        TArchivioScadenze a;
        a.Apri(FileAnno());
        a.LeggiTutte([&](std::int64_t, const TSchedaScadenza& s) {
            righe.push_back(scadenza::RigaScadenza(s));
            return true;
        });
    }
    for (auto _ : stato) {
        stato.PauseTiming();
        std::vector<std::string> copia = righe;
        stato.ResumeTiming();
        elenco::Ordina(copia);
        benchmark::DoNotOptimize(copia.data());
    }
    PerScheda(stato);
}
BENCHMARK(OrdinaRighe)->Unit(benchmark::kMillisecond)->MinTime(3);

// The core part of a summary: read, select, make each line, add each amount, sort.
void RiepilogoCore(benchmark::State& stato) {
    std::string totale;
    for (auto _ : stato) {
        riepilogo::Riepilogo r(TuttoLAnno());
        std::vector<std::string> righe;
        TArchivioScadenze a;
        a.Apri(FileAnno());
        a.LeggiTutte([&](std::int64_t, const TSchedaScadenza& s) {
            if (r.Prendi(s)) righe.push_back(scadenza::RigaScadenza(s));
            return true;
        });
        a.Chiudi();
        elenco::Ordina(righe);
        if (righe.size() != static_cast<std::size_t>(kSchede))
            stato.SkipWithError("not every record was taken");
        totale = r.Totale();
        benchmark::DoNotOptimize(righe.data());
    }
    stato.SetLabel("totale " + totale);
    PerScheda(stato);
}
BENCHMARK(RiepilogoCore)->Unit(benchmark::kMillisecond)->MinTime(3);

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
        if (auto* f = qobject_cast<TfrmRiepCosti*>(finestra)) righe = f->lstRecords->Righe().size();
        finestra->hide();
        return 0;
    }
    QString ScegliFile(QWidget*, const QString&, const QString&) override { return {}; }
    void ApriUrl(const QUrl&) override {}
    bool ChiediStampante(QWidget*, QPrinter&) override { return false; }
    bool CaricaSuono(const QString&) override { return false; }
    void Suona() override {}
    void FermaSuono() override {}
    QDateTime Adesso() override { return QDateTime(QDate(2021, 6, 15), QTime(9, 0)); }
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
    ImpostaCartellaProgramma(QString::fromStdString(Cartella().string()));
    TfrmMenuRiepCosti menu;
    menu.Apri();
    menu.txtAnno->setText(kAnno);
    menu.txtGiornoInizio->setCurrentIndex(0);
    menu.txtMeseInizio->setCurrentIndex(0);
    menu.txtGiornoFine->setCurrentIndex(30);
    menu.txtMeseFine->setCurrentIndex(11);
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        piattaforma.righe = 0;
        menu.btnVisualizzaClick();
        if (piattaforma.righe != kSchede || !piattaforma.errore.isEmpty())
            stato.SkipWithError("the summary did not list every record");
    }
    PerScheda(stato);
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
