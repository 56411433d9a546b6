#pragma once
// Deadline entry starts here: the user chooses the year whose archive the deadline card is
// to work on. The window only names the year file for the card; it opens nothing itself.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmRicordario;

class TfrmMenuRicordario : public FinestraIntera {
    Q_OBJECT
public:
    TfrmMenuRicordario();
    // The launcher to go back to without a year, and the card to go on to with one.
    void Collega(FinestraIntera* avvio, TfrmRicordario* ricordario);

    QLabel* lblInfo;
    QLabel* intAnnoPreventivi;
    QLabel* titAnnoPreventivi;
    QLineEdit* txtAnnoPreventivi;
    QPushButton* btnApriPreventivi;
    Immagine* imgGuida;
    Immagine* imgEsci;
    // Exit mode: "avvio" (left without a year) or "ricordario" (a year was chosen).
    QLabel* lblMemory;

    void btnApriPreventiviClick();
    void imgGuidaClick();
    void imgEsciClick() { close(); }

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPointer<FinestraIntera> avvio_;
    QPointer<TfrmRicordario> ricordario_;
};
