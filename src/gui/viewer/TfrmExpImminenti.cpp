#include "gui/viewer/TfrmExpImminenti.h"

#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/viewer/FinestraElenco.h"

namespace {

// The payment column has a name of its own here, and is wider in the grid than in the file.
constexpr std::array<AspettoColonna, 20> kAspetto = [] {
    auto a = AspettoElenco<20>(false);
    a[5] = {"colPagamento", 300};
    return a;
}();
static_assert(kAspetto.size() == visualizzatore::ColonneImminenti.size());

}  // namespace

TfrmExpImminenti::TfrmExpImminenti(QWidget* genitore)
    : FinestraGriglia(genitore, DichiarazioneElenco("TfrmExpImminenti", " Scadenze imminenti",
                                                    visualizzatore::Imminenti, kAspetto, &Oggi)) {}

void TfrmExpImminenti::Apri(QWidget* genitore) {
    MostraPerUso(std::make_unique<TfrmExpImminenti>(genitore));
}
