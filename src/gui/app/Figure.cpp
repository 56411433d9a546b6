#include "gui/app/Figure.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

// Pictures are parsed once and shared by every control that shows them.
QSvgRenderer* Disegno(const QString& risorsa) {
    static QHash<QString, QSvgRenderer*> cache;
    if (risorsa.isEmpty()) return nullptr;
    auto it = cache.find(risorsa);
    if (it == cache.end()) {
        const QString percorso = QStringLiteral(":/img/%1.svg").arg(risorsa);
        auto* r = QFile::exists(percorso) ? new QSvgRenderer(percorso, qApp) : nullptr;
        it = cache.insert(risorsa, r && r->isValid() ? r : nullptr);
    }
    return *it;
}

}  // namespace

Rettangolo::Rettangolo(QWidget* genitore, const QString& nome, QRect r, const QColor& riempimento,
                       const QColor& bordo, const QColor& riempimentoBasso)
    : QWidget(genitore), riempimento_(riempimento), bordo_(bordo), basso_(riempimentoBasso) {
    setObjectName(nome);
    setGeometry(r);
}

void Rettangolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (evidenziazione_) {
        // Yellow core, border fading outwards to white.
        for (int i = 0; i < 4; ++i) {
            const int t = 255 - (3 - i) * 60;
            p.setPen(QColor(255, 255, qBound(0, t - 195 + i * 20, 255)));
            p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
        }
        p.fillRect(r.adjusted(4, 4, -4, -4), QColor(255, 255, 0));
        return;
    }
    if (basso_.isValid())
        DipingiSfumatura(p, r, riempimento_, basso_);
    else
        p.fillRect(r, riempimento_);
    if (bordo_.alpha() > 0) {
        p.setPen(bordo_);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

Immagine::Immagine(QWidget* genitore, const QString& nome, QRect r, const QString& risorsa,
                   bool cliccabile)
    : QAbstractButton(genitore), risorsa_(risorsa) {
    setObjectName(nome);
    setGeometry(r);
    setFocusPolicy(Qt::NoFocus);
    if (cliccabile)
        setCursor(Qt::PointingHandCursor);
    else
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setEnabled(true);
    setProperty("cliccabile", cliccabile);
}

Immagine* Immagine::Comando(QWidget* genitore, const QString& nome, QRect r, const QString& parola,
                            const QColor& colore) {
    auto* i = new Immagine(genitore, nome, r, QString(), true);
    i->parola_ = parola;
    i->colore_ = colore;
    i->setText(parola);
    return i;
}

void Immagine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!parola_.isEmpty()) {
        // A command picture: a rounded plate with its word.
        const bool premuto = isDown();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, premuto ? colore_.darker(130) : colore_.lighter(135));
        g.setColorAt(1, premuto ? colore_.darker(110) : colore_);
        QPainterPath path;
        path.addRoundedRect(r, 6, 6);
        p.fillPath(path, g);
        p.setPen(colore_.darker(150));
        p.drawPath(path);
        p.setPen(Qt::white);
        QFont f = Carattere("Verdana", 10, true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, parola_);
        return;
    }
    if (QSvgRenderer* svg = Disegno(risorsa_)) svg->render(&p, r);
}

Collegamento::Collegamento(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos)
    : QLabel(testo, genitore) {
    setObjectName(nome);
    QFont f = Carattere("Tahoma", 14);
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    ImpostaColore(BluScuro());
    move(pos);
    adjustSize();
}

QColor Collegamento::Colore() const { return palette().color(QPalette::WindowText); }

void Collegamento::ImpostaColore(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void Collegamento::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ImpostaColore(Arancio());
}

void Collegamento::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    ImpostaColore(BluScuro());
    if (rect().contains(e->position().toPoint())) emit clicked();
}
