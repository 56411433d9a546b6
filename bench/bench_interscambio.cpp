// Interchange over 100,000 generated records, each figure beside moving the same bytes raw:
// - vCard export of the contact archive, beside reading the archive's bytes and writing the
//   .vcf's bytes whole;
// - vCard import into an empty archive, beside reading the .vcf and writing the archive's
//   bytes; the reading of the cards alone (no archive) is shown too;
// - .ics import of 100,000 events into empty year files, beside reading the .ics and
//   writing the year file's bytes; the reading of the events alone is shown too;
// - .xlsx of 100,000 contacts, beside writing the workbook's bytes whole; every byte of the
//   workbook is libxlsxwriter's (it also compresses), ours is handing it the cells.
// Processor time, as bench/Misura.h explains.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <vector>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/archive/FileIntero.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "core/export/Foglio.h"
#include "core/interchange/Interscambio.h"
#include "core/interchange/VCard.h"

namespace {

namespace fs = std::filesystem;
using misura::MsProcessore;

const fs::path& Contatti() {
    static const auto p = generatore::ArchivioContatti();
    return p;
}
fs::path Cartella() { return Contatti().parent_path(); }

const fs::path& FileVcf() {
    static const fs::path p = [] {
        const fs::path f = Cartella() / vcard::NomeFile;
        vcard::EsportaContatti(Contatti(), f);
        return f;
    }();
    return p;
}

// An .ics of 100,000 events: our own export of the generated year.
const std::string& TestoIcs() {
    static const std::string t = [] {
        calendario::EsitoCalendario e;
        return calendario::TestoCalendario(LeggiScadenzeSenzaCreare(generatore::ArchivioScadenze()),
                                           generatore::kAnno, 1704067200, e);
    }();
    return t;
}

// Writing `n` bytes whole as the program writes its files (temporary file, disk, rename).
double MsScriviRaw(const fs::path& file, std::size_t n) {
    const std::string byte(n, 'x');
    const double t0 = MsProcessore();
    SostituisciFile(file, byte);
    return MsProcessore() - t0;
}
double MsLeggiRaw(const fs::path& file) {
    const double t0 = MsProcessore();
    benchmark::DoNotOptimize(generatore::LeggiByte(file));
    return MsProcessore() - t0;
}

void Riporta(benchmark::State& stato, double ms, double raw) {
    const auto n = static_cast<double>(stato.iterations());
    stato.counters["cpu_ms"] = ms / n;
    stato.counters["raw_ms"] = raw / n;
    stato.counters["x_raw"] = ms / raw;
}

void EsportaVCard(benchmark::State& stato) {
    const fs::path out = Cartella() / "bench.vcf";
    double ms = 0, raw = 0;
    for (auto _ : stato) {
        const double t0 = MsProcessore();
        vcard::EsportaContatti(Contatti(), out);
        ms += MsProcessore() - t0;
        raw += MsLeggiRaw(Contatti()) + MsScriviRaw(Cartella() / "raw.bin", fs::file_size(out));
    }
    stato.counters["MB"] = static_cast<double>(fs::file_size(out)) / (1 << 20);
    Riporta(stato, ms, raw);
}
BENCHMARK(EsportaVCard)->Unit(benchmark::kMillisecond)->Iterations(3);

void ImportaVCard(benchmark::State& stato) {
    const fs::path archivio = Cartella() / "importati.rub";
    double ms = 0, raw = 0, lettura = 0;
    std::size_t aggiunte = 0;
    for (auto _ : stato) {
        fs::remove(archivio);
        const double t0 = MsProcessore();
        aggiunte = vcard::ImportaFile(FileVcf(), archivio).aggiunte;
        ms += MsProcessore() - t0;
        raw += MsLeggiRaw(FileVcf()) + MsScriviRaw(Cartella() / "raw.bin", fs::file_size(archivio));
        const std::string t = interscambio::LeggiFile(FileVcf());
        const double t1 = MsProcessore();
        benchmark::DoNotOptimize(vcard::Leggi(t));
        lettura += MsProcessore() - t1;
    }
    stato.counters["aggiunte"] = static_cast<double>(aggiunte);
    stato.counters["lettura_ms"] = lettura / static_cast<double>(stato.iterations());
    Riporta(stato, ms, raw);
}
BENCHMARK(ImportaVCard)->Unit(benchmark::kMillisecond)->Iterations(3);

void ImportaIcs(benchmark::State& stato) {
    const fs::path cartella = Cartella() / "ics";
    const fs::path ics = Cartella() / "bench.ics";
    SostituisciFile(ics, TestoIcs());
    double ms = 0, raw = 0, lettura = 0;
    std::size_t aggiunte = 0;
    for (auto _ : stato) {
        fs::remove_all(cartella);
        fs::create_directories(cartella);
        const double t0 = MsProcessore();
        aggiunte = calendario::ImportaCalendario(interscambio::LeggiFile(ics), cartella, 1704067200).aggiunte;
        ms += MsProcessore() - t0;
        raw += MsLeggiRaw(ics) +
               MsScriviRaw(Cartella() / "raw.bin",
                           fs::file_size(TArchivioScadenze::Percorso(cartella, generatore::kAnno)));
        const double t1 = MsProcessore();
        benchmark::DoNotOptimize(calendario::LeggiCalendario(TestoIcs(), 1704067200));
        lettura += MsProcessore() - t1;
    }
    stato.counters["aggiunte"] = static_cast<double>(aggiunte);
    stato.counters["lettura_ms"] = lettura / static_cast<double>(stato.iterations());
    stato.counters["MB_ics"] = static_cast<double>(fs::file_size(ics)) / (1 << 20);
    stato.counters["MB_anno"] =
        static_cast<double>(fs::file_size(TArchivioScadenze::Percorso(cartella, generatore::kAnno))) / (1 << 20);
    Riporta(stato, ms, raw);
}
BENCHMARK(ImportaIcs)->Unit(benchmark::kMillisecond)->Iterations(3);

void XlsxContatti(benchmark::State& stato) {
    // 25 text cells a row: the contact's first 25 fields, as generated.
    std::vector<TSchedaContatto> schede;
    TArchivioContatti a;
    a.Apri(Contatti(), Accesso::SolaLettura);
    a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
        schede.push_back(s);
        return true;
    });
    a.Chiudi();
    std::vector<foglio::Intestazione> intestazioni;
    for (std::size_t c = 0; c < 25; ++c) intestazioni.push_back({TSchedaContatto::Campi[c].nome, 250});
    const foglio::Righe righe{schede.size(), [&](std::size_t r, std::size_t c) -> std::string_view {
                                  return schede[r].*(TSchedaContatto::Campi[c].membro);
                              }};
    const fs::path out = Cartella() / "Contatti.xlsx";
    double ms = 0, raw = 0;
    for (auto _ : stato) {
        const double t0 = MsProcessore();
        foglio::ScriviXlsx(out, "Riepilogo Contatti", intestazioni, righe);
        ms += MsProcessore() - t0;
        raw += MsScriviRaw(Cartella() / "raw.bin", fs::file_size(out));
    }
    stato.counters["MB"] = static_cast<double>(fs::file_size(out)) / (1 << 20);
    Riporta(stato, ms, raw);
}
BENCHMARK(XlsxContatti)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
