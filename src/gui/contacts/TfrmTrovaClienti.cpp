#include "gui/contacts/TfrmTrovaClienti.h"

#include "core/text/Messaggi.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* chiamante, SceltaContatto scelta)
    : FinestraRicerca(chiamante, "TfrmTrovaClienti", QStringLiteral(" Trova contatti in archivio")),
      scelta_(std::move(scelta)) {
    const Filtro tabella[ricerca::kFiltri] = {
        {&txtCliente, "txtCliente", "Cognome e nome contatto:"},
        {&txtComuneRes, "txtComuneRes", "Comune di residenza:"},
        {&txtPartitaIva, "txtPartitaIva", "Partita IVA:"},
        {&txtCodFisc, "txtCodFisc", "Codice fiscale:"},
        {&txtDocumento, "txtDocumento", "Estremi documento:"},
        {&txtOccupazione, "txtOccupazione", "Occupazione:"},
        {&txtProdotti, "txtProdotti", "Prodotti e servizi di interesse:"},
        {&txtZona, "txtZona", "Zona di appartenenza:"},
        {&txtQuestioni, "txtQuestioni", "Questioni in sospeso:"},
        {&txtNote, "txtNote", "Note:"},
    };
    static std::string ricordato;  // one remembered find text for this window class
    CostruisciPannelli(tabella, ricordato, QStringLiteral("Riepilogo contatti"));
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) filtri_[i] = *tabella[i].campo;
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(lstRecords, &ListaRisultati::DoppioClic, this, &TfrmTrovaClienti::lstRecordsDblClick);
}

void TfrmTrovaClienti::Apri(QWidget* chiamante, SceltaContatto scelta) {
    MostraPerUso(std::make_unique<TfrmTrovaClienti>(chiamante, std::move(scelta)));
}

void TfrmTrovaClienti::btnCercaClick() {
    Cerca<TSchedaContatto>(filtri_, ricerca::CampiFiltro,
                           PercorsoProgramma(TArchivioContatti::NomeFile), ricerca::FormaContatto,
                           QStringLiteral("Il presente riepilogo contiene %1 schede."));
}

void TfrmTrovaClienti::lstRecordsDblClick() {
    risultati->Scegli<TSchedaContatto>(PercorsoProgramma(TArchivioContatti::NomeFile),
                                       ricerca::FormaContatto, scelta_);
}
