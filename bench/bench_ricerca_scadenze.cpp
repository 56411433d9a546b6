// The deadline search over a year file of 100,000 deadlines with every filter empty (the
// case that lists the most): the core's part (read, match, build the lines, list order)
// beside reading the file's bytes, LeggiTutte alone and the sort alone; then the whole
// "Cerca" command of the window, until its list is filled and painted.
//
// The records come from a small generator of this file; it is meant to give way to the
// shared generator of bench/ once both are in the same tree.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/app/Elenco.h"
#include "core/deadlines/RicercaScadenze.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"

namespace {

constexpr int kSchede = 100000;

// A year of deadlines: dates over all of 2021, reasons, contacts and towns with accents,
// notes from empty to the full 250 characters, a third of them fulfilled.
std::vector<TSchedaScadenza> GeneraScadenze(int quante) {
    static const char* causali[] = {"Rata mutuo prima casa",
                                    "Bolletta luce",
                                    "Bolletta gas",
                                    "Visita medica",
                                    "Appuntamento con il commercialista",
                                    "Rinnovo assicurazione auto",
                                    "Pagamento IMU",
                                    "Tassa automobilistica",
                                    "Revisione caldaia",
                                    "Riunione di condominio",
                                    "Colloquio con la scuola",
                                    "Canone d'affitto",
                                    "Acconto IRPEF",
                                    "Saldo fornitore",
                                    "Consegna preventivo",
                                    "Udienza in tribunale",
                                    "Caffè con il cliente"};
    static const char* cognomi[] = {
        "Rossi", "Bianchi", "Esposito", "Romano",  "Colombo", "Ricci", "Marino",   "Greco",
        "Bruno", "Gallo",   "Conti",    "De Luca", "Mancini", "Costa", "Giordano", "Nicolò"};
    static const char* nomi[] = {"Mario",     "Giulia",  "Luca",  "Chiara", "Andrea",
                                 "Francesca", "Niccolò", "Lucía", "Paolo",  "Elena"};
    static const char* luoghi[] = {"Forlì", "Cesena",  "Sant'Agata", "Città di Castello",
                                   "Cantù", "Bologna", "Ravenna",    "Rimini"};
    static const char* tipi[] = {"Pagamento", "Appuntamento", "Evento da ricordare",
                                 "Scadenza fiscale"};
    static const char* mesi[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                 "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                 "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    static const std::string parole =
        "portare i documenti firmati e la ricevuta del bonifico precedente; chiamare prima "
        "per conferma, il numero è cambiato da poco. Chiedere anche della pratica aperta a "
        "marzo e del rimborso che non è ancora arrivato, poi annotare l'esito qui sotto.";
    std::mt19937 caso(2021);
    auto tra = [&](int n) { return static_cast<int>(caso() % static_cast<unsigned>(n)); };
    auto due = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };

    std::vector<TSchedaScadenza> schede(static_cast<std::size_t>(quante));
    for (auto& s : schede) {
        const int mese = 1 + tra(12);
        const int giorno = 1 + tra(mese == 2 ? 28 : 30);
        s.Giorno = due(giorno);
        s.Mese = mesi[mese - 1];
        s.Anno = "2021";
        s.Data = s.Giorno + "/" + due(mese) + "/2021";
        s.OreApp = due(7 + tra(13));
        s.MinutiApp = due(5 * tra(12));
        s.Ora = s.OreApp + ":" + s.MinutiApp;
        s.Avviso = std::to_string(tra(31));
        s.Pagatore = std::string(cognomi[tra(16)]) + " " + nomi[tra(10)];
        s.CodFisc = "RSSMRA80A01H" + std::to_string(100 + tra(900)) + "X";
        s.NumTessera = luoghi[tra(8)];
        s.Carica = tra(3) == 0 ? parole.substr(0, static_cast<std::size_t>(tra(120))) : "";
        s.TelCel = "333 " + std::to_string(1000000 + tra(8999999));
        s.Recapito = tra(2) ? "cellulare" : "e-mail";
        s.Anticipi = tra(4) == 0 ? std::string(nomi[tra(10)]) + " e il socio" : "";
        s.Complessivo = luoghi[tra(8)];
        s.Rateazione = tra(2) ? "un'ora" : "mezz'ora";
        s.Beneficiario = tipi[tra(4)];
        s.Dettagli = std::string(causali[tra(17)]) + " " + s.Mese;
        s.Officina = tra(2) ? "bonifico" : "contanti";
        s.Costo = std::to_string(tra(5000)) + "," + due(tra(100));
        s.Contatto = tra(3) == 0 ? "fatto" : "";
        s.Note = parole.substr(0, static_cast<std::size_t>(tra(251)));
        s.DaConfermare = tra(5) == 0 ? "Sì" : "No";
        s.Effettuata = tra(3) == 0 ? "Sì" : "No";
    }
    return schede;
}

std::filesystem::path PercorsoDiProva() {
    return std::filesystem::temp_directory_path() / "ricordario-bench-2021.rcd";
}

const std::filesystem::path& ArchivioDiProva() {
    static const std::filesystem::path percorso = [] {
        auto p = PercorsoDiProva();
        // Written in one go rather than 100,000 appends.
        const auto schede = GeneraScadenze(kSchede);
        std::vector<unsigned char> tutto(TArchivioScadenze::Dimensione * schede.size());
        for (std::size_t i = 0; i < schede.size(); ++i)
            CodificaScheda(schede[i], tutto.data() + i * TArchivioScadenze::Dimensione);
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(tutto.data(), 1, tutto.size(), f);
        std::fclose(f);
        return p;
    }();
    return percorso;
}

void PerScheda(benchmark::State& stato) {
    stato.counters["schede/s"] =
        benchmark::Counter(static_cast<double>(kSchede) * static_cast<double>(stato.iterations()),
                           benchmark::Counter::kIsRate);
}

// Baseline: the file's bytes, nothing decoded.
void SoloByteDelFile(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    std::vector<char> buf(1 << 20);
    for (auto _ : stato) {
        std::FILE* f = std::fopen(p.c_str(), "rb");
        std::size_t n, totale = 0;
        while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) totale += n;
        std::fclose(f);
        benchmark::DoNotOptimize(totale);
    }
    PerScheda(stato);
}
BENCHMARK(SoloByteDelFile)->Unit(benchmark::kMillisecond);

