#include "gui/reports/Report.h"

#include <QDebug>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cmath>
#include <limits>

namespace report {

namespace {

// Painting and measuring share one scale: 100 units per millimetre, with fonts sized in
// those units, so a text measured at layout takes the same room on any device.
constexpr double kUnita = 100;
constexpr double kMmPerPunto = 25.4 / 72;
// Inner gaps of a text box: 2 and 1 pixels at 96 dpi.
constexpr double kGapX = 2 * 25.4 / 96;
constexpr double kGapY = 1 * 25.4 / 96;
constexpr double kSpessoreLinea = 25.4 / 96;
constexpr double kEps = 1e-6;
constexpr double kFino = std::numeric_limits<double>::max();

QFont FontDi(const Stile& s) {
    QFont f(s.famiglia);
    f.setPixelSize(qRound(s.punti * kMmPerPunto * kUnita));
    f.setBold(s.grassetto);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The longest start of `t` that fits in `larghezza` mm.
QString Taglia(const QString& t, const QFontMetricsF& fm, double larghezza) {
    const double limite = larghezza * kUnita;
    if (fm.horizontalAdvance(t) <= limite) return t;
    qsizetype lo = 0, hi = t.size() - 1;
    while (lo < hi) {
        const qsizetype mezzo = (lo + hi + 1) / 2;
        if (fm.horizontalAdvance(t.left(mezzo)) <= limite)
            lo = mezzo;
        else
            hi = mezzo - 1;
    }
    if (lo > 0 && t.at(lo - 1).isHighSurrogate()) --lo;
    return t.left(lo);
}

// Words onto at most `righe` lines; what does not fit is cut.
QStringList ACapo(const QString& t, const QFontMetricsF& fm, double larghezza, int righe) {
    if (fm.horizontalAdvance(t) <= larghezza * kUnita) return {t};
    QStringList out;
    QString corrente;
    for (const QString& parola : t.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString prova = corrente.isEmpty() ? parola : corrente + QLatin1Char(' ') + parola;
        if (corrente.isEmpty() || fm.horizontalAdvance(prova) <= larghezza * kUnita) {
            corrente = prova;
            continue;
        }
        out << Taglia(corrente, fm, larghezza);
        corrente = parola;
        if (out.size() == righe) break;
    }
    if (out.size() < righe && !corrente.isEmpty()) out << Taglia(corrente, fm, larghezza);
    return out;
}

QString UnaRiga(QString t) {
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

QStringList Righe(const Elemento& e) {
    QString t = e.testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.isEmpty() ? QStringList{} : t.split(QLatin1Char('\n'));
}

int NumeroRighe(const Elemento& e) {
    return int(std::floor(e.rect.height() / e.altezzaRiga + kEps));
}

// A template item as it goes on a page: expressions evaluated, text cut to the box.
Elemento Preparato(const Elemento& e, const QDateTime& adesso) {
    Elemento r = e;
    if (e.tipo != TipoElemento::Testo) return r;
    if (e.espressioni) r.testo = ValutaEspressioni(e.testo, adesso);
    const QFontMetricsF fm(FontDi(e.stile));
    const double larghezza = LarghezzaUtile(e);
    if (e.altezzaRiga > 0) {
        QStringList righe = Righe(r).mid(0, NumeroRighe(e));
        for (QString& riga : righe) riga = Taglia(riga, fm, larghezza);
        r.testo = righe.join(QLatin1Char('\n'));
    } else if (e.aCapo) {
        const QString t = UnaRiga(r.testo);
        if (fm.horizontalAdvance(t) <= larghezza * kUnita) {
            r.testo = t;
            return r;
        }
        // Two lines of the box's font are taller than the box: the font shrinks until
        // both fit, rather than have them cut through.
        const double altezza = (e.rect.height() - 2 * kGapY) * kUnita;
        if (2 * fm.lineSpacing() > altezza)
            r.stile.punti = e.stile.punti * altezza / (2 * fm.lineSpacing());
        r.testo = ACapo(t, QFontMetricsF(FontDi(r.stile)), larghezza, 2).join(QLatin1Char('\n'));
    } else {
        r.testo = Taglia(UnaRiga(r.testo), fm, larghezza);
    }
    return r;
}

// Where a band may be cut at or above `limite`: never through a line of text, and above
// any other item the cut would cross (items above `da` are placed already).
double PuntoDiTaglio(const QList<Elemento>& elementi, double da, double limite) {
    double p = limite;
    for (bool cambiato = true; cambiato;) {
        cambiato = false;
        for (const Elemento& e : elementi) {
            const double cima = e.rect.top();
            double q = p;
            if (e.altezzaRiga > 0) {
                const double fondo = cima + Righe(e).size() * e.altezzaRiga;
                if (cima < p && p < fondo)
                    q = cima + std::floor((p - cima) / e.altezzaRiga + kEps) * e.altezzaRiga;
            } else if (cima >= da && cima < p && p < e.rect.bottom()) {
                q = cima;
            }
            if (q < p - kEps) {
                p = q;
                cambiato = true;
            }
        }
    }
    return p;
}

// Puts on the page the part [da, a) of a band whose top lies at `y` on the page.
void PosaPezzo(const QList<Elemento>& elementi, double da, double a, double y, Pagina& pagina) {
    for (const Elemento& e : elementi) {
        const double cima = e.rect.top();
        if (e.altezzaRiga <= 0) {
            if (cima >= da - kEps && cima < a - kEps) {
                Elemento posto = e;
                posto.rect.moveTop(y + cima - da);
                pagina.elementi << posto;
            }
            continue;
        }
        const QStringList righe = Righe(e);
        const auto indice = [&](double pos) {
            return int(std::clamp(std::floor((pos - cima) / e.altezzaRiga + kEps), 0.0,
                                  double(righe.size())));
        };
        const int prima = std::max(0, int(std::ceil((da - cima) / e.altezzaRiga - kEps)));
        const int dopo = a == kFino ? int(righe.size()) : indice(a);
        if (dopo <= prima) continue;
        Elemento posto = e;
        posto.rect = QRectF(e.rect.left(), y + cima + prima * e.altezzaRiga - da, e.rect.width(),
                            (dopo - prima) * e.altezzaRiga);
        posto.testo = righe.mid(prima, dopo - prima).join(QLatin1Char('\n'));
        pagina.elementi << posto;
    }
}

QRectF InUnita(const QRectF& mm) {
    return QRectF(mm.left() * kUnita, mm.top() * kUnita, mm.width() * kUnita, mm.height() * kUnita);
}

void DipingiTesto(QPainter& p, const Elemento& e) {
    const QRectF r = InUnita(e.rect);
    if (e.stile.sfondo.isValid()) p.fillRect(r, e.stile.sfondo);
    if (e.testo.isEmpty()) return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(FontDi(e.stile));
    p.setPen(e.stile.colore);
    const QRectF dentro = r.adjusted(kGapX * kUnita, 0, -kGapX * kUnita, 0);
    const Qt::Alignment orizzontale = e.stile.allineamento & Qt::AlignHorizontal_Mask;
    if (e.altezzaRiga > 0) {
        const double passo = e.altezzaRiga * kUnita;
        const QStringList righe = e.testo.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < righe.size(); ++i)
            p.drawText(QRectF(dentro.left(), dentro.top() + i * passo, dentro.width(), passo),
                       int(orizzontale | Qt::AlignVCenter) | Qt::TextSingleLine, righe[i]);
    } else {
        const QRectF riquadro = dentro.adjusted(0, kGapY * kUnita, 0, -kGapY * kUnita);
        p.drawText(riquadro, int(e.stile.allineamento) | (e.aCapo ? 0 : Qt::TextSingleLine),
                   e.testo);
    }
    p.restore();
}

// A picture keeps its proportions, centred in its place.
QRectF Centrato(QSizeF dimensione, const QRectF& posto) {
    dimensione.scale(posto.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(), dimensione);
    r.moveCenter(posto.center());
    return r;
}

void DipingiImmagine(QPainter& p, const Elemento& e) {
    const QRectF r = InUnita(e.rect);
    // A missing picture leaves its place empty.
    if (!QFile::exists(e.testo)) return;
    if (e.testo.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(e.testo);
        if (svg.isValid()) svg.render(&p, Centrato(svg.defaultSize(), r));
        return;
    }
    const QImage immagine(e.testo);
    if (!immagine.isNull()) p.drawImage(Centrato(immagine.size(), r), immagine);
}

void DipingiLinea(QPainter& p, const Elemento& e) {
    const QRectF r = InUnita(e.rect);
    p.save();
    p.setPen(QPen(e.stile.colore, kSpessoreLinea * kUnita));
    p.drawLine(r.topLeft(), r.topRight());
    p.restore();
}

}  // namespace

QSizeF Modello::Carta() const {
    return orientamento == QPageLayout::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

QSizeF Modello::Area() const { return Carta() - QSizeF(2 * margine, 2 * margine); }

Elemento* Modello::TrovaElemento(const QString& nome) {
    for (Banda& b : bande)
        for (Elemento& e : b.elementi)
            if (e.nome == nome) return &e;
    return nullptr;
}

const Elemento* Modello::TrovaElemento(const QString& nome) const {
    return const_cast<Modello*>(this)->TrovaElemento(nome);
}

Banda* Modello::TrovaBanda(const QString& nome) {
    for (Banda& b : bande)
        if (b.nome == nome) return &b;
    return nullptr;
}

void ImpostaMemo(Modello& modello, const QString& nome, const QString& testo) {
    Elemento* e = modello.TrovaElemento(nome);
    if (!e || e->tipo != TipoElemento::Testo) {
        qWarning() << "Report" << modello.nome << "has no text box" << nome;
        return;
    }
    e->testo = testo;
}

QList<Pagina> Impagina(const Modello& modello, const QDateTime& adesso) {
    const double altezzaArea = modello.Area().height();
    QList<Pagina> pagine(1);
    double y = 0;  // first free position on the current page
    for (const Banda& banda : modello.bande) {
        QList<Elemento> elementi;
        for (const Elemento& e : banda.elementi) elementi << Preparato(e, adesso);
        if (!banda.divisibile) {
            if (y > 0 && y + banda.altezza > altezzaArea + kEps) {
                pagine.append(Pagina{});
                y = 0;
            }
            PosaPezzo(elementi, 0, kFino, y, pagine.last());
            y += banda.altezza;
            continue;
        }
        for (double da = 0;;) {
            const double spazio = altezzaArea - y;
            if (banda.altezza - da <= spazio + kEps) {
                PosaPezzo(elementi, da, kFino, y, pagine.last());
                y += banda.altezza - da;
                break;
            }
            double a = PuntoDiTaglio(elementi, da, da + spazio);
            if (a <= da + kEps) {
                if (y > 0) {  // nothing fits in what is left: go on on a new page
                    pagine.append(Pagina{});
                    y = 0;
                    continue;
                }
                a = da + spazio;  // taller than a whole page: cut where the page ends
            }
            PosaPezzo(elementi, da, a, y, pagine.last());
            pagine.append(Pagina{});
            y = 0;
            da = a;
        }
    }
    return pagine;
}

void DipingiPagina(QPainter& painter, const Pagina& pagina, double pxPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pxPerMm / kUnita, pxPerMm / kUnita);
    for (const Elemento& e : pagina.elementi) {
        switch (e.tipo) {
            case TipoElemento::Testo:
                DipingiTesto(painter, e);
                break;
            case TipoElemento::Immagine:
                DipingiImmagine(painter, e);
                break;
            case TipoElemento::Linea:
                DipingiLinea(painter, e);
                break;
        }
    }
    painter.restore();
}

QImage ImmaginePagina(const Modello& modello, const Pagina& pagina, double pxPerMm) {
    const QSizeF carta = modello.Carta() * pxPerMm;
    QImage immagine(int(std::ceil(carta.width())), int(std::ceil(carta.height())),
                    QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    p.translate(modello.margine * pxPerMm, modello.margine * pxPerMm);
    DipingiPagina(p, pagina, pxPerMm);
    return immagine;
}

QString ValutaEspressioni(const QString& testo, const QDateTime& adesso) {
    static const QRegularExpression espressione(QStringLiteral("\\[([^\\[\\]]*)\\]"));
    QString r;
    qsizetype da = 0;
    for (auto it = espressione.globalMatch(testo); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        r += testo.mid(da, m.capturedStart() - da);
        const QString nome = m.captured(1).trimmed().toUpper();
        if (nome == QLatin1String("DATE"))
            r += adesso.toString(QStringLiteral("dd/MM/yyyy"));
        else if (nome == QLatin1String("TIME"))
            r += adesso.toString(QStringLiteral("HH:mm:ss"));
        else
            r += m.captured(0);
        da = m.capturedEnd();
    }
    return r + testo.mid(da);
}

double LarghezzaTesto(const Stile& stile, const QString& testo) {
    return QFontMetricsF(FontDi(stile)).horizontalAdvance(testo) / kUnita;
}

double InterlineaTesto(const Stile& stile) {
    return QFontMetricsF(FontDi(stile)).lineSpacing() / kUnita;
}

double LarghezzaUtile(const Elemento& casella) {
    return std::max(0.0, casella.rect.width() - 2 * kGapX);
}

}  // namespace report
