// Reading a whole contact archive of 100,000 records through LeggiTutte, next to simply
// reading the file's bytes, so the cost of decoding shows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/app/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"

namespace {

constexpr int kSchede = 100000;

const std::filesystem::path& ArchivioDiProva() {
    static const std::filesystem::path percorso = [] {
        auto p = std::filesystem::temp_directory_path() / "ricordario-bench-Contatti.rub";
        std::filesystem::remove(p);
        TArchivioContatti a;
        a.Apri(p);
        TSchedaContatto s;
        s.Recapito = "051 123456";
        s.Occupazione = "Impiegato";
        s.Prodotti = "Assicurazioni";
        s.Note = "Da richiamare dopo le 18";
        s.Ricontatta = "Sì";
        // Build the file in one go rather than 100,000 appends.
        std::vector<unsigned char> tutto(TArchivioContatti::Dimensione * kSchede);
        for (int i = 0; i < kSchede; ++i) {
            s.Cliente = "Cliente numero " + std::to_string(i);
            CodificaScheda(s, tutto.data() + static_cast<std::size_t>(i) * TArchivioContatti::Dimensione);
        }
        a.Chiudi();
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(tutto.data(), 1, tutto.size(), f);
        std::fclose(f);
        return p;
    }();
    return percorso;
}

void LeggiTutteLeSchede(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    std::int64_t lette = 0;
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(p);
        a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
            benchmark::DoNotOptimize(s.Cliente.data());
            ++lette;
            return true;
        });
        a.Chiudi();
    }
    stato.counters["schede/s"] = benchmark::Counter(static_cast<double>(lette), benchmark::Counter::kIsRate);
}
BENCHMARK(LeggiTutteLeSchede)->Unit(benchmark::kMillisecond);

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
    stato.counters["schede/s"] = benchmark::Counter(static_cast<double>(kSchede) * stato.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(SoloByteDelFile)->Unit(benchmark::kMillisecond);

// The contact search as the window runs it: read every record, match the filters, build
// the line of each listed record, sort the lines (every record matches here).
void RicercaSuTutto(benchmark::State& stato) {
    const auto& p = ArchivioDiProva();
    ricerca::FiltriContatto filtri{};
    filtri[0] = "cliente";
    const std::size_t soglia = elenco::FiltriPieni(filtri);
    std::int64_t lette = 0;
    for (auto _ : stato) {
        std::vector<std::string> righe;
        TArchivioContatti a;
        a.Apri(p);
        a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
            if (ricerca::ContattoTrovato(s, filtri, soglia)) righe.push_back(ricerca::RigaContatto(s));
            ++lette;
            return true;
        });
        a.Chiudi();
        elenco::Ordina(righe);
        benchmark::DoNotOptimize(righe.data());
    }
    stato.counters["schede/s"] = benchmark::Counter(static_cast<double>(lette), benchmark::Counter::kIsRate);
}
BENCHMARK(RicercaSuTutto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
