#pragma once
// The interval summary starts here: the user gives the year, optionally a contact and a
// reason, and the interval; a sound request opens the summary on that year's archive.
#include <QComboBox>
#include <QPushButton>

#include "core/summary/Riepilogo.h"
#include "gui/app/Convenzioni.h"

class TfrmMenuRiepCosti : public FinestraIntera {
    Q_OBJECT
public:
    TfrmMenuRiepCosti();

    QLineEdit* txtAnno;
    QLineEdit* txtCliente;
    Immagine* impCliente;
    QLineEdit* txtTarga;
    QComboBox* txtGiornoInizio;
    QComboBox* txtMeseInizio;
    QLabel* lblAnnoInizio;
    QComboBox* txtGiornoFine;
    QComboBox* txtMeseFine;
    QLabel* lblAnnoFine;
    QPushButton* btnVisualizza;
    QPushButton* btnEsci;
    QLabel* lblAttendere;
    // The request as last composed: the year file and the two dates.
    QLabel* lblFile;
    QLabel* lblDataInizio;
    QLabel* lblDataFine;

    void impClienteClick();
    void btnVisualizzaClick();
    void btnEsciClick() { close(); }

protected:
    void FormShow() override;

private:
    // The control of each request field, in the order of riepilogo::Campo.
    QWidget* Controllo(riepilogo::Campo campo) const;
};
