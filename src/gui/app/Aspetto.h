#pragma once
// Colours, gradients and fonts as the windows give them.
#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRect;

// A colour written 0xAARRGGBB.
QColor Argb(quint32 argb);
// A vertical gradient over `r`, from `alto` at the top to `basso` at the bottom.
void DipingiSfumatura(QPainter& p, const QRect& r, const QColor& alto, const QColor& basso);
// A font by family, size in points and weight.
QFont Carattere(const QString& famiglia, int punti, bool grassetto = false);
