#include "core/viewer/ElenchiScadenze.h"

#include "core/deadlines/TArchivioScadenze.h"

namespace visualizzatore {

void Riempi(griglia::TabellaTesti& t, const ElencoScadenze& elenco,
            const std::filesystem::path& file, const Data& giorno) {
    griglia::Riempi<S>(
        t, elenco.griglia.colonne, file,
        [prendi = elenco.prendi, giorno](const VistaScheda<S>& r) { return prendi(r, giorno); },
        elenco.ColonnaChiave());
}

void RiempiImminenti(griglia::TabellaTesti& t, const std::filesystem::path& cartella,
                     const Data& oggi) {
    Riempi(t, Imminenti, TArchivioScadenze::Percorso(cartella, oggi.anno), oggi);
    if (oggi.anno >= 9999) return;
    const auto colonne = Imminenti.griglia.colonne;
    const std::size_t primi = t.Righe();
    griglia::TabellaTesti dopo(colonne.size(), t.Fonte());
    const griglia::PostiColonne<S> posti(colonne);
    S intera{};
    // Next year's rows go after this year's whatever their keys, which hold no year.
    auto accoda = [&] {
        for (std::size_t r = 0; r < dopo.Righe(); ++r)
            for (std::size_t c = 0; c < colonne.size(); ++c) t.AccodaCella(dopo.Cella(r, c));
        t.Compatta();
    };
    try {
        ScorriScadenzeSenzaCreare(TArchivioScadenze::Percorso(cartella, oggi.anno + 1),
                                  [&](std::int64_t, const VistaScheda<S>& v) {
                                      if (ScadenzaImminente(v, oggi))
                                          griglia::AccodaRiga(dopo, colonne, posti, v,
                                                              primi + dopo.Righe() + 1, intera);
                                      return true;
                                  });
    } catch (...) {
        accoda();
        throw;
    }
    dopo.OrdinaRighe(Imminenti.ColonnaChiave());
    accoda();
}

void RiempiDaCartella(griglia::TabellaTesti& t, const ElencoScadenze& elenco,
                      const std::filesystem::path& cartella, const Data& giorno) {
    if (elenco.annoDopo) {
        // Only the imminent list reads two years, and it has its own selection.
        RiempiImminenti(t, cartella, giorno);
        return;
    }
    Riempi(t, elenco, TArchivioScadenze::Percorso(cartella, giorno.anno), giorno);
}

}  // namespace visualizzatore
