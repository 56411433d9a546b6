#include "gui/app/TfrmPassword.h"

#include <QCloseEvent>

#include "core/password/Password.h"
#include "core/text/Messaggi.h"
#include "core/text/Testo.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TestoQt.h"
#include "gui/app/Titoli.h"

namespace {

const char* const kErrata = "Attenzione: password errata.";
const char* const kErroreLettura =
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.";
const char* const kVecchiaErrata = "Attenzione: vecchia password errata.";
const char* const kNonConfermata =
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.";
const char* const kCompletata = "Modifica della password completata con successo.";
const char* const kErroreModifica =
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.";

const QColor kAcciaio(0x46, 0x82, 0xB4);

bool Vuoto(const QLineEdit* e) { return testo::Rifila(S(e->text())).empty(); }

QLineEdit* CampoPassword(QWidget* genitore, const char* nome, QRect r) {
    auto* e = CampoTesto(genitore, nome, r, 255, Carattere("Verdana", 14, true));
    e->setEchoMode(QLineEdit::Password);
    Evidenzia(e);
    // A character with no Windows-1252 byte could only be kept cut to a byte that another
    // character types too: refused as it is typed, and said the first time.
    FiltroWindows1252(e, [e] {
        QWidget* finestra = e->window();
        if (finestra->property("carattereRifiutato").toBool()) return;
        finestra->setProperty("carattereRifiutato", true);
        MostraMessaggio(finestra, Q(messaggi::CarattereNonAmmessoPassword));
    });
    return e;
}

std::filesystem::path FilePassword() { return PercorsoProgramma(password::NomeFile); }

}  // namespace

// --- TfrmPassword --------------------------------------------------------------------------

TfrmPassword::TfrmPassword()
    : Dialogo(nullptr, "TfrmPassword", Titolo("Accesso"), QSize(388, 405), kAcciaio, Qt::white) {
    new Immagine(this, "imgPassword", QRect(16, 16, 328, 160), "password", false);
    Etichetta(this, "titPassword", QStringLiteral("Immetti la password e premi OK."),
              QPoint(36, 200), Carattere("Verdana", 9));
    txtPassword = CampoPassword(this, "txtPassword", QRect(36, 222, 230, 30));
    cmdOK = Pulsante(this, "cmdOK", "OK", QRect(280, 216, 49, 33), Carattere("Verdana", 10));
    cmdOK->setEnabled(false);
    cmdEsci = Pulsante(this, "cmdEsci", "Esci", QRect(8, 338, 146, 32), Carattere("Verdana", 10));
    btnCambiaPassword = Pulsante(this, "btnCambiaPassword", "Cambia password",
                                 QRect(205, 338, 146, 32), Carattere("Verdana", 10));

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    // Enter presses OK when there is something to check; otherwise it does nothing.
    connect(txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (cmdOK->isEnabled()) cmdOKClick();
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    setModal(false);
}

void TfrmPassword::Collega(FinestraIntera* avvio, TfrmCambiaPassword* cambia) {
    avvio_ = avvio;
    cambia_ = cambia;
}

void TfrmPassword::FormShow() { txtPassword->setFocus(); }

void TfrmPassword::Riapri() {
    txtPassword->clear();
    show();
    txtPassword->setFocus();
}

void TfrmPassword::txtPasswordChange() { cmdOK->setEnabled(!Vuoto(txtPassword)); }

void TfrmPassword::cmdOKClick() {
    bool corretta = false;
    try {
        corretta = password::VerificaPassword(FilePassword(), S(txtPassword->text()));
    } catch (const password::ErrorePassword&) {
        MostraMessaggio(this, Q(kErroreLettura));
        return;
    }
    if (corretta) {
        txtPassword->clear();
        if (avvio_) avvio_->Apri();
        hide();
        return;
    }
    MostraMessaggio(this, Q(kErrata));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick() {
    hide();
    piattaforma().Termina();
}

void TfrmPassword::btnCambiaPasswordClick() {
    if (!cambia_) return;
    cambia_->show();
    hide();
}

void TfrmPassword::closeEvent(QCloseEvent* e) {
    // Closing the main window by other means ends the program, as "Esci" does.
    e->accept();
    piattaforma().Termina();
}

// --- TfrmCambiaPassword --------------------------------------------------------------------

TfrmCambiaPassword::TfrmCambiaPassword(TfrmPassword* accesso)
    : Dialogo(nullptr, "TfrmCambiaPassword", QStringLiteral(" Cambia password"), QSize(411, 418),
              kAcciaio, Qt::white),
      accesso_(accesso) {
    new Immagine(this, "imgCambiaPassword", QRect(16, 16, 353, 148), "cambiapassword", false);
    const QFont didascalia = Carattere("Verdana", 9);
    struct Campo {
        QLineEdit** membro;
        const char* nome;
        const char* didascalia;
        int y;
    };
    const Campo campi[] = {
        {&txtPasswordOld, "txtPasswordOld", "Vecchia password:", 193},
        {&txtPasswordNew, "txtPasswordNew", "Nuova password:", 249},
        {&txtConferma, "txtConferma", "Conferma nuova password:", 305},
    };
    for (const auto& c : campi) {
        Etichetta(this, QStringLiteral("tit") + QString(c.nome).mid(3), Q(c.didascalia),
                  QPoint(16, c.y - 18), didascalia);
        *c.membro = CampoPassword(this, c.nome, QRect(16, c.y, 353, 30));
        connect(*c.membro, &QLineEdit::textChanged, this, &TfrmCambiaPassword::CampiChange);
    }
    CatenaInvio({txtPasswordOld, txtPasswordNew, txtConferma});
    cmdEsci = Pulsante(this, "cmdEsci", "Chiudi", QRect(8, 350, 146, 32), Carattere("Verdana", 10));
    cmdOK = Pulsante(this, "cmdOK", "OK", QRect(232, 350, 146, 32), Carattere("Verdana", 10));
    cmdOK->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::FormShow() {
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::CampiChange() {
    cmdOK->setEnabled(!Vuoto(txtPasswordOld) && !Vuoto(txtPasswordNew) && !Vuoto(txtConferma));
}

void TfrmCambiaPassword::cmdOKClick() {
    password::EsitoCambio esito;
    try {
        esito = password::CambiaPassword(FilePassword(), S(txtPasswordOld->text()),
                                         S(txtPasswordNew->text()), S(txtConferma->text()));
    } catch (const password::ErrorePassword&) {
        MostraMessaggio(this, Q(kErroreModifica));
        return;
    }
    switch (esito) {
        case password::EsitoCambio::VecchiaErrata:
            MostraMessaggio(this, Q(kVecchiaErrata));
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            break;
        case password::EsitoCambio::CaratteriNonAmmessi:
            MostraMessaggio(this, Q(messaggi::CarattereNonAmmessoPassword));
            txtPasswordNew->setFocus();
            break;
        case password::EsitoCambio::NonConfermata:
            MostraMessaggio(this, Q(kNonConfermata));
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            break;
        case password::EsitoCambio::Completato:
            MostraMessaggio(this, Q(kCompletata));
            close();
            break;
    }
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* e) {
    // However it closes, the password window comes back with an empty field.
    e->accept();
    accesso_->Riapri();
}
