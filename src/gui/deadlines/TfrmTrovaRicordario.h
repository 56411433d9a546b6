#pragma once
// The deadline search: up to ten filters over the year archive the deadline card has open,
// the matches as a result list, and a double click that hands the chosen record to the
// card.
#include <array>
#include <filesystem>

#include "core/lists/Elenco.h"
#include "core/deadlines/RicercaScadenze.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "gui/app/FinestraRicerca.h"

class TfrmTrovaRicordario : public FinestraRicerca {
    Q_OBJECT
public:
    // `scheda` owns the window; `archivio` is the year file it shows; `scelta` receives the
    // picked record with its position.
    TfrmTrovaRicordario(QWidget* scheda, std::filesystem::path archivio,
                        elenco::Scelta<TSchedaScadenza> scelta);
    // The card's command: a new search, shown modally and destroyed when it closes.
    static void Apri(QWidget* scheda, const std::filesystem::path& archivio,
                     elenco::Scelta<TSchedaScadenza> scelta);

    // The filters on panAvvio; the other controls are those of the two panels.
    QLineEdit *txtData, *txtOra, *txtPagatore, *txtCodFisc, *txtNumTessera, *txtCarica,
        *txtAnticipi, *txtBeneficiario, *txtDettagli, *txtNote;

    void btnCercaClick();
    void lstRecordsDblClick();

private:
    std::filesystem::path archivio_;
    elenco::Scelta<TSchedaScadenza> scelta_;
    std::array<QLineEdit*, scadenza::kFiltri> filtri_{};
};
