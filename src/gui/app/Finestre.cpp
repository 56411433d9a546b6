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

// --- FinestraIntera ----------------------------------------------------------------------

FinestraIntera::FinestraIntera(const QString& nome, const QString& titolo,
                               const QColor& coloreAlto)
    : QWidget(nullptr), pannello_(new QWidget(this)), coloreAlto_(coloreAlto) {
    setObjectName(nome);
    setWindowTitle(titolo);
    pannello_->setObjectName("panContenuto");
    pannello_->setFixedSize(kPannello);
    setMinimumSize(kPannello);
    resize(kPannello.width() + 40, kPannello.height() + 40);
}

void FinestraIntera::Apri() {
    // Without a window manager (a bare X server) maximizing does nothing: fill the screen.
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
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
    pannello_->move(qMax(0, (width() - kPannello.width()) / 2),
                    qMax(0, (height() - kPannello.height()) / 2));
}

// --- Dialogo -----------------------------------------------------------------------------

Dialogo::Dialogo(QWidget* genitore, const QString& nome, const QString& titolo,
                 QSize dimensione, const QColor& alto, const QColor& basso)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      alto_(alto), basso_(basso) {
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
