#pragma once
// The status line: a text that shows the description of the control under the mouse, and
// is emptied over the background, panels, rectangles and labels.
#include <QHash>
#include <QLabel>
#include <QObject>
#include <QRect>

class RigaStato : public QObject {
    Q_OBJECT
public:
    explicit RigaStato(QLabel* panInfo);
    void Descrivi(QWidget* controllo, const QString& descrizione);
    void SvuotaSu(QWidget* sfondo);
    // A short notice in the line, until the mouse brings another text.
    void Mostra(const QString& testo) { panInfo_->setText(testo); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QLabel* panInfo_;
    QHash<QObject*, QString> descrizioni_;
};

// The status strip at `r`: a slate-blue rectangle "shpInfo" under the white text "panInfo"
// (Tahoma 12), which starts with the window's design text. Returns panInfo.
QLabel* StrisciaInfo(QWidget* genitore, QRect r, const QString& testoIniziale);
