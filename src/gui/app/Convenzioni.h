#pragma once
// The small behaviours every window shares: window kinds, rectangles and pictures, the
// status line, focus highlights, Enter chains, typing filters, province and list-only
// combos, message boxes, the busy label and the per-use windows. Windows use these; they
// don't reimplement them.
#include <QAbstractButton>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/app/Piattaforma.h"

class QComboBox;
class QPainter;

// UTF-8 text of the core as QString, and back.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QString Q(const char* s) { return QString::fromUtf8(s); }
inline std::string S(const QString& s) { return s.toStdString(); }
// The items of a list, as a list box or a combo takes them.
QStringList Q(const std::vector<std::string>& voci);
// A control's text without leading and trailing characters of code 32 or below.
QString Rifilato(const QString& t);
// The text of an edit field, a combo or a label.
QString TestoDi(const QWidget* controllo);

// Process-wide date and number settings: dd/mm/yyyy and the decimal comma.
void ImpostaDateNumeri();

QColor Argb(quint32 argb);
void DipingiSfumatura(QPainter& p, const QRect& r, const QColor& alto, const QColor& basso);
QFont Carattere(const QString& famiglia, int punti, bool grassetto = false);

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

// A plain rectangle: fill (or vertical gradient fill) and border.
class Rettangolo : public QWidget {
public:
    Rettangolo(QWidget* genitore, const QString& nome, QRect r, const QColor& riempimento,
               const QColor& bordo = Qt::transparent, const QColor& riempimentoBasso = QColor());
    // The focus-highlight look: yellow with a border fading from yellow to white.
    void StileEvidenziazione() { evidenziazione_ = true; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor riempimento_, bordo_, basso_;
    bool evidenziazione_ = false;
};

// A picture from the resources (":/img/<nome>.svg"), or a command picture that shows its
// word. Clickable pictures have a hand cursor and emit clicked().
class Immagine : public QAbstractButton {
    Q_OBJECT
public:
    Immagine(QWidget* genitore, const QString& nome, QRect r, const QString& risorsa,
             bool cliccabile = true);
    // A command picture drawn with its lettering.
    static Immagine* Comando(QWidget* genitore, const QString& nome, QRect r,
                             const QString& parola, const QColor& colore = QColor(0x2B5D8C));

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString risorsa_;
    QString parola_;
    QColor colore_;
};

// A text link (Tahoma 14 underlined, dark blue, hand cursor): orange while the mouse button
// is held on it, dark blue again on release, which clicks it.
class Collegamento : public QLabel {
    Q_OBJECT
public:
    Collegamento(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos);
    static QColor BluScuro() { return Argb(0xFF00008B); }
    static QColor Arancio() { return Argb(0xFFFFA500); }
    QColor Colore() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void ImpostaColore(const QColor& c);
};

// Builders for the usual controls, placed at panel coordinates.
QLabel* Etichetta(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos,
                  const QFont& f, const QColor& colore = Qt::black);
// A hidden label that holds a window's state (a path, a date, a count).
QLabel* EtichettaNascosta(QWidget* genitore, const QString& nome);
// A push button that never acts as a dialog's default (Enter in a field must not press it);
// Enter on the button itself presses it.
class QPushButton;
QPushButton* Pulsante(QWidget* genitore, const QString& nome, const QString& testo, QRect r,
                      const QFont& f);
QLineEdit* CampoTesto(QWidget* genitore, const QString& nome, QRect r, int lunghezzaMassima,
                      const QFont& f);
QComboBox* ComboProvincia(QWidget* genitore, const QString& nome, QRect r, const QFont& f);
QComboBox* ComboSoloLista(QWidget* genitore, const QString& nome, QRect r, const QFont& f,
                          const QStringList& voci);

// Focus highlight: a rectangle "eff" + field name without prefix, 4 units larger on every
// side, behind the field, visible only while the field has the focus.
Rettangolo* Evidenzia(QWidget* campo);
// Runs `azione` when the field loses the focus to another control of its window; a message
// box or the field's own drop-down list taking the focus is not leaving the field.
void QuandoEsce(QWidget* campo, std::function<void()> azione);
// Enter moves along the chain, the last field back to the first; tab order follows it.
void CatenaInvio(const QList<QWidget*>& campi);
// Enter in the field moves the focus to the button without pressing it.
void InvioAlPulsante(QWidget* campo, QWidget* pulsante);

// Typing filters.
void FiltroMaiuscole(QLineEdit* campo);       // trim + capitals after every keystroke
void FiltroSoloMaiuscole(QLineEdit* campo);   // capitals after every keystroke
void FiltroRifila(QLineEdit* campo);          // trim after every keystroke and on leaving
void FiltroCifre(QLineEdit* campo, bool virgola = false);  // digits (and the comma)

// Status line: a text that shows the description of the control under the mouse, and is
// emptied over the background, panels, rectangles and labels.
class RigaStato : public QObject {
    Q_OBJECT
public:
    explicit RigaStato(QLabel* panInfo);
    void Descrivi(QWidget* controllo, const QString& descrizione);
    void SvuotaSu(QWidget* sfondo);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QLabel* panInfo_;
    QHash<QObject*, QString> descrizioni_;
};

// The status strip at `r`: a slate-blue rectangle "shpInfo" under the white text "panInfo"
// (Tahoma 12), which starts with the window's design text. Returns panInfo.
QLabel* StrisciaInfo(QWidget* genitore, QRect r, const QString& testoIniziale);

// Busy label: shown as soon as the mouse is pressed on the command's button.
void CollegaAttesa(QAbstractButton* pulsante, QLabel* attendere);

// Message boxes.
void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo);
Risposta ChiediConferma(QWidget* genitore, const QString& testo);
void MostraMessaggio(QWidget* genitore, const QString& testo);

// Shows a per-use window modally through the platform and destroys it afterwards.
int MostraPerUso(std::unique_ptr<QDialog> finestra);

// Hands a text to the desktop shell's "open": a file path (with or without the double
// quotes it is written with), a web address or a mailto: address.
class TMisc {
public:
    static void Open(const QString& testo);
};
