#include "gui/viewer/TfrmExpMensili.h"

#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/viewer/FinestraElenco.h"

namespace {

// The mobile column is narrower here.
constexpr std::array<AspettoColonna, 21> kAspetto = [] {
    auto a = AspettoElenco<21>(true);
    a[12].larghezza = 180;
    return a;
}();
static_assert(kAspetto.size() == visualizzatore::ColonneMensili.size());

}  // namespace

TfrmExpMensili::TfrmExpMensili(QWidget* genitore, const QDate& giorno)
    : FinestraGriglia(genitore, DichiarazioneElenco("TfrmExpMensili", " Scadenze del mese",
                                                    visualizzatore::Mensili, kAspetto,
                                                    [g = DataDi(giorno)] { return g; })) {}

void TfrmExpMensili::Apri(QWidget* genitore, const QDate& giorno) {
    MostraPerUso(std::make_unique<TfrmExpMensili>(genitore, giorno));
}
