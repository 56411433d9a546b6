#include "gui/viewer/TfrmExpGiornaliere.h"

#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/viewer/FinestraElenco.h"

namespace {

constexpr std::array<AspettoColonna, 21> kAspetto = AspettoElenco<21>(true);
static_assert(kAspetto.size() == visualizzatore::ColonneGiornaliere.size());

}  // namespace

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* genitore, const QDate& giorno)
    : FinestraGriglia(genitore, DichiarazioneElenco("TfrmExpGiornaliere", " Scadenze del giorno",
                                                    visualizzatore::Giornaliere, kAspetto,
                                                    [g = DataDi(giorno)] { return g; })) {}

void TfrmExpGiornaliere::Apri(QWidget* genitore, const QDate& giorno) {
    MostraPerUso(std::make_unique<TfrmExpGiornaliere>(genitore, giorno));
}
