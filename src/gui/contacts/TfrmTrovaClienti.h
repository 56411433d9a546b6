#pragma once
// The contact search: up to ten filters over the contact archive, the matches as a result
// list, and a double click that copies the chosen contact into the window that opened the
// search (the contact card, the deadline card or the summary request, by mode word).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

#include "core/contacts/RicercaContatti.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/Finestre.h"

class TfrmTrovaClienti : public Dialogo, public PannelloRisultati {
    Q_OBJECT
public:
    // `chiamante` owns the window and receives the picked contact.
    explicit TfrmTrovaClienti(QWidget* chiamante);
    // The openers' command: a new search for `chiamante` in mode `modo` ("clienti",
    // "ricordario" or "riepilogo"), shown modally and destroyed when it closes.
    static void Apri(QWidget* chiamante, const QString& modo);

    QLabel* lblMemory;  // mode word, written by the opener
    QLabel* lblConta;   // number of filled filters of the last search

    QWidget* panAvvio;
    QLineEdit *txtCliente, *txtComuneRes, *txtPartitaIva, *txtCodFisc, *txtDocumento,
        *txtOccupazione, *txtProdotti, *txtZona, *txtQuestioni, *txtNote;
    QLabel* lblAttendere;
    QPushButton* btnCerca;
    QPushButton* btnAnnulla;

    QWidget* panContainer;  // the result panel: txtTrova, btnTrova, lstRecords, lblTrovate...

    void btnCercaClick();
    void lstRecordsDblClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Where a picked record goes, by mode word.
    void CopiaNelChiamante(std::int64_t posizione, const TSchedaContatto& s);
    std::array<QLineEdit*, ricerca::kFiltri> filtri_{};
};

// Brings a contact into the contact card at its position, as its own navigation does.
void MostraSullaScheda(QWidget* scheda, std::int64_t posizione, const TSchedaContatto& s);
