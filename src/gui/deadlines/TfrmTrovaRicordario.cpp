#include "gui/deadlines/TfrmTrovaRicordario.h"

#include "core/deadlines/RigaScadenza.h"
#include "gui/app/Finestre.h"

TfrmTrovaRicordario::TfrmTrovaRicordario(QWidget* scheda, std::filesystem::path archivio,
                                         elenco::Scelta<TSchedaScadenza> scelta)
    : FinestraRicerca(scheda, "TfrmTrovaRicordario",
                      QStringLiteral(" Trova scadenze e appuntamenti in archivio")),
      archivio_(std::move(archivio)),
      scelta_(std::move(scelta)) {
    const Filtro tabella[scadenza::kFiltri] = {
        {&txtData, "txtData", "Data scadenza (gg/mm/aaaa):"},
        {&txtOra, "txtOra", "Ora appuntamento (hh:mm):"},
        {&txtPagatore, "txtPagatore", "Cognome e nome:"},
        {&txtCodFisc, "txtCodFisc", "Codice fiscale:"},
        {&txtNumTessera, "txtNumTessera", "Zona:"},
        {&txtCarica, "txtCarica", "Questioni in sospeso:"},
        {&txtAnticipi, "txtAnticipi", "Altre persone da incontrare:"},
        {&txtBeneficiario, "txtBeneficiario", "Tipologia:"},
        {&txtDettagli, "txtDettagli", "Causale scadenza:"},
        {&txtNote, "txtNote", "Note:"},
    };
    static std::string ricordato;  // one remembered find text for this window class
    CostruisciPannelli(tabella, ricordato, QStringLiteral("Riepilogo scadenze e appuntamenti"));
    for (std::size_t i = 0; i < scadenza::kFiltri; ++i) filtri_[i] = *tabella[i].campo;
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaRicordario::btnCercaClick);
    connect(lstRecords, &ListaRisultati::DoppioClic, this,
            &TfrmTrovaRicordario::lstRecordsDblClick);
}

void TfrmTrovaRicordario::Apri(QWidget* scheda, const std::filesystem::path& archivio,
                               elenco::Scelta<TSchedaScadenza> scelta) {
    MostraPerUso(std::make_unique<TfrmTrovaRicordario>(scheda, archivio, std::move(scelta)));
}

void TfrmTrovaRicordario::btnCercaClick() {
    Cerca<TSchedaScadenza>(filtri_, scadenza::CampiFiltro, archivio_, scadenza::FormaScadenza,
                           QStringLiteral("Il presente elenco contiene %1 schede."));
}

void TfrmTrovaRicordario::lstRecordsDblClick() {
    // An empty callback throws inside the pick, which then just closes the window.
    risultati->Scegli<TSchedaScadenza>(archivio_, scadenza::FormaScadenza, scelta_);
}
