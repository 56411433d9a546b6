#pragma once
// The two kinds of window and the per-use windows: full-screen windows on a centred content
// panel, fixed dialogs without title bar buttons, and windows shown modally and destroyed.
#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <memory>

// Full-screen window: opens maximized, vertical gradient to white, content on a 995 × 692
// panel kept centred. Closing it shows the launcher again (when one is set).
class FinestraIntera : public QWidget {
    Q_OBJECT
public:
    FinestraIntera(const QString& nome, const QString& titolo, const QColor& coloreAlto);
    QWidget* Pannello() const { return pannello_; }
    void ImpostaRitorno(QWidget* avvio) { ritorno_ = avvio; }
    // Shows the window maximized and brings it to the front.
    void Apri();

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* pannello_;
    QColor coloreAlto_;
    QPointer<QWidget> ritorno_;
};

// A full-screen window made per use and shown modally (the summary result): the look of
// FinestraIntera on a dialog, so the platform shows it as every per-use window. Closed only
// by its own commands or the title bar.
class DialogoIntero : public QDialog {
    Q_OBJECT
public:
    DialogoIntero(QWidget* genitore, const QString& nome, const QString& titolo,
                  const QColor& coloreAlto);
    QWidget* Pannello() const { return pannello_; }

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* pannello_;
    QColor coloreAlto_;
};

// Dialog: fixed size, title bar without buttons, centred on the screen (or its owner),
// vertical gradient background. Escape does not close it: each dialog has its own command.
class Dialogo : public QDialog {
    Q_OBJECT
public:
    Dialogo(QWidget* genitore, const QString& nome, const QString& titolo, QSize dimensione,
            const QColor& alto, const QColor& basso);
    void CentraSu(QWidget* w) { centraSu_ = w; }

protected:
    virtual void FormShow() {}
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QColor alto_, basso_;
    QPointer<QWidget> centraSu_;
};

// Shows a per-use window modally through the platform and destroys it afterwards.
int MostraPerUso(std::unique_ptr<QDialog> finestra);
