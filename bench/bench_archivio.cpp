// Every archive-wide command over 100,000 generated records (bench/GeneratoreDati), each
// beside reading the same file's bytes in the same iterations (bench/Misura.h: cpu_ms,
// byte_ms, x_byte): the contact commands over the contact archive, the deadline commands
// (search, the three state lists, the summary, the viewer's check and imminent list, the
// login warning) over a year file.
#include <benchmark/benchmark.h>

#include "GeneratoreDati.h"
#include "Misura.h"
#include "core/lists/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/Avvisi.h"
#include "core/deadlines/RicercaScadenze.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "core/summary/Riepilogo.h"
#include "core/viewer/ElenchiScadenze.h"
#include "core/viewer/RegoleVisualizzatore.h"
#include "core/memory/PagineGrandi.h"

namespace {

using ricerca::VistaContatto;
using scadenza::VistaScadenza;

std::filesystem::path Contatti() { return generatore::ArchivioContatti(); }
// Lists are held as the result list holds them.
elenco::Righe Righe() { return elenco::Righe(MemoriaPagineGrandi()); }
std::filesystem::path Scadenze() { return generatore::ArchivioScadenze(); }

// Reading the bytes against itself: how steady the baseline is.
void Byte(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        benchmark::DoNotOptimize(generatore::LeggiByte(file()));
        t.Base();
    }
}
BENCHMARK_CAPTURE(Byte, contatti, Contatti)->Unit(benchmark::kMillisecond);

// The scan alone, touching no field.
template <class ArchivioDi>
void Scorri(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        std::int64_t n = 0;
        ArchivioDi a;
        a.Apri(file());
        a.ScorriTutte([&n](std::int64_t, const auto&) { return ++n, true; });
        benchmark::DoNotOptimize(n);
        t.Base();
    }
}
void ScorriContatti(benchmark::State& s) { Scorri<TArchivioContatti>(s, Contatti); }
void ScorriScadenze(benchmark::State& s) { Scorri<TArchivioScadenze>(s, Scadenze); }
BENCHMARK(ScorriContatti)->Unit(benchmark::kMillisecond);
BENCHMARK(ScorriScadenze)->Unit(benchmark::kMillisecond);

// Every record whole: what the export and any command needing whole records pay.
template <class ArchivioDi>
void LeggiTutte(benchmark::State& stato, std::filesystem::path (*file)()) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        ArchivioDi a;
        a.Apri(file());
        a.LeggiTutte([](std::int64_t, const auto& s) {
            benchmark::DoNotOptimize(&s);
            return true;
        });
        t.Base();
    }
}
void LeggiTutteContatti(benchmark::State& s) { LeggiTutte<TArchivioContatti>(s, Contatti); }
void LeggiTutteScadenze(benchmark::State& s) { LeggiTutte<TArchivioScadenze>(s, Scadenze); }
BENCHMARK(LeggiTutteContatti)->Unit(benchmark::kMillisecond);
BENCHMARK(LeggiTutteScadenze)->Unit(benchmark::kMillisecond);

