#include "gui/app/RigaStato.h"

#include <QEvent>
#include <QMouseEvent>

#include "gui/app/Aspetto.h"
#include "gui/app/Figure.h"

RigaStato::RigaStato(QLabel* panInfo) : QObject(panInfo), panInfo_(panInfo) {}

void RigaStato::Descrivi(QWidget* controllo, const QString& descrizione) {
    descrizioni_.insert(controllo, descrizione);
    controllo->setMouseTracking(true);
    controllo->installEventFilter(this);
}

void RigaStato::SvuotaSu(QWidget* sfondo) {
    sfondo->setMouseTracking(true);
    sfondo->installEventFilter(this);
}

bool RigaStato::eventFilter(QObject* o, QEvent* e) {
    const auto t = e->type();
    if (t != QEvent::Enter && t != QEvent::MouseMove && t != QEvent::Leave) return false;
    const auto it = descrizioni_.constFind(o);
    if (it != descrizioni_.constEnd()) {
        panInfo_->setText(t == QEvent::Leave ? QString() : *it);
    } else if (t == QEvent::MouseMove) {
        // A move that a command picture ignored comes up to its parent: only a move right
        // over the background, not over one of its children, empties the line.
        auto* w = static_cast<QWidget*>(o);
        if (!w->childAt(static_cast<QMouseEvent*>(e)->position().toPoint())) panInfo_->clear();
    }
    return false;
}

QLabel* StrisciaInfo(QWidget* genitore, QRect r, const QString& testoIniziale) {
    new Rettangolo(genitore, "shpInfo", r, Argb(0xFF4A6785));
    auto* panInfo = new QLabel(testoIniziale, genitore);
    panInfo->setObjectName("panInfo");
    panInfo->setFont(Carattere("Tahoma", 12));
    QPalette pal = panInfo->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    panInfo->setPalette(pal);
    panInfo->setGeometry(r.adjusted(10, 0, -10, 0));
    panInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panInfo;
}
