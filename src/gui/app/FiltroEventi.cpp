#include "gui/app/FiltroEventi.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Event filter objects live as children of the widget they watch.
class FiltroEventi : public QObject {
public:
    using Funzione = std::function<bool(QObject*, QEvent*)>;
    FiltroEventi(QObject* genitore, Funzione f) : QObject(genitore), f_(std::move(f)) {}
    bool eventFilter(QObject* o, QEvent* e) override { return f_(o, e); }

private:
    Funzione f_;
};

}  // namespace

void Filtra(QWidget* w, FiltroEventi::Funzione f) {
    auto* filtro = new FiltroEventi(w, std::move(f));
    w->installEventFilter(filtro);
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filtro);
}

bool TastoInvio(QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}
