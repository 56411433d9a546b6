#include "gui/app/Filtri.h"

#include <QComboBox>
#include <algorithm>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "core/text/Testo.h"
#include "gui/app/FiltroEventi.h"
#include "gui/app/TestoQt.h"

namespace {

// Puts a filtered text back into the field, keeping the caret where the user was typing.
void Rimetti(QLineEdit* campo, const QString& nuovo) {
    if (nuovo == campo->text()) return;
    const int cursore = campo->cursorPosition();
    const int tolti = campo->text().size() - nuovo.size();
    campo->setText(nuovo);
    campo->setCursorPosition(qBound(0, cursore - qMax(0, tolti), static_cast<int>(nuovo.size())));
}

QString RifilaMaiuscole(const QString& t) { return Q(testo::MaiuscoleAZ(testo::Rifila(S(t)))); }

// A line edit undoes any edit its validator calls Invalid, whatever brought it in (a key, a
// paste, a drop, an input method), while text the program sets stays as set.
class SoloWindows1252 : public QValidator {
public:
    SoloWindows1252(QObject* genitore, const QValidator* dentro, std::function<void()> rifiutato)
        : QValidator(genitore), dentro_(dentro), rifiutato_(std::move(rifiutato)) {}

    State validate(QString& t, int& posizione) const override {
        // Half of a pair (a paste cut to the room left) converts to a plain "?": refused as
        // its whole character would be.
        const bool mezzo = std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSurrogate(); });
        if (mezzo || !testo::StaInWindows1252(S(t))) {
            // Told once the field has its text back.
            if (rifiutato_) QTimer::singleShot(0, this, rifiutato_);
            return Invalid;
        }
        return dentro_ ? dentro_->validate(t, posizione) : Acceptable;
    }
    void fixup(QString& t) const override {
        if (dentro_) dentro_->fixup(t);
    }

private:
    QPointer<const QValidator> dentro_;
    std::function<void()> rifiutato_;
};

}  // namespace

void FiltroWindows1252(QWidget* campo, std::function<void()> rifiutato) {
    auto* riga = qobject_cast<QLineEdit*>(campo);
    if (auto* combo = qobject_cast<QComboBox*>(campo)) riga = combo->lineEdit();
    if (!riga) return;  // a list-only combo or a check box: nothing is typed
    riga->setValidator(new SoloWindows1252(riga, riga->validator(), std::move(rifiutato)));
}

void ApplicaMaiuscole(QLineEdit* campo) { Rimetti(campo, RifilaMaiuscole(campo->text())); }

void FiltroMaiuscole(QLineEdit* campo) {
    QObject::connect(campo, &QLineEdit::textEdited, campo,
                     [campo](const QString& t) { Rimetti(campo, RifilaMaiuscole(t)); });
}

void FiltroSoloMaiuscole(QLineEdit* campo) {
    QObject::connect(campo, &QLineEdit::textEdited, campo,
                     [campo](const QString& t) { Rimetti(campo, Q(testo::MaiuscoleAZ(S(t)))); });
}

void FiltroRifila(QLineEdit* campo) {
    auto rifila = [campo] { Rimetti(campo, Rifilato(campo->text())); };
    QObject::connect(campo, &QLineEdit::textEdited, campo, rifila);
    Filtra(campo, [rifila](QObject*, QEvent* e) {
        if (e->type() == QEvent::FocusOut) rifila();
        return false;
    });
}

void FiltroCifre(QLineEdit* campo, bool virgola) {
    Filtra(campo, [virgola](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                return false;
            default:
                break;
        }
        if (k == QKeySequence::Copy || k == QKeySequence::SelectAll) return false;
        const QString t = k->text();
        if (t.isEmpty()) return false;  // Shift, Home, End...: no character
        const QChar c = t.at(0);
        const bool ammesso = (c >= '0' && c <= '9') || (virgola && c == ',');
        return !ammesso;
    });
    // Pasting cannot bring in what typing would not.
    campo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(virgola ? "[0-9,]*" : "[0-9]*"), campo));
}
