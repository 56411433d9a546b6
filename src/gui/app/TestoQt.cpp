#include "gui/app/TestoQt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/text/Testo.h"

QStringList Q(const std::vector<std::string>& voci) {
    QStringList l;
    l.reserve(static_cast<qsizetype>(voci.size()));
    for (const auto& v : voci) l << Q(v);
    return l;
}

QString Rifilato(const QString& t) { return Q(testo::Rifila(S(t))); }

QString TestoDi(const QWidget* controllo) {
    if (auto* e = qobject_cast<const QLineEdit*>(controllo)) return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(controllo)) return c->currentText();
    return {};
}

void ScriviTesto(QWidget* controllo, const QString& testo, bool scegliVoce) {
    if (auto* e = qobject_cast<QLineEdit*>(controllo)) {
        e->setText(testo);
        e->setCursorPosition(0);
    } else if (auto* c = qobject_cast<QComboBox*>(controllo)) {
        c->setCurrentIndex(
            scegliVoce ? c->findText(testo, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1);
        c->setEditText(testo);
    } else if (auto* l = qobject_cast<QLabel*>(controllo)) {
        l->setText(testo);
    }
}
