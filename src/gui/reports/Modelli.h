#pragma once
// The program's two report templates: the card (`repScheda`, contact and deadline
// variants) and the list (`frxReport`), with the filling of a list.
#include <QStringList>

#include "core/records/RigaStampa.h"
#include "gui/reports/Report.h"
#include "gui/reports/Stampa.h"

namespace report {

enum class VarianteScheda { Contatto, Scadenza };

// One line of the list's text box (12.822 pixels at 96 dpi) and the room under the last
// line of its band (10 pixels).
constexpr double kRigaElenco = 12.822 * 25.4 / 96;
constexpr double kSpazioSottoElenco = 10 * 25.4 / 96;

// A4 portrait: logo, title, 24 caption/value rows, separators, footer.
Modello ModelloScheda(VarianteScheda variante);
// A4 landscape: title once, the lines of `txtRiepilogo` over as many pages as they need,
// the print date once after them.
Modello ModelloElenco();

// Title and lines into a list template, with the heights that follow from the number of
// lines. Printing is then `StampaReport`.
void RiempiElenco(Modello& modello, const QString& titolo, const QStringList& righe);

// Title, the 24 caption/value rows and the footer with today's date and the time.
void RiempiScheda(Modello& modello, const QString& titolo, const RigheScheda& righe);

// PDF output of the contact card, into `nomeFile`.
ImpostazioniPDF PdfScheda(const QString& nomeFile);

}  // namespace report
