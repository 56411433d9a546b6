#pragma once
// The access password window (the program's main window) and the change-password window.
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/Finestre.h"

class TfrmCambiaPassword;

class TfrmPassword : public Dialogo {
    Q_OBJECT
public:
    TfrmPassword();
    // The launcher shown after a correct password, and the change window.
    void Collega(FinestraIntera* avvio, TfrmCambiaPassword* cambia);

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    // Back from the change window: shown again with an empty field.
    void Riapri();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void txtPasswordChange();
    QPointer<FinestraIntera> avvio_;
    QPointer<TfrmCambiaPassword> cambia_;
};

class TfrmCambiaPassword : public Dialogo {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(TfrmPassword* accesso);

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;

    void cmdOKClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CampiChange();
    TfrmPassword* accesso_;
};
