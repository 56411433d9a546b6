#include "gui/viewer/TfrmExpImminenti.h"

#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/viewer/FinestraElenco.h"

TfrmExpImminenti::TfrmExpImminenti(QWidget* genitore)
    : FinestraGriglia(genitore, DichiarazioneElenco("TfrmExpImminenti", " Scadenze imminenti",
                                                    visualizzatore::Imminenti, &Oggi)) {}

void TfrmExpImminenti::Apri(QWidget* genitore) {
    MostraPerUso(std::make_unique<TfrmExpImminenti>(genitore));
}
