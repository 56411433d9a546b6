#include "gui/app/Controlli.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "core/text/Province.h"
#include "gui/app/Filtri.h"
#include "gui/app/FiltroEventi.h"

QLabel* Etichetta(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos,
                  const QFont& f, const QColor& colore) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colore);
    l->setPalette(pal);
    l->move(pos);
    l->adjustSize();
    return l;
}

QPushButton* Pulsante(QWidget* genitore, const QString& nome, const QString& testo, QRect r,
                      const QFont& f) {
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(nome);
    b->setGeometry(r);
    b->setFont(f);
    b->setAutoDefault(false);
    b->setDefault(false);
    // Enter on the focused button presses it, as Space does.
    Filtra(b, [b](QObject*, QEvent* e) {
        if (!TastoInvio(e) || !b->isEnabled()) return false;
        b->click();
        return true;
    });
    return b;
}

QLineEdit* CampoTesto(QWidget* genitore, const QString& nome, QRect r, int lunghezzaMassima,
                      const QFont& f) {
    auto* e = new QLineEdit(genitore);
    e->setObjectName(nome);
    e->setFont(f);
    e->setGeometry(r);
    if (lunghezzaMassima > 0) e->setMaxLength(lunghezzaMassima);
    return e;
}

namespace {
// An editable combo whose text is never completed into, or added to, the list.
QComboBox* ComboModificabile(QWidget* genitore, const QString& nome, QRect r, const QFont& f,
                             const QStringList& voci) {
    auto* c = new QComboBox(genitore);
    c->setObjectName(nome);
    c->setFont(f);
    c->setGeometry(r);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->addItems(voci);
    c->setCurrentIndex(-1);
    return c;
}
}  // namespace

QComboBox* ComboProvincia(QWidget* genitore, const QString& nome, QRect r, const QFont& f) {
    QStringList codici;
    for (const auto& codice : province::Codici) codici << QString::fromLatin1(codice.data(), 2);
    auto* c = ComboModificabile(genitore, nome, r, f, codici);
    c->setMaxVisibleItems(20);
    c->lineEdit()->setMaxLength(2);
    FiltroMaiuscole(c->lineEdit());
    Filtra(c, [c](QObject*, QEvent* e) {
        if (e->type() == QEvent::FocusIn) {
            // About to take the focus: no entry selected, the text as it is.
            const QString t = c->currentText();
            if (c->currentIndex() != -1) {
                c->setCurrentIndex(-1);
                c->setEditText(t);
            }
        } else if (e->type() == QEvent::FocusOut) {
            ApplicaMaiuscole(c->lineEdit());
        }
        return false;
    });
    return c;
}

QComboBox* ComboSoloLista(QWidget* genitore, const QString& nome, QRect r, const QFont& f,
                          const QStringList& voci) {
    auto* c = ComboModificabile(genitore, nome, r, f, voci);
    c->lineEdit()->setReadOnly(true);
    Filtra(c, [](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress) return false;
        const int k = static_cast<QKeyEvent*>(e)->key();
        // Only the list can give a value: every key but Enter (and Tab to move) is swallowed.
        return !(k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Tab ||
                 k == Qt::Key_Backtab);
    });
    return c;
}

Rettangolo* Evidenzia(QWidget* campo) {
    const QString nome = QStringLiteral("eff") + campo->objectName().mid(3);
    auto* eff = new Rettangolo(campo->parentWidget(), nome,
                               campo->geometry().adjusted(-4, -4, 4, 4), Qt::yellow);
    eff->StileEvidenziazione();
    eff->hide();
    eff->stackUnder(campo);
    Filtra(campo, [eff](QObject*, QEvent* e) {
        if (e->type() == QEvent::FocusIn)
            eff->show();
        else if (e->type() == QEvent::FocusOut)
            eff->hide();
        return false;
    });
    return eff;
}

void QuandoEsce(QWidget* campo, std::function<void()> azione) {
    // On the field alone: an editable combo has the focus itself and passes it on to its
    // line edit directly, so watching both would act twice.
    Filtra(campo, [azione = std::move(azione)](QObject*, QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason) azione();
        return false;
    });
}

void CatenaInvio(const QList<QWidget*>& campi) {
    for (int i = 0; i < campi.size(); ++i) {
        QWidget* prossimo = campi[(i + 1) % campi.size()];
        Filtra(campi[i], [prossimo](QObject*, QEvent* e) {
            if (!TastoInvio(e)) return false;
            prossimo->setFocus(Qt::TabFocusReason);
            return true;
        });
        if (i + 1 < campi.size()) QWidget::setTabOrder(campi[i], campi[i + 1]);
    }
}

void InvioAlPulsante(QWidget* campo, QWidget* pulsante) {
    Filtra(campo, [pulsante](QObject*, QEvent* e) {
        if (!TastoInvio(e)) return false;
        pulsante->setFocus(Qt::TabFocusReason);
        return true;
    });
}

void CollegaAttesa(QAbstractButton* pulsante, QLabel* attendere) {
    QObject::connect(pulsante, &QAbstractButton::pressed, attendere, [attendere] {
        attendere->show();
        attendere->repaint();  // visible at once, before the command runs on release
    });
}
