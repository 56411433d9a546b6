#include "gui/app/Aspetto.h"

#include <QLinearGradient>
#include <QPainter>

QColor Argb(quint32 argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

void DipingiSfumatura(QPainter& p, const QRect& r, const QColor& alto, const QColor& basso) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, alto);
    g.setColorAt(1, basso);
    p.fillRect(r, g);
}

QFont Carattere(const QString& famiglia, int punti, bool grassetto) {
    QFont f(famiglia);
    f.setPointSize(punti);
    f.setBold(grassetto);
    // Verdana, Tahoma, Arial and Courier New are substituted by fontconfig where missing.
    f.setStyleHint(famiglia.contains("Courier") ? QFont::TypeWriter : QFont::SansSerif);
    return f;
}
