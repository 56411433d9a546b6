#pragma once
// What a window draws: plain rectangles (and the focus highlight's look), pictures and
// command pictures with their word, and text links.
#include <QAbstractButton>
#include <QColor>
#include <QLabel>
#include <QRect>

#include "gui/app/Aspetto.h"

// A plain rectangle: fill (or vertical gradient fill) and border.
class Rettangolo : public QWidget {
public:
    Rettangolo(QWidget* genitore, const QString& nome, QRect r, const QColor& riempimento,
               const QColor& bordo = Qt::transparent, const QColor& riempimentoBasso = QColor());
    // The focus-highlight look: yellow with a border fading from yellow to white.
    void StileEvidenziazione() { evidenziazione_ = true; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor riempimento_, bordo_, basso_;
    bool evidenziazione_ = false;
};

// A picture from the resources (":/img/<nome>.svg"), or a command picture that shows its
// word. Clickable pictures have a hand cursor and emit clicked().
class Immagine : public QAbstractButton {
    Q_OBJECT
public:
    Immagine(QWidget* genitore, const QString& nome, QRect r, const QString& risorsa,
             bool cliccabile = true);
    // A command picture drawn with its lettering.
    static Immagine* Comando(QWidget* genitore, const QString& nome, QRect r, const QString& parola,
                             const QColor& colore = QColor(0x2B5D8C));

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString risorsa_;
    QString parola_;
    QColor colore_;
};

// A text link (Tahoma 14 underlined, dark blue, hand cursor): orange while the mouse button
// is held on it, dark blue again on release, which clicks it.
class Collegamento : public QLabel {
    Q_OBJECT
public:
    Collegamento(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos);
    static QColor BluScuro() { return Argb(0xFF00008B); }
    static QColor Arancio() { return Argb(0xFFFFA500); }
    QColor Colore() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void ImpostaColore(const QColor& c);
};