// The contact search as the window runs it: filters, lines, list order.
void RicercaContatti(benchmark::State& stato, ricerca::FiltriContatto filtri) {
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        const ricerca::RicercaContatti cerca(filtri);
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioContatti a;
        a.Apri(Contatti());
        elenco::AccodaRighe<TSchedaContatto>(
            a, [&](const VistaContatto& s) { return cerca.Trovata(s); },
            ricerca::AccodaRigaContatto, righe);
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
    }
}
BENCHMARK_CAPTURE(RicercaContatti, filtri_vuoti, ricerca::FiltriContatto{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaContatti, nome, ricerca::FiltriContatto{"rossi"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaContatti, tre_filtri,
                  ricerca::FiltriContatto{"ro", "forl", "", "", "", "", "", "", "", "perché"})
    ->Unit(benchmark::kMillisecond);

// A command's choice alone: the scan and its rule over every record, counting what it
// takes, with no lines made; beside each list command, to show what the scan costs and
// what the list does.
template <class ArchivioDi, class Vista, class Prendi>
void Scelta(benchmark::State& stato, std::filesystem::path (*file)(), Prendi nuova) {
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        auto prendi = nuova();
        std::int64_t prese = 0;
        ArchivioDi a;
        a.Apri(file());
        a.ScorriTutte([&](std::int64_t, const Vista& s) {
            if (prendi(s)) ++prese;
            return true;
        });
        a.Chiudi();
        stato.counters["prese"] = static_cast<double>(prese);
        t.Base();
    }
}

void SceltaRicercaContatti(benchmark::State& stato, ricerca::FiltriContatto filtri) {
    Scelta<TArchivioContatti, VistaContatto>(stato, Contatti, [&filtri] {
        return [cerca = ricerca::RicercaContatti(filtri)](const VistaContatto& s) {
            return cerca.Trovata(s);
        };
    });
}
BENCHMARK_CAPTURE(SceltaRicercaContatti, filtri_vuoti, ricerca::FiltriContatto{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SceltaRicercaContatti, tre_filtri,
                  ricerca::FiltriContatto{"ro", "forl", "", "", "", "", "", "", "", "perché"})
    ->Unit(benchmark::kMillisecond);

void SceltaRicontatta(benchmark::State& stato) {
    Scelta<TArchivioContatti, VistaContatto>(
        stato, Contatti, [] { return [](const VistaContatto& s) { return ricerca::DaRicontattare(s); }; });
}
BENCHMARK(SceltaRicontatta)->Unit(benchmark::kMillisecond);

// The recontact list.
void Ricontatta(benchmark::State& stato) {
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioContatti a;
        a.Apri(Contatti());
        elenco::AccodaRighe<TSchedaContatto>(a, ricerca::DaRicontattare,
                                             ricerca::AccodaRigaRicontatto, righe);
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
    }
}
BENCHMARK(Ricontatta)->Unit(benchmark::kMillisecond);

// The pick of a line: every record's line against the chosen one.
void SceltaRiga(benchmark::State& stato) {
    const std::string riga = ricerca::RigaContatto(
        SchedaMemorizzata<TSchedaContatto>(generatore::Contatto(generatore::kSchede / 2)).Vista());
    misura::Cronometro t(stato, Contatti());
    for (auto _ : stato) {
        TArchivioContatti a;
        a.Apri(Contatti());
        const auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(
            a, riga, ricerca::FormaContatto,
            [](std::int64_t, const TSchedaContatto& s) { benchmark::DoNotOptimize(&s); });
        benchmark::DoNotOptimize(n);
        t.Base();
    }
}
BENCHMARK(SceltaRiga)->Unit(benchmark::kMillisecond);

// Putting the lines of every record in list order, on their own: contact lines differ
// early, deadline lines share their padded first column with thousands of others.
template <class ArchivioDi, class Vista>
void OrdinaRighe(benchmark::State& stato, std::filesystem::path (*file)(),
                 std::string (*riga)(const Vista&)) {
    elenco::Righe tutte = Righe();
    ArchivioDi a;
    a.Apri(file());
    a.ScorriTutte([&](std::int64_t, const Vista& s) {
        tutte.Accoda(riga(s));
        return true;
    });
    a.Chiudi();
    misura::Cronometro t(stato, file());
    for (auto _ : stato) {
        t.Pausa();
        elenco::Righe copia = tutte, elenco = Righe();
        t.Riprendi();
        elenco::Inserisci(elenco, std::move(copia));
        benchmark::DoNotOptimize(elenco.size());
        t.Base();
    }
}
void OrdinaRigheContatti(benchmark::State& s) {
    OrdinaRighe<TArchivioContatti>(s, Contatti, ricerca::RigaContatto);
}
void OrdinaRigheScadenze(benchmark::State& s) {
    OrdinaRighe<TArchivioScadenze>(s, Scadenze, scadenza::RigaScadenza);
}
BENCHMARK(OrdinaRigheContatti)->Unit(benchmark::kMillisecond);
BENCHMARK(OrdinaRigheScadenze)->Unit(benchmark::kMillisecond);

// ---- The deadline commands, over a year file --------------------------------------------

// A day of the generated year for the commands that look at today.
constexpr Data kOggi{15, 6, generatore::kAnno};

// Lines made for the records a command takes, then put in list order, as the list windows
// do; `nuova` makes the command's choice anew for each run.
template <class Nuova>
void ElencoScadenze(benchmark::State& stato, Nuova nuova) {
    misura::Cronometro t(stato, Scadenze());
    for (auto _ : stato) {
        auto prendi = nuova();
        elenco::Righe righe = Righe(), elenco = Righe();
        TArchivioScadenze a;
        a.Apri(Scadenze());
        elenco::AccodaRighe<TSchedaScadenza>(
            a, [&](const VistaScadenza& s) { return prendi(s); }, scadenza::AccodaRigaScadenza,
            righe);
        a.Chiudi();
        elenco::Inserisci(elenco, std::move(righe));
        stato.counters["righe"] = static_cast<double>(elenco.size());
        t.Base();
    }
}

// The deadline search.
void RicercaScadenze(benchmark::State& stato, scadenza::FiltriScadenza filtri) {
    const scadenza::RicercaScadenze cerca(filtri);
    ElencoScadenze(stato, [&cerca] {
        return [&cerca](const VistaScadenza& s) { return cerca.Trovata(s); };
    });
}
BENCHMARK_CAPTURE(RicercaScadenze, filtri_vuoti, scadenza::FiltriScadenza{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaScadenze, contatto,
                  scadenza::FiltriScadenza{"", "", "rossi"})
    ->Unit(benchmark::kMillisecond);

void SceltaRicercaScadenze(benchmark::State& stato, scadenza::FiltriScadenza filtri) {
    Scelta<TArchivioScadenze, VistaScadenza>(stato, Scadenze, [&filtri] {
        return [cerca = scadenza::RicercaScadenze(filtri)](const VistaScadenza& s) {
            return cerca.Trovata(s);
        };
    });
}
BENCHMARK_CAPTURE(SceltaRicercaScadenze, filtri_vuoti, scadenza::FiltriScadenza{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SceltaRicercaScadenze, contatto, scadenza::FiltriScadenza{"", "", "rossi"})
    ->Unit(benchmark::kMillisecond);

// The three lists of commitments by state.
void Impegni(benchmark::State& stato, scadenza::StatoImpegni quali) {
    ElencoScadenze(stato, [quali] {
        return [quali](const VistaScadenza& s) { return scadenza::Elencato(quali, s, kOggi); };
    });
}
BENCHMARK_CAPTURE(Impegni, da_confermare, scadenza::StatoImpegni::DaConfermare)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Impegni, non_assolti, scadenza::StatoImpegni::NonAssolti)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Impegni, scaduti, scadenza::StatoImpegni::Scaduti)
    ->Unit(benchmark::kMillisecond);

void SceltaImpegni(benchmark::State& stato, scadenza::StatoImpegni quali) {
    Scelta<TArchivioScadenze, VistaScadenza>(stato, Scadenze, [quali] {
        return [quali](const VistaScadenza& s) { return scadenza::Elencato(quali, s, kOggi); };
    });
}
BENCHMARK_CAPTURE(SceltaImpegni, da_confermare, scadenza::StatoImpegni::DaConfermare)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SceltaImpegni, non_assolti, scadenza::StatoImpegni::NonAssolti)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SceltaImpegni, scaduti, scadenza::StatoImpegni::Scaduti)
    ->Unit(benchmark::kMillisecond);

