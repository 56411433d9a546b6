// Typesets the help pages as the A4 manual: a title page with the contents, then every
// page of the help under its title, with a running head and page numbers.
// Usage: genera_guida <help text> <output pdf>. Runs at build time, offscreen.
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <cstdio>
#include <exception>
#include <vector>

#include "core/help/Guida.h"

namespace {

const QString kTitoloManuale =
    QStringLiteral("Ricordario Diz 3.0 — Guida all'utilizzo del software");
const QString kSito = QStringLiteral("https://ricordario.example");
const QString kEmail = QStringLiteral("info@ricordario.example");

const QColor kBlu(0x40, 0x8A, 0xB3);       // the launcher's blue
const QColor kBluScuro(0x1F, 0x4E, 0x79);  // headings
const QColor kTesto(0x22, 0x22, 0x22);
const QColor kGrigio(0x70, 0x70, 0x70);

constexpr int kRisoluzione = 300;

// Painter coordinates are device pixels; the text document scales its format lengths
// (margins) from 96 dpi to the device itself.
qreal Mm(qreal mm) { return mm * kRisoluzione / 25.4; }
qreal MmFormato(qreal mm) { return mm * 96 / 25.4; }

constexpr qreal kSpazioSottoTitolo = 9;  // mm, the rule stands in it

QFont Carattere(bool conGrazie, qreal punti, QFont::Weight peso = QFont::Normal) {
    QFont f;
    f.setFamilies(conGrazie ? QStringList{"Liberation Serif", "DejaVu Serif", "serif"}
                            : QStringList{"Liberation Sans", "DejaVu Sans", "sans-serif"});
    f.setPointSizeF(punti);
    f.setWeight(peso);
    return f;
}

// One chapter of the manual: a help page, its heading block and the page it starts on.
struct Capitolo {
    QString titolo;
    QTextBlock intestazione;
    int pagina = 0;  // 0-based among the body pages
};

// The body of the manual: every help page, each starting on a new page.
class Corpo {
public:
    Corpo(const guida::Guida& g, QPaintDevice* dispositivo, QSizeF pagina) {
        doc_.documentLayout()->setPaintDevice(dispositivo);
        doc_.setDocumentMargin(0);
        doc_.setPageSize(pagina);
        QTextCursor c(&doc_);
        bool primo = true;
        for (const auto& p : g.Pagine()) {
            capitoli_.push_back({QString::fromStdString(p.titolo), {}, 0});
            AggiungiTitolo(c, capitoli_.back().titolo, primo);
            capitoli_.back().intestazione = c.block();
            for (const auto& paragrafo : guida::Paragrafi(p.testo)) {
                AggiungiParagrafo(c, QString::fromStdString(paragrafo));
            }
            primo = false;
        }
        altezzaPagina_ = pagina.height();
        for (auto& cap : capitoli_) cap.pagina = PaginaDi(cap.intestazione);
    }

    int Pagine() const { return doc_.pageCount(); }
    const std::vector<Capitolo>& Capitoli() const { return capitoli_; }

    // The chapter running on body page n.
    const Capitolo& CapitoloDi(int n) const {
        const Capitolo* corrente = &capitoli_.front();
        for (const auto& cap : capitoli_) {
            if (cap.pagina <= n) corrente = &cap;
        }
        return *corrente;
    }

    // Draws body page n with its top-left corner at the painter's origin.
    void Disegna(QPainter& p, int n) const {
        const QRectF pagina(0, n * altezzaPagina_, doc_.pageSize().width(), altezzaPagina_);
        p.save();
        p.translate(0, -pagina.top());
        p.setClipRect(pagina);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = pagina;
        ctx.palette.setColor(QPalette::Text, kTesto);
        doc_.documentLayout()->draw(&p, ctx);
        // A rule under each heading that starts on this page.
        for (const auto& cap : capitoli_) {
            if (cap.pagina != n) continue;
            const QRectF r = doc_.documentLayout()->blockBoundingRect(cap.intestazione);
            const qreal y = r.bottom() + Mm(2.5);  // the rect ends with the text
            p.fillRect(QRectF(0, y, pagina.width(), Mm(0.6)), kBlu);
        }
        p.restore();
    }

private:
    int PaginaDi(const QTextBlock& b) const {
        const qreal y = doc_.documentLayout()->blockBoundingRect(b).top();
        return static_cast<int>(std::floor((y + 1) / altezzaPagina_));
    }

    void AggiungiTitolo(QTextCursor& c, const QString& titolo, bool primo) {
        QTextBlockFormat fb;
        fb.setPageBreakPolicy(primo ? QTextFormat::PageBreak_Auto
                                    : QTextFormat::PageBreak_AlwaysBefore);
        fb.setBottomMargin(MmFormato(kSpazioSottoTitolo));
        QTextCharFormat fc;
        fc.setFont(Carattere(false, 18, QFont::Bold));
        fc.setForeground(kBluScuro);
        if (primo) {
            c.setBlockFormat(fb);
            c.setBlockCharFormat(fc);
        } else {
            c.insertBlock(fb, fc);
        }
        c.insertText(titolo, fc);
    }

    void AggiungiParagrafo(QTextCursor& c, const QString& testo) {
        QTextBlockFormat fb;
        fb.setAlignment(Qt::AlignJustify);
        fb.setBottomMargin(MmFormato(2.8));
        fb.setLineHeight(128, QTextBlockFormat::ProportionalHeight);
        QTextCharFormat fc;
        fc.setFont(Carattere(true, 11.5));
        c.insertBlock(fb, fc);
        c.insertText(testo, fc);
    }

