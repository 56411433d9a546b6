#pragma once
// The summary of one request: every deadline of the interval that matches the filters, as
// a result list, with the total of their amounts; find in the list and printing.
#include <QPushButton>
#include <string>

#include "core/summary/Riepilogo.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmRiepCosti : public DialogoIntero {
    Q_OBJECT
public:
    // Made by the request window for one request, shown modally, destroyed after.
    TfrmRiepCosti(QWidget* chiamante, riepilogo::RichiestaRiepilogo richiesta);

    // The last find text of any summary: it belongs to the program, so a new summary
    // window goes on from where the last one left off.
    static std::string& TestoRicordato();

    QLabel* lblTipologia;
    QLabel* titTipologia;
    Immagine* imgGuida;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListaRisultati* lstRecords;
    QLabel* lblIntervallo;
    QLabel* lblTotCosti;
    QPushButton* btnStampa;
    QPushButton* btnEsci;

    void btnTrovaClick() { risultati_->Trova(); }
    void btnStampaClick();
    void imgGuidaClick();
    void btnEsciClick() { close(); }

protected:
    void FormShow() override;
    void FormClose() override;

private:
    riepilogo::RichiestaRiepilogo richiesta_;
    ElencoRisultati* risultati_;
    // What the labels show and printing repeats: the interval, the total, the contact.
    std::string intervallo_ = "Dal gg/mm/aaaa al gg/mm/aaaa";
    std::string totale_ = "0,00";
    std::string tipologia_;
};
