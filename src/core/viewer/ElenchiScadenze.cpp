#include "core/viewer/ElenchiScadenze.h"

namespace visualizzatore {

void Riempi(griglia::TabellaTesti& t, const ElencoScadenze& elenco,
            const std::filesystem::path& file, const Data& giorno) {
    griglia::Riempi<S>(
        t, elenco.griglia.colonne, file,
        [prendi = elenco.prendi, giorno](const VistaScheda<S>& r) { return prendi(r, giorno); },
        elenco.ColonnaChiave());
}

}  // namespace visualizzatore
