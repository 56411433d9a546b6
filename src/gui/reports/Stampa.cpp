#include "gui/reports/Stampa.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "gui/app/Piattaforma.h"
#include "gui/reports/TfrmAnteprima.h"

namespace report {

void ImpostaPagina(QPagedPaintDevice& dispositivo, const Modello& modello) {
    // The whole sheet: the template keeps its own margins, so items land at the same
    // place on the paper whatever margins a printer would add.
    QPageLayout pagina(QPageSize(QPageSize::A4), modello.orientamento, QMarginsF(),
                       QPageLayout::Millimeter);
    pagina.setMode(QPageLayout::FullPageMode);
    dispositivo.setPageLayout(pagina);
}

bool DipingiPagine(QPagedPaintDevice& dispositivo, const Modello& modello,
                   const QList<Pagina>& pagine, const QList<int>& scelte) {
    QPainter painter;
    if (!painter.begin(&dispositivo)) return false;
    const double pxPerMm = dispositivo.logicalDpiX() / 25.4;
    bool prima = true;
    for (int i : scelte) {
        if (!prima && !dispositivo.newPage()) return false;
        prima = false;
        painter.save();
        painter.translate(modello.margine * pxPerMm, modello.margine * pxPerMm);
        DipingiPagina(painter, pagine.at(i), pxPerMm);
        painter.restore();
    }
    return painter.end();
}

void StampaPagine(const Modello& modello, const QList<Pagina>& pagine, QWidget* genitore) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(modello.nome);
    stampante.setFullPage(true);
    ImpostaPagina(stampante, modello);
    if (!piattaforma().ChiediStampante(genitore, stampante)) return;
    // The dialog may have changed the sheet; the template's one is what gets printed.
    stampante.setFullPage(true);
    ImpostaPagina(stampante, modello);

    const QPageRanges intervalli = stampante.pageRanges();
    QList<int> pagineScelte;
    for (int i = 0; i < pagine.size(); ++i)
        if (intervalli.isEmpty() || intervalli.contains(i + 1)) pagineScelte << i;
    // Printers that cannot make copies themselves get each page as often as asked.
    const int copie = stampante.supportsMultipleCopies() ? 1 : std::max(1, stampante.copyCount());
    QList<int> scelte;
    for (int c = 0; c < copie; ++c) scelte << pagineScelte;
    if (!scelte.isEmpty()) DipingiPagine(stampante, modello, pagine, scelte);
}

void StampaReport(const Modello& modello, QWidget* genitore) {
    StampaPagine(modello, Impagina(modello, piattaforma().Adesso()), genitore);
}

void MostraAnteprima(const Modello& modello, QWidget* genitore) {
    TfrmAnteprima finestra(modello, Impagina(modello, piattaforma().Adesso()), genitore);
    piattaforma().MostraModale(&finestra);
}

bool EsportaPDF(const Modello& modello, const ImpostazioniPDF& impostazioni, QWidget* genitore) {
    const QList<Pagina> pagine = Impagina(modello, piattaforma().Adesso());
    QList<int> tutte;
    for (int i = 0; i < pagine.size(); ++i) tutte << i;
    QPdfWriter pdf(impostazioni.nomeFile);
    pdf.setResolution(1200);
    pdf.setTitle(impostazioni.titolo);
    pdf.setCreator(impostazioni.creatore);
    ImpostaPagina(pdf, modello);
    if (DipingiPagine(pdf, modello, pagine, tutte)) return true;
    piattaforma().MostraAvviso(genitore,
                               QStringLiteral("Impossibile scrivere il file PDF:\n") +
                                   QDir::toNativeSeparators(impostazioni.nomeFile),
                               TipoAvviso::Errore);
    return false;
}

}  // namespace report