// The interval summary of the whole year: every record taken, its amount added.
void Riepilogo(benchmark::State& stato) {
    const riepilogo::RichiestaRiepilogo anno{Scadenze(), "", "", Data{1, 1, generatore::kAnno},
                                             Data{31, 12, generatore::kAnno}};
    ElencoScadenze(stato, [&anno] {
        return [r = riepilogo::Riepilogo(anno)](const VistaScadenza& s) mutable {
            return r.Prendi(s);
        };
    });
}
BENCHMARK(Riepilogo)->Unit(benchmark::kMillisecond);

void SceltaRiepilogo(benchmark::State& stato) {
    const riepilogo::RichiestaRiepilogo anno{Scadenze(), "", "", Data{1, 1, generatore::kAnno},
                                             Data{31, 12, generatore::kAnno}};
    Scelta<TArchivioScadenze, VistaScadenza>(stato, Scadenze, [&anno] {
        return [r = riepilogo::Riepilogo(anno)](const VistaScadenza& s) mutable {
            return r.Prendi(s);
        };
    });
}
BENCHMARK(SceltaRiepilogo)->Unit(benchmark::kMillisecond);

// The viewer's imminence check on opening.
void ContaImminenti(benchmark::State& stato) {
    misura::Cronometro t(stato, Scadenze());
    std::int64_t n = 0;
    for (auto _ : stato) {
        n = visualizzatore::ContaImminenti(Scadenze(), kOggi);
        t.Base();
    }
    stato.counters["imminenti"] = static_cast<double>(n);
}
BENCHMARK(ContaImminenti)->Unit(benchmark::kMillisecond);

// The viewer's list of imminent deadlines: the records it takes read whole, one row of
// texts each, rows sorted on the chronological key (the viewer's own benchmark has a
// tenth of the year imminent and the heap's peak).
void ElencoImminenti(benchmark::State& stato) {
    using visualizzatore::Imminenti;
    misura::Cronometro t(stato, Scadenze());
    for (auto _ : stato) {
        griglia::TabellaTesti righe(0, MemoriaPagineGrandi());  // as the list window holds it
        visualizzatore::Riempi(righe, Imminenti, Scadenze(), kOggi);
        stato.counters["righe"] = static_cast<double>(righe.Righe());
        t.Base();
    }
}
BENCHMARK(ElencoImminenti)->Unit(benchmark::kMillisecond);

// The login warning (--avvisi): the imminent deadlines of today's year file, nearest first.
void Avvisi(benchmark::State& stato) {
    const avvisi::RegolaImminenza regola = [](const VistaScadenza& s, const Data& oggi) {
        return visualizzatore::ScadenzaImminente(s, oggi);
    };
    misura::Cronometro t(stato, Scadenze());
    for (auto _ : stato) {
        const auto trovate = avvisi::CercaImminenti(Scadenze().parent_path(), kOggi, regola);
        stato.counters["imminenti"] = static_cast<double>(trovate.schede.size());
        t.Base();
    }
}
BENCHMARK(Avvisi)->Unit(benchmark::kMillisecond);

// The calendar export (--calendario): the year file read whole and written as iCalendar.
void Calendario(benchmark::State& stato) {
    misura::Cronometro t(stato, Scadenze());
    for (auto _ : stato) {
        const auto esito = calendario::ScriviCalendario(LeggiScadenzeSenzaCreare(Scadenze()),
                                                        generatore::kAnno,
                                                        Scadenze().parent_path(), 0);
        stato.counters["eventi"] = static_cast<double>(esito.eventi);
        t.Base();
    }
}
BENCHMARK(Calendario)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