void LeggiTutte(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    for (auto _ : stato) {
        TArchivioScadenze a;
        a.Apri(p);
        a.LeggiTutte([](std::int64_t, const TSchedaScadenza& s) {
            benchmark::DoNotOptimize(s.Dettagli.data());
            return true;
        });
        a.Chiudi();
    }
    PerScheda(stato);
}
BENCHMARK(LeggiTutte)->Unit(benchmark::kMillisecond);

// The sort alone, on the 100,000 lines of the year (copying them in is not timed).
void OrdinaRighe(benchmark::State& stato) {
    std::vector<std::string> righe;
    for (const auto& s : GeneraScadenze(kSchede)) righe.push_back(scadenza::RigaScadenza(s));
    for (auto _ : stato) {
        stato.PauseTiming();
        std::vector<std::string> copia = righe;
        stato.ResumeTiming();
        elenco::Ordina(copia);
        benchmark::DoNotOptimize(copia.data());
    }
    PerScheda(stato);
}
BENCHMARK(OrdinaRighe)->Unit(benchmark::kMillisecond);

// The search's core with every filter empty: read every record, match, build every line,
// put the lines in list order.
void RicercaSenzaFiltri(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    const scadenza::FiltriScadenza filtri{};
    const std::size_t soglia = elenco::FiltriPieni(filtri);
    for (auto _ : stato) {
        std::vector<std::string> righe;
        TArchivioScadenze a;
        a.Apri(p);
        a.LeggiTutte([&](std::int64_t, const TSchedaScadenza& s) {
            if (scadenza::ScadenzaTrovata(s, filtri, soglia))
                righe.push_back(scadenza::RigaScadenza(s));
            return true;
        });
        a.Chiudi();
        elenco::Ordina(righe);
        benchmark::DoNotOptimize(righe.data());
    }
    PerScheda(stato);
}
BENCHMARK(RicercaSenzaFiltri)->Unit(benchmark::kMillisecond);

// The whole command as the user meets it: "Cerca" pressed on the shown window, until the
// result panel is up with its list filled and painted. Making the window is not timed.
void ComandoCerca(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    for (auto _ : stato) {
        stato.PauseTiming();
        TfrmTrovaRicordario finestra(nullptr, p, {});
        finestra.show();
        QApplication::processEvents();
        stato.ResumeTiming();
        finestra.btnCerca->click();
        QApplication::processEvents();
        stato.PauseTiming();
        if (finestra.lstRecords->count() != kSchede) stato.SkipWithError("the list is not full");
        finestra.hide();
        stato.ResumeTiming();
    }
    PerScheda(stato);
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
    std::error_code ec;
    std::filesystem::remove(PercorsoDiProva(), ec);
    return 0;
}
