#include "gui/app/Convenzioni.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSvgRenderer>

#include "core/app/Province.h"
#include "core/app/Testo.h"

namespace {

constexpr QSize kPannello(995, 692);

// Puts a filtered text back into the field, keeping the caret where the user was typing.
void Rimetti(QLineEdit* campo, const QString& nuovo) {
    if (nuovo == campo->text()) return;
    const int cursore = campo->cursorPosition();
    const int tolti = campo->text().size() - nuovo.size();
    campo->setText(nuovo);
    campo->setCursorPosition(qBound(0, cursore - qMax(0, tolti), static_cast<int>(nuovo.size())));
}

QString RifilaMaiuscole(const QString& t) {
    return Q(testo::MaiuscoleAZ(testo::Rifila(S(t))));
}

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

// Event filter objects live as children of the widget they watch.
class FiltroEventi : public QObject {
public:
    using Funzione = std::function<bool(QObject*, QEvent*)>;
    FiltroEventi(QObject* genitore, Funzione f) : QObject(genitore), f_(std::move(f)) {}
    bool eventFilter(QObject* o, QEvent* e) override { return f_(o, e); }

private:
    Funzione f_;
};

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

}  // namespace

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
    if (auto* l = qobject_cast<const QLabel*>(controllo)) return l->text();
    return {};
}

void ImpostaDateNumeri() {
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italiano);
}

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

// --- Full-screen windows ------------------------------------------------------------------

namespace {

// What both kinds of full-screen window share: name, caption, settings, and the content
// panel of fixed size that the window keeps centred.
QWidget* PreparaIntera(QWidget* finestra, const QString& nome, const QString& titolo) {
    ImpostaDateNumeri();
    finestra->setObjectName(nome);
    finestra->setWindowTitle(titolo);
    auto* pannello = new QWidget(finestra);
    pannello->setObjectName("panContenuto");
    pannello->setFixedSize(kPannello);
    finestra->setMinimumSize(kPannello);
    finestra->resize(kPannello.width() + 40, kPannello.height() + 40);
    return pannello;
}

void CentraPannello(QWidget* finestra, QWidget* pannello) {
    pannello->move(qMax(0, (finestra->width() - kPannello.width()) / 2),
                   qMax(0, (finestra->height() - kPannello.height()) / 2));
}

// Without a window manager (a bare X server) maximizing does nothing: fill the screen.
void RiempiSchermo(QWidget* finestra) {
    if (QScreen* s = finestra->screen()) finestra->setGeometry(s->availableGeometry());
}

}  // namespace

// --- FinestraIntera ----------------------------------------------------------------------

FinestraIntera::FinestraIntera(const QString& nome, const QString& titolo,
                               const QColor& coloreAlto)
    : QWidget(nullptr), pannello_(PreparaIntera(this, nome, titolo)), coloreAlto_(coloreAlto) {}

void FinestraIntera::Apri() {
    RiempiSchermo(this);
    showMaximized();
    raise();
    activateWindow();
}

void FinestraIntera::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void FinestraIntera::closeEvent(QCloseEvent* e) {
    FormClose();
    if (ritorno_) {
        ritorno_->showMaximized();
        ritorno_->raise();
        ritorno_->activateWindow();
    }
    e->accept();
}

void FinestraIntera::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DipingiSfumatura(p, rect(), coloreAlto_, Qt::white);
}

void FinestraIntera::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    CentraPannello(this, pannello_);
}

// --- DialogoIntero -----------------------------------------------------------------------

DialogoIntero::DialogoIntero(QWidget* genitore, const QString& nome, const QString& titolo,
                             const QColor& coloreAlto)
    : QDialog(genitore, Qt::Window),
      pannello_(PreparaIntera(this, nome, titolo)),
      coloreAlto_(coloreAlto) {
    setSizeGripEnabled(false);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void DialogoIntero::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) RiempiSchermo(this);
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void DialogoIntero::closeEvent(QCloseEvent* e) {
    FormClose();
    QDialog::closeEvent(e);
}

void DialogoIntero::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DipingiSfumatura(p, rect(), coloreAlto_, Qt::white);
}

void DialogoIntero::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    CentraPannello(this, pannello_);
}

void DialogoIntero::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;  // closed only by its own commands
    QDialog::keyPressEvent(e);
}

