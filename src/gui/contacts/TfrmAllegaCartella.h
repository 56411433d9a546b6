#pragma once
// The attachments of the contact on the card: up to three files, each copied into the
// attachments folder and known there by its name, with a description. The window takes
// the card's three attachments and gives them back on "Applica e chiudi"; the card's Salva
// stores them.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmAllegaCartella : public Dialogo {
    Q_OBJECT
public:
    // One slot: the file's name in the attachments folder and its description.
    struct Allegato {
        QString file;
        QString descrizione;
    };
    using Allegati = std::array<Allegato, 3>;
    // Receives the three slots, trimmed, on "Applica e chiudi".
    using Applica = std::function<void(const Allegati&)>;

    // `chiamante` is the card that owns the window.
    TfrmAllegaCartella(QWidget* chiamante, const Allegati& allegati, Applica applica);

    // What the card's command does: a new window with the card's attachments (trimmed) in
    // its fields, shown modally and destroyed when it closes.
    static void Apri(QWidget* chiamante, const Allegati& allegati, Applica applica);

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
    std::array<Slot, 3> slot_;
    Applica applica_;
};
