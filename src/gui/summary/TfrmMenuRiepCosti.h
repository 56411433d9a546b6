#pragma once
// The interval summary starts here: the user gives the year, optionally a contact and a
// reason, and the interval; a sound request opens the summary on that year's archive.
#include <QComboBox>
#include <QPushButton>

#include "core/summary/Riepilogo.h"
#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

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

    void impClienteClick();
    void btnVisualizzaClick();
    // The summary of an interval of the year in txtAnno, given as day and month numbers
    // (1 January is 1, 1), as choosing them in the four lists and "Visualizza" give it.
    void VisualizzaIntervallo(int giornoInizio, int meseInizio, int giornoFine, int meseFine);
    void btnEsciClick() { close(); }

protected:
    void FormShow() override;

private:
    // The control of each request field, in the order of riepilogo::Campo.
    QWidget* Controllo(riepilogo::Campo campo) const;
};