// --- Dialogo -----------------------------------------------------------------------------

Dialogo::Dialogo(QWidget* genitore, const QString& nome, const QString& titolo,
                 QSize dimensione, const QColor& alto, const QColor& basso)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      alto_(alto), basso_(basso) {
    ImpostaDateNumeri();
    setObjectName(nome);
    setWindowTitle(titolo);
    setFixedSize(dimensione);
}

void Dialogo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    QRect riferimento;
    if (centraSu_ && centraSu_->isVisible())
        riferimento = centraSu_->frameGeometry();
    else if (QScreen* s = screen())
        riferimento = s->availableGeometry();
    if (riferimento.isValid()) move(riferimento.center() - rect().center());
    FormShow();
}

void Dialogo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DipingiSfumatura(p, rect(), alto_, basso_);
}

void Dialogo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;  // closed only by its own command
    QDialog::keyPressEvent(e);
}

// --- Rettangolo, Immagine ------------------------------------------------------------------

Rettangolo::Rettangolo(QWidget* genitore, const QString& nome, QRect r,
                       const QColor& riempimento, const QColor& bordo,
                       const QColor& riempimentoBasso)
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

Immagine* Immagine::Comando(QWidget* genitore, const QString& nome, QRect r,
                            const QString& parola, const QColor& colore) {
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

Collegamento::Collegamento(QWidget* genitore, const QString& nome, const QString& testo,
                           QPoint pos)
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

// --- Builders -------------------------------------------------------------------------------

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

QLabel* EtichettaNascosta(QWidget* genitore, const QString& nome) {
    auto* l = new QLabel(genitore);
    l->setObjectName(nome);
    l->hide();
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
            Rimetti(c->lineEdit(), RifilaMaiuscole(c->lineEdit()->text()));
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
    auto uscita = [azione = std::move(azione)](QObject*, QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason) azione();
        return false;
    };
    campo->installEventFilter(new FiltroEventi(campo, std::move(uscita)));
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

void FiltroMaiuscole(QLineEdit* campo) {
    QObject::connect(campo, &QLineEdit::textEdited, campo,
                     [campo](const QString& t) { Rimetti(campo, RifilaMaiuscole(t)); });
}

void FiltroSoloMaiuscole(QLineEdit* campo) {
    QObject::connect(campo, &QLineEdit::textEdited, campo, [campo](const QString& t) {
        Rimetti(campo, Q(testo::MaiuscoleAZ(S(t))));
    });
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
            case Qt::Key_Backspace: case Qt::Key_Delete: case Qt::Key_Left: case Qt::Key_Right:
            case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Tab: case Qt::Key_Backtab:
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
    campo->setValidator(new QRegularExpressionValidator(
        QRegularExpression(virgola ? "[0-9,]*" : "[0-9]*"), campo));
}

// --- RigaStato -------------------------------------------------------------------------------

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

void CollegaAttesa(QAbstractButton* pulsante, QLabel* attendere) {
    QObject::connect(pulsante, &QAbstractButton::pressed, attendere, [attendere] {
        attendere->show();
        attendere->repaint();  // visible at once, before the command runs on release
    });
}

// --- Messages, per-use windows, shell open ------------------------------------------------------

void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo) {
    piattaforma().MostraAvviso(genitore, testo, tipo);
}

Risposta ChiediConferma(QWidget* genitore, const QString& testo) {
    return piattaforma().ChiediConferma(genitore, testo);
}

void MostraMessaggio(QWidget* genitore, const QString& testo) {
    piattaforma().MostraMessaggio(genitore, testo);
}

int MostraPerUso(std::unique_ptr<QDialog> finestra) {
    return piattaforma().MostraModale(finestra.get());
}

void TMisc::Open(const QString& testo) {
    QString t = testo.trimmed();
    // The double quotes around a path belong to a command line, not to a URL.
    if (t.size() >= 2 && t.startsWith('"') && t.endsWith('"')) t = t.mid(1, t.size() - 2);
    QUrl url;
    if (t.startsWith("mailto:", Qt::CaseInsensitive) || t.startsWith("http://", Qt::CaseInsensitive) ||
        t.startsWith("https://", Qt::CaseInsensitive))
        url = QUrl(t, QUrl::TolerantMode);
    else
        url = QUrl::fromLocalFile(t);
    piattaforma().ApriUrl(url);
}
