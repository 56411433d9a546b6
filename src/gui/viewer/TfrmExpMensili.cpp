#include "gui/viewer/TfrmExpMensili.h"

#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/viewer/FinestraElenco.h"

TfrmExpMensili::TfrmExpMensili(QWidget* genitore, const QDate& giorno)
    : FinestraGriglia(genitore, DichiarazioneElenco("TfrmExpMensili", " Scadenze del mese",
                                                    visualizzatore::Mensili,
                                                    [g = DataDi(giorno)] { return g; })) {}

void TfrmExpMensili::Apri(QWidget* genitore, const QDate& giorno) {
    MostraPerUso(std::make_unique<TfrmExpMensili>(genitore, giorno));
}