    QTextDocument doc_;
    std::vector<Capitolo> capitoli_;
    qreal altezzaPagina_ = 0;
};

// The first page: the manual's title on a coloured band and the contents.
void DisegnaFrontespizio(QPainter& p, const QRectF& area, const Corpo& corpo) {
    const QRectF banda(area.left(), area.top(), area.width(), Mm(78));
    QLinearGradient sfumatura(banda.topLeft(), banda.bottomLeft());
    sfumatura.setColorAt(0, kBlu);
    sfumatura.setColorAt(1, kBluScuro);
    p.fillRect(banda, sfumatura);

    p.setPen(Qt::white);
    p.setFont(Carattere(false, 36, QFont::Bold));
    p.drawText(banda.adjusted(Mm(12), Mm(16), -Mm(12), -Mm(40)), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Ricordario Diz 3.0"));
    p.setFont(Carattere(false, 20));
    p.drawText(banda.adjusted(Mm(12), Mm(42), -Mm(12), -Mm(14)), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Guida all'utilizzo del software"));

    qreal y = banda.bottom() + Mm(22);
    p.setPen(kBluScuro);
    p.setFont(Carattere(false, 16, QFont::Bold));
    p.drawText(QPointF(area.left(), y), QStringLiteral("Indice"));
    y += Mm(12);

    p.setFont(Carattere(true, 12.5));
    const QFontMetricsF fm(p.font(), p.device());
    int numero = 1;
    for (const auto& cap : corpo.Capitoli()) {
        const QString voce = QStringLiteral("%1.   %2").arg(numero++).arg(cap.titolo);
        const QString pagina = QString::number(cap.pagina + 2);  // after the title page
        p.setPen(kTesto);
        p.drawText(QPointF(area.left(), y), voce);
        p.drawText(QPointF(area.right() - fm.horizontalAdvance(pagina), y), pagina);
        QPen puntini(kGrigio, Mm(0.35), Qt::DotLine);
        p.setPen(puntini);
        const qreal da = area.left() + fm.horizontalAdvance(voce) + Mm(3);
        const qreal a = area.right() - fm.horizontalAdvance(pagina) - Mm(3);
        if (a > da) p.drawLine(QPointF(da, y), QPointF(a, y));
        y += Mm(10);
    }

    p.setPen(kGrigio);
    p.setFont(Carattere(false, 10));
    p.drawText(QRectF(area.left(), area.bottom() - Mm(12), area.width(), Mm(12)),
               Qt::AlignHCenter | Qt::AlignBottom, kSito + QStringLiteral("   ·   ") + kEmail);
}

// Running head and page number of a body page.
void DisegnaTestataEPiede(QPainter& p, const QRectF& area, const QString& capitolo, int numero,
                          int totale) {
    p.setFont(Carattere(false, 8.5));
    p.setPen(kGrigio);
    const QRectF testata(area.left(), area.top(), area.width(), Mm(6));
    p.drawText(testata, Qt::AlignLeft | Qt::AlignTop, kTitoloManuale);
    p.drawText(testata, Qt::AlignRight | Qt::AlignTop, capitolo);
    p.fillRect(QRectF(area.left(), testata.bottom(), area.width(), Mm(0.25)), kBlu);
    p.drawText(QRectF(area.left(), area.bottom() - Mm(6), area.width(), Mm(6)),
               Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("Pagina %1 di %2").arg(numero).arg(totale));
}

int Errore(const QString& testo) {
    std::fprintf(stderr, "genera_guida: %s\n", qPrintable(testo));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) return Errore(QStringLiteral("uso: genera_guida <guida.txt> <Guida.pdf>"));

    guida::Guida g;
    try {
        g = guida::Guida::DaFile(argv[1]);
    } catch (const std::exception& e) {
        return Errore(QString::fromUtf8(e.what()));
    }
    if (g.Pagine().empty()) return Errore(QStringLiteral("la guida non contiene pagine"));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setResolution(kRisoluzione);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(22, 18, 22, 16), QPageLayout::Millimeter));
    pdf.setTitle(kTitoloManuale);
    pdf.setCreator(QStringLiteral("Ricordario Diz 3.0"));

    // The painter's origin is the top-left corner of the area inside the margins.
    const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPixels(kRisoluzione).size());
    const qreal testata = Mm(14);
    const qreal piede = Mm(14);
    const Corpo corpo(g, &pdf, QSizeF(area.width(), area.height() - testata - piede));

    QPainter p;
    if (!p.begin(&pdf)) return Errore(QStringLiteral("impossibile scrivere ") + argv[2]);
    p.setRenderHint(QPainter::Antialiasing);
    DisegnaFrontespizio(p, area, corpo);
    const int totale = corpo.Pagine() + 1;
    for (int n = 0; n < corpo.Pagine(); ++n) {
        pdf.newPage();
        DisegnaTestataEPiede(p, area, corpo.CapitoloDi(n).titolo, n + 2, totale);
        p.save();
        p.translate(0, testata);
        corpo.Disegna(p, n);
        p.restore();
    }
    if (!p.end()) return Errore(QStringLiteral("impossibile completare ") + argv[2]);
    return 0;
}
