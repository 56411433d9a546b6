#pragma once
// The contact search: up to ten filters over the contact archive, the matches as a result
// list, and a double click that hands the chosen contact to the window that opened the
// search (the contact card, the deadline card, the summary request), which takes from it
// what it needs.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>

#include "core/contacts/RicercaContatti.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/FinestraRicerca.h"

// A picked contact and its position in the archive, handed to the window that asked.
using SceltaContatto = elenco::Scelta<TSchedaContatto>;

class TfrmTrovaClienti : public FinestraRicerca {
    Q_OBJECT
public:
    // `chiamante` owns the window; `scelta` receives each picked contact.
    TfrmTrovaClienti(QWidget* chiamante, SceltaContatto scelta);
    // The openers' command: a new search for `chiamante`, shown modally and destroyed when
    // it closes; what a pick does is `scelta`'s.
    static void Apri(QWidget* chiamante, SceltaContatto scelta);

    // The filters on panAvvio; the other controls are those of the two panels.
    QLineEdit *txtCliente, *txtComuneRes, *txtPartitaIva, *txtCodFisc, *txtDocumento,
        *txtOccupazione, *txtProdotti, *txtZona, *txtQuestioni, *txtNote;

    void btnCercaClick();
    void lstRecordsDblClick();

private:
    SceltaContatto scelta_;
    std::array<QLineEdit*, ricerca::kFiltri> filtri_{};
};
