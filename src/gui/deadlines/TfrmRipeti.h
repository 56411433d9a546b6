#pragma once
// The repeat window: the deadline on the card, saved, written again every week or every few
// months, a number of times or until a day, each occurrence in its own year's file. The
// record on the card is not changed.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "core/deadlines/TSchedaScadenza.h"
#include "gui/app/Finestre.h"

class TfrmRipeti : public Dialogo {
    Q_OBJECT
public:
    // `origine` is the saved record; `cartella` holds the year files.
    TfrmRipeti(QWidget* scheda, TSchedaScadenza origine, std::filesystem::path cartella);
    // The card's command: a new window, shown modally and destroyed when it closes.
    static void Apri(QWidget* scheda, TSchedaScadenza origine, std::filesystem::path cartella);

    QLabel* lblScheda;
    QComboBox* txtPasso;
    QRadioButton* optVolte;
    QLineEdit* txtVolte;
    QRadioButton* optFino;
    QDateEdit* txtFino;
    QCheckBox* chkLavorativo;
    QPushButton* btnRipeti;
    QPushButton* btnChiudi;

    void btnRipetiClick();

private:
    TSchedaScadenza origine_;
    std::filesystem::path cartella_;
};
