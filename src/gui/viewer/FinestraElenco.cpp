#include "gui/viewer/FinestraElenco.h"

#include "core/deadlines/TArchivioScadenze.h"
#include "core/help/Guida.h"
#include "gui/app/Piattaforma.h"

FinestraGriglia::Dichiarazione DichiarazioneElenco(const char* classe, const char* titolo,
                                                   const visualizzatore::ElencoScadenze& elenco,
                                                   std::span<const AspettoColonna> aspetto,
                                                   std::function<Data()> giorno) {
    return {classe,
            titolo,
            guida::ElenchiScadenze,
            elenco.griglia.Colonne(),
            aspetto,
            elenco.griglia.esportazione,
            [&elenco, giorno = std::move(giorno)](griglia::TabellaTesti& t) {
                const Data g = giorno();
                visualizzatore::Riempi(
                    t, elenco, TArchivioScadenze::Percorso(PercorsoProgramma(QString()), g.anno),
                    g);
            }};
}
