// What the locks between processes cost: the contact search and the viewer's check over
// 100,000 records, and a single save (an append, an overwrite with its journal), each
// opened as the program opens them (locked) and on the bare file with no lock, side by
// side. The difference is the price of taking and letting go of the locks.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "GeneratoreDati.h"
#include "core/archive/ArchivioScheda.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/lists/Elenco.h"
#include "core/viewer/RegoleVisualizzatore.h"

namespace fs = std::filesystem;

namespace {

constexpr Data kOggi{15, 6, generatore::kAnno};

template <class ArchivioDi>
void Apri(ArchivioDi& a, const fs::path& file, Accesso accesso, bool conBlocco) {
    if (conBlocco)
        a.Apri(file, accesso);
    else
        a.ApriSu(ApriFileArchivio(file, accesso));
}

// The locks alone, where the noise of a whole command cannot hide them: opening and closing
// the archive with its lock taken in between, against opening and closing it bare.
void PrendiERilascia(benchmark::State& stato, int modo) {
    const fs::path file = generatore::ArchivioContatti();
    const Accesso accesso = modo == 2 ? Accesso::LetturaScrittura : Accesso::SolaLettura;
    for (auto _ : stato) {
        auto f = ApriFileArchivio(file, accesso);
        if (modo > 0)
            blocchi::Blocca(*f, file,
                            modo == 2 ? FileArchivio::Blocco::Esclusivo : FileArchivio::Blocco::Condiviso);
        f->Chiudi();
    }
}
BENCHMARK_CAPTURE(PrendiERilascia, senza_blocco, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrendiERilascia, condiviso, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrendiERilascia, esclusivo, 2)->Unit(benchmark::kMicrosecond);

// The contact search over every record, as the search window runs it.
void RicercaContatti(benchmark::State& stato, bool conBlocco) {
    const fs::path file = generatore::ArchivioContatti();
    const ricerca::RicercaContatti cerca(ricerca::FiltriContatto{"rossi"});
    for (auto _ : stato) {
        elenco::Righe righe;
        TArchivioContatti a;
        Apri(a, file, Accesso::SolaLettura, conBlocco);
        elenco::AccodaRighe<TSchedaContatto>(
            a, [&](const ricerca::VistaContatto& s) { return cerca.Trovata(s); },
            ricerca::AccodaRigaContatto, righe);
        a.Chiudi();
        benchmark::DoNotOptimize(righe.size());
    }
}
BENCHMARK_CAPTURE(RicercaContatti, con_blocco, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaContatti, senza_blocco, false)->Unit(benchmark::kMillisecond);

// The viewer's check: how many deadlines of the year file are imminent.
void ContaImminenti(benchmark::State& stato, bool conBlocco) {
    const fs::path file = generatore::ArchivioScadenze();
    for (auto _ : stato) {
        std::int64_t n = 0;
        TArchivioScadenze a;
        Apri(a, file, Accesso::SolaLettura, conBlocco);
        a.ScorriTutte([&](std::int64_t, const VistaScheda<TSchedaScadenza>& s) {
            if (visualizzatore::ScadenzaImminente(s, kOggi)) ++n;
            return true;
        });
        a.Chiudi();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK_CAPTURE(ContaImminenti, con_blocco, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ContaImminenti, senza_blocco, false)->Unit(benchmark::kMillisecond);

// A save of a new contact onto an archive of 100,000, forced onto the disk, as Salva does.
fs::path CopiaDiLavoro() {
    const fs::path originale = generatore::ArchivioContatti();
    const fs::path copia = originale.parent_path() / "Contatti-salvataggi.rub";
    fs::copy_file(originale, copia, fs::copy_options::overwrite_existing);
    return copia;
}

void Accoda(benchmark::State& stato, bool conBlocco) {
    const fs::path file = CopiaDiLavoro();
    const TSchedaContatto nuova = generatore::Contatto(7);
    for (auto _ : stato) {
        if (conBlocco) {
            benchmark::DoNotOptimize(SalvaScheda<TArchivioContatti>(file, 0, nuova));
        } else {
            TArchivioContatti a;
            a.ApriSu(ApriFileArchivio(file));
            benchmark::DoNotOptimize(a.AccodaScheda(nuova));
            a.Chiudi();
        }
    }
    fs::remove(file);
}
BENCHMARK_CAPTURE(Accoda, con_blocco, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Accoda, senza_blocco, false)->Unit(benchmark::kMillisecond)->UseRealTime();

// An overwrite through its journal, alternating two versions so every save changes bytes.
void Sovrascrivi(benchmark::State& stato, bool conBlocco) {
    const fs::path file = CopiaDiLavoro();
    const TSchedaContatto versioni[2] = {generatore::Contatto(11), generatore::Contatto(12)};
    constexpr std::int64_t kPosizione = 50000;
    int v = 0;
    for (auto _ : stato) {
        const TSchedaContatto& s = versioni[v ^= 1];
        if (conBlocco) {
            SalvaScheda<TArchivioContatti>(file, kPosizione, s);
        } else {
            unsigned char dati[TArchivioContatti::Dimensione];
            CodificaScheda(s, dati);
            auto f = ApriFileArchivio(file);
            giornale::Sovrascrivi(StratoStandard(), file, *f,
                                  (kPosizione - 1) * TArchivioContatti::Dimensione, dati,
                                  sizeof dati);
            f->Chiudi();
        }
    }
    fs::remove(file);
}
BENCHMARK_CAPTURE(Sovrascrivi, con_blocco, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Sovrascrivi, senza_blocco, false)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
