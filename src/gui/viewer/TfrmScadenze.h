#pragma once
// The deadline viewer: a read-only window over the current year's archive, and next year's
// when it exists. Each time it is shown from the launcher it tells, by a banner, the OK
// button and the alarm sound, whether any deadline is imminent; its calendar picks the day
// (of any year) whose day or month the lists show, with the days holding deadlines in bold
// and the national holidays in red.
#include <QDate>
#include <QPushButton>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class QCalendarWidget;

class TfrmScadenze : public FinestraIntera {
    Q_OBJECT
public:
    TfrmScadenze();

    // The day picked in the calendar, as the day and month lists read it.
    QDate DataCalendario() const;

    QCalendarWidget* calAppuntamenti;
    Immagine* btnGiorno;
    Immagine* btnMese;
    QLabel* lblInfo06;
    Immagine* imgImminenti;
    QLabel* lblOK;
    QPushButton* btnOK;
    QLabel* lblInfo05;
    Immagine* imgPresenti;
    Immagine* imgAssenti;
    Immagine* imgGuida;
    Immagine* imgEsci;

    void btnGiornoClick();
    void btnMeseClick();
    void btnOKClick();
    void imgGuidaClick();
    void imgEsciClick() { close(); }
    // Marks the shown month from its year's file, read only.
    void SegnaMese(int anno, int mese);

protected:
    // The imminence check.
    void FormShow() override;
    // Stops the alarm; the launcher comes back.
    void FormClose() override;

private:
    void MostraEsito(bool presenti);
    // Whether the player has been given the alarm at least once.
    bool suonoCaricato_ = false;
};
