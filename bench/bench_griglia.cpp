// The contacts export over 100,000 realistic records: filling the grid's rows next to
// LeggiTutte of the same file, and writing Contatti.xls next to writing the same bytes with
// one buffered write. The grid's memory is reported in megabytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "core/contacts/TArchivioContatti.h"
#include "core/export/Esportazioni.h"
#include "gui/export/FinestraGriglia.h"

namespace {

constexpr int kSchede = 100000;

std::filesystem::path Cartella() {
    static const auto c = [] {
        auto p = std::filesystem::temp_directory_path() / "ricordario-bench-griglia";
        std::filesystem::create_directories(p);
        return p;
    }();
    return c;
}

// Contacts as an office keeps them: names, towns with accents, some fields empty, notes of
// any length up to the field's capacity.
TSchedaContatto Contatto(std::mt19937& caso) {
    static const char* cognomi[] = {"Rossi", "Bianchi", "Ferrari", "Esposito", "Colombo",
                                    "Ricci", "Marino", "Greco", "Bruno", "Gallo", "D'Angelo",
                                    "Fabbri", "Conti", "De Luca", "Mancini", "Lombardi"};
    static const char* nomi[] = {"Mario", "Anna", "Giuseppe", "Lucia", "Nicolò", "Chiara",
                                 "Andrea", "Francesca", "Luca", "Giulia", "Mattia", "Noemi"};
    static const char* comuni[][2] = {{"Forlì", "FC"}, {"Cantù", "CO"}, {"Roma", "RM"},
                                      {"Città di Castello", "PG"}, {"Sant'Agata Bolognese", "BO"},
                                      {"Milano", "MI"}, {"Napoli", "NA"}, {"Agliè", "TO"},
                                      {"Francia", ""}, {"Bologna", "BO"}};
    static const char* parole[] = {"richiamare", "dopo", "le", "18", "preventivo", "inviato",
                                   "attende", "risposta", "cliente", "storico", "sconto", "10%",
                                   "già", "pagato", "acconto", "€", "verificare", "documenti"};
    auto uno = [&](auto& v) { return v[caso() % std::size(v)]; };
    auto frase = [&](std::size_t massimo) {
        std::string s;
        const std::size_t quante = caso() % (massimo / 6 + 1);
        for (std::size_t i = 0; i < quante && s.size() + 12 < massimo; ++i) {
            if (!s.empty()) s += ' ';
            s += uno(parole);
        }
        return s;
    };
    TSchedaContatto s;
    s.Cliente = std::string(uno(cognomi)) + " " + uno(nomi);
    s.DataNasc = std::to_string(10 + caso() % 18) + "/0" + std::to_string(1 + caso() % 9) + "/19" +
                 std::to_string(40 + caso() % 60);
    const auto* nascita = comuni[caso() % std::size(comuni)];
    s.ComuneNasc = nascita[0];
    s.ProvNasc = nascita[1];
    const auto* residenza = comuni[caso() % std::size(comuni)];
    s.ComuneRes = residenza[0];
    s.ProvRes = residenza[1];
    s.IndirizzoRes = "Via " + std::string(uno(cognomi)) + " " + std::to_string(caso() % 200);
    s.CapRes = std::to_string(10000 + caso() % 89999);
    s.Recapito = caso() % 2 ? "Cellulare" : "Ufficio";
    s.TelCel = "3" + std::to_string(300000000 + caso() % 99999999);
    if (caso() % 3) s.TelCasa = "0543 " + std::to_string(100000 + caso() % 899999);
    if (caso() % 2) s.Email = "contatto" + std::to_string(caso() % 100000) + "@esempio.it";
    if (caso() % 2) s.CodFisc = "RSSMRA80A01H501U";
    if (caso() % 4 == 0) s.PartitaIva = "00945300507";
    if (caso() % 5 == 0) s.Iban = "IT60X0542811101000000123456";
    s.Occupazione = caso() % 2 ? "Impiegato" : "Libero professionista";
    s.Estremi = frase(60);
    s.Prodotti = frase(120);
    s.Zona = caso() % 2 ? "Centro" : "Periferia";
    s.Questioni = frase(250);
    s.Note = frase(250);
    s.Ricontatta = caso() % 2 ? "Sì" : "No";
    return s;
}

const std::filesystem::path& Archivio() {
    static const auto p = [] {
        const auto file = Cartella() / "Contatti.rub";
        std::filesystem::remove(file);
        std::mt19937 caso(7);
        std::vector<unsigned char> tutto(TArchivioContatti::Dimensione * kSchede);
        for (int i = 0; i < kSchede; ++i)
            CodificaScheda(Contatto(caso),
                           tutto.data() + static_cast<std::size_t>(i) * TArchivioContatti::Dimensione);
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(tutto.data(), 1, tutto.size(), f);
        std::fclose(f);
        return file;
    }();
    return p;
}

void Riempi(ModelloGriglia& m) {
    m.Riempi([](griglia::TabellaTesti& t) {
        griglia::Riempi<TSchedaContatto>(t, esportazione::Contatti.colonne, Archivio());
    });
}

void LeggiTutte(benchmark::State& stato) {
    Archivio();  // made once, before any timing
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(Archivio());
        a.LeggiTutte([](std::int64_t, const TSchedaContatto& s) {
            benchmark::DoNotOptimize(s.Note.data());
            return true;
        });
    }
}
BENCHMARK(LeggiTutte)->Unit(benchmark::kMillisecond);

void RiempiGriglia(benchmark::State& stato) {
    ModelloGriglia m(esportazione::Contatti.Colonne(), nullptr);
    for (auto _ : stato) Riempi(m);
    stato.counters["righe"] = static_cast<double>(m.rowCount());
    stato.counters["MB"] = static_cast<double>(m.Tabella().Memoria()) / (1 << 20);
    stato.counters["MB_celle"] = static_cast<double>(m.Tabella().Righe() * m.Tabella().Colonne() * 8) / (1 << 20);
}
BENCHMARK(RiempiGriglia)->Unit(benchmark::kMillisecond);

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
