#pragma once
// The attachments of the contact on the card: up to three files, each copied into the
// attachments folder and known there by its name, with a description. The window works
// on the card's hidden labels; the card's Salva stores them.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmAllegaCartella : public Dialogo {
    Q_OBJECT
public:
    // `chiamante` is the card: "Applica e chiudi" writes its labels lblFile01..03 and
    // lblDesc01..03.
    explicit TfrmAllegaCartella(QWidget* chiamante);

    // What the card's command does: a new window with the card's six labels (trimmed) in
    // its fields, shown modally and destroyed when it closes.
    static void Apri(QWidget* chiamante);

    QLabel* lblMemory;
    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    Immagine *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;

    // Slots are numbered from 1 to 3.
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* apri;
    };
    // The card's label for a slot's name or description.
    QLabel* EtichettaChiamante(const char* prefisso, int slot) const;
    void LeggiEtichette();

    std::array<Slot, 3> slot_;
};
