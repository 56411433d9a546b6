// The contacts export over 100,000 generated records: filling the grid's rows beside reading
// the same file's bytes (bench/Misura.h), and writing Contatti.xls next to writing the same bytes with
// one buffered write. The grid's memory is reported in megabytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/export/Esportazioni.h"
#include "gui/app/FinestraGriglia.h"

namespace {

// The generated archive (bench/GeneratoreDati), and a folder of its own for the files the
// export writes.
const std::filesystem::path& Archivio() {
    static const auto p = generatore::ArchivioContatti();
    return p;
}
std::filesystem::path Cartella() { return Archivio().parent_path(); }

void Riempi(ModelloGriglia& m) {
    m.Riempi([](griglia::TabellaTesti& t) {
        griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, Archivio());
    });
}

void RiempiGriglia(benchmark::State& stato) {
    ModelloGriglia m(esportazione::Contatti.Colonne(), nullptr);
    misura::Cronometro t(stato, Archivio());
    for (auto _ : stato) {
        Riempi(m);
        t.Base();
    }
    stato.counters["righe"] = static_cast<double>(m.rowCount());
    stato.counters["MB"] = static_cast<double>(m.Tabella().Memoria()) / (1 << 20);
    stato.counters["MB_celle"] = static_cast<double>(m.Tabella().Righe() * m.Tabella().Colonne() * 8) / (1 << 20);
}
BENCHMARK(RiempiGriglia)->Unit(benchmark::kMillisecond);

// The deadlines export of a year file, the same way.
void RiempiGrigliaScadenze(benchmark::State& stato) {
    const auto file = generatore::ArchivioScadenze();
    ModelloGriglia m(esportazione::Scadenze.Colonne(), nullptr);
    misura::Cronometro t(stato, file);
    for (auto _ : stato) {
        m.Riempi([&file](griglia::TabellaTesti& tabella) {
            griglia::Riempi<TSchedaScadenza>(tabella, esportazione::Scadenze.colonne, file);
        });
        t.Base();
    }
    stato.counters["righe"] = static_cast<double>(m.rowCount());
    stato.counters["MB"] = static_cast<double>(m.Tabella().Memoria()) / (1 << 20);
}
BENCHMARK(RiempiGrigliaScadenze)->Unit(benchmark::kMillisecond);

void ScriviFoglio(benchmark::State& stato) {
    ModelloGriglia m(esportazione::Contatti.Colonne(), nullptr);
    Riempi(m);
    const auto& e = esportazione::Contatti.esportazione;
    const auto file = Cartella() / "Contatti.xls";
    for (auto _ : stato)
        foglio::Scrivi(file, e.foglio, e.intestazioni, griglia::RigheEsportate(m.Tabella()));
    stato.counters["MB_file"] = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
}
BENCHMARK(ScriviFoglio)->Unit(benchmark::kMillisecond);

// The baseline: the same bytes, already made, in one buffered write.
void StessiByteInUnaScrittura(benchmark::State& stato) {
    ModelloGriglia m(esportazione::Contatti.Colonne(), nullptr);
    Riempi(m);
    const auto& e = esportazione::Contatti.esportazione;
    const std::string byte =
        foglio::Componi(e.foglio, e.intestazioni, griglia::RigheEsportate(m.Tabella()));
    const auto file = Cartella() / "Copia.xls";
    for (auto _ : stato) {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(byte.data(), 1, byte.size(), f);
        std::fclose(f);
    }
}
BENCHMARK(StessiByteInUnaScrittura)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
