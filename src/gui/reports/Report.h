#pragma once
// A small page-report engine. A template (`Modello`) holds bands of named text boxes,
// pictures and lines, placed in millimetres; `Impagina` lays it out into pages of
// positioned items (texts already cut to their boxes, expressions evaluated) without
// painting, and `DipingiPagina` paints one laid-out page. Printing, preview and PDF output
// (Stampa.h) and the program's own templates (Modelli.h) are built on these.
#include <QColor>
#include <QDateTime>
#include <QFlags>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

namespace report {

enum class TipoElemento { Testo, Immagine, Linea };

struct Stile {
    QString famiglia = QStringLiteral("Arial");
    double punti = 10;
    bool grassetto = false;
    QColor colore = Qt::black;
    QColor sfondo;  // not valid: no background
    Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter;
};

struct Elemento {
    TipoElemento tipo = TipoElemento::Testo;
    QString nome;
    // Millimetres. In a template: from the top-left corner of the band; on a laid-out
    // page: from the top-left corner of the printable area. A line is horizontal, from
    // the rect's top-left corner along its width.
    QRectF rect;
    // A text box's text (on a laid-out page: after expressions and cutting, lines
    // separated by '\n'); a picture's resource or file path.
    QString testo;
    Stile stile;
    bool aCapo = false;        // may wrap onto a second line inside the box
    bool espressioni = false;  // "[DATE]" and "[TIME]" are replaced at layout
    // Above zero: a box of many lines, one every `altezzaRiga` mm, each cut at the right
    // edge, that may be split between pages at a line boundary.
    double altezzaRiga = 0;
};

struct Banda {
    QString nome;
    double altezza = 0;
    bool divisibile = false;  // may continue on the following pages
    QList<Elemento> elementi;
};

// The commands of the preview window.
enum class Pulsante {
    Stampa = 0x01,
    Zoom = 0x02,
    SchermoIntero = 0x04,
    Miniature = 0x08,
    Navigatore = 0x10,
    Chiudi = 0x20,
};
Q_DECLARE_FLAGS(Pulsanti, Pulsante)

// A report template on A4 paper. Its bands are laid out once each, one under the other.
struct Modello {
    QString nome;
    QPageLayout::Orientation orientamento = QPageLayout::Portrait;
    double margine = 10;  // mm, on all four sides
    QList<Banda> bande;
    Pulsanti pulsanti;

    QSizeF Carta() const;  // the sheet, mm
    QSizeF Area() const;   // the printable area inside the margins, mm
    // The named box, picture or line; nullptr when there is none.
    Elemento* TrovaElemento(const QString& nome);
    const Elemento* TrovaElemento(const QString& nome) const;
    Banda* TrovaBanda(const QString& nome);
};

// One laid-out page: its items in page coordinates.
struct Pagina {
    QList<Elemento> elementi;
};

// Replaces the text of the named box.
void ImpostaMemo(Modello& modello, const QString& nome, const QString& testo);

// Lays the report out; `adesso` is the moment the expressions show.
QList<Pagina> Impagina(const Modello& modello, const QDateTime& adesso);

// Paints a laid-out page; the painter's origin is the top-left corner of the printable
// area and `pxPerMm` the device pixels per millimetre.
void DipingiPagina(QPainter& painter, const Pagina& pagina, double pxPerMm);
// The whole sheet of a laid-out page as a picture (for thumbnails).
QImage ImmaginePagina(const Modello& modello, const Pagina& pagina, double pxPerMm);

// "[DATE]" → dd/mm/yyyy and "[TIME]" → hh:mm:ss; any other bracketed text stays as it is.
QString ValutaEspressioni(const QString& testo, const QDateTime& adesso);
// Width of a text in the box's font, mm.
double LarghezzaTesto(const Stile& stile, const QString& testo);
// Distance between two lines of text in a box's font, mm.
double InterlineaTesto(const Stile& stile);
// Width a box's text may take: the box less its inner gaps, mm.
double LarghezzaUtile(const Elemento& casella);

}  // namespace report

Q_DECLARE_OPERATORS_FOR_FLAGS(report::Pulsanti)
