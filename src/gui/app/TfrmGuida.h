#pragma once
// The help window, the information window and the credits window: per-use dialogs.
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmGuida : public Dialogo {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* genitore);
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    Immagine* imgPDF;
    Collegamento* lnkWeb;
    QPushButton* btnChiudi;
    void lnkWebClick();
};

// Opens the help window on the page with this title (per use, modal).
void MostraGuida(QWidget* genitore, const char* titoloPagina);

class TfrmInfo : public Dialogo {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* genitore);
    static constexpr const char* Email = "info@ricordario.example";
    Collegamento* lnkWeb;
    QPushButton* btnChiudi;
    void lnkWebClick();
};

class TfrmSplash : public Dialogo {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* genitore);
    Collegamento* lnkWeb;
    QPushButton* btnChiudi;
    void lnkWebClick();
};
