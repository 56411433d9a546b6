#include "gui/app/Finestre.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "gui/app/Aspetto.h"
#include "gui/app/Piattaforma.h"

namespace {

constexpr QSize kPannello(995, 692);

}  // namespace

// --- Full-screen windows ------------------------------------------------------------------

namespace {

// What both kinds of full-screen window share: name, caption, and the content panel of
// fixed size that the window keeps centred.
QWidget* PreparaIntera(QWidget* finestra, const QString& nome, const QString& titolo) {
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

FinestraIntera::FinestraIntera(const QString& nome, const QString& titolo, const QColor& coloreAlto)
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

Dialogo::Dialogo(QWidget* genitore, const QString& nome, const QString& titolo, QSize dimensione,
                 const QColor& alto, const QColor& basso)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      alto_(alto),
      basso_(basso) {
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

int MostraPerUso(std::unique_ptr<QDialog> finestra) {
    return piattaforma().MostraModale(finestra.get());
}
