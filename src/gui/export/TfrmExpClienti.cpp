#include "gui/export/TfrmExpClienti.h"

#include <array>

#include "core/contacts/TArchivioContatti.h"
#include "core/export/Esportazioni.h"
#include "core/help/Guida.h"
#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"

namespace {

// How the grid draws the columns of esportazione::ColonneContatti.
constexpr std::array<AspettoColonna, 26> kAspetto = {{
    {"colNum", 60},            // N.
    {"colCliente", 250},       // Cognome e nome contatto
    {"colDataNasc", 120},      // Data di nascita
    {"colComuneNasc", 250},    // Comune / Stato estero di nascita
    {"colRecapito", 200},      // Recapito preferenziale
    {"colIndirizzoRes", 250},  // Indirizzo di residenza
    {"colComuneRes", 250},     // Comune di residenza
    {"colEstremi", 250},       // Modalità di pagamento
    {"colTelCasa", 200},       // Tel. casa
    {"colTelUff", 200},        // Tel. ufficio
    {"colTelCel", 200},        // Tel. cellulare
    {"colFax", 200},           // Fax
    {"colEmail", 250},         // E-mail
    {"colCodFisc", 150},       // Codice fiscale
    {"colPartitaIva", 150},    // Partita IVA
    {"colCarta", 250},         // Carta di credito n.
    {"colScadeCarta", 160},    // Scadenza
    {"colIban", 250},          // IBAN
    {"colDocumento", 280},     // Estremi documento
    {"colOccupazione", 250},   // Occupazione
    {"colCivile", 250},        // Stato civile
    {"colTitoli", 280},        // Titoli e qualifiche
    {"colProdotti", 300},      // Prodotti e servizi di interesse
    {"colZona", 250},          // Zona
    {"colQuestioni", 300},     // Questioni in sospeso
    {"colNote", 350},          // Note
}};
static_assert(kAspetto.size() == esportazione::ColonneContatti.size());

}  // namespace

TfrmExpClienti::TfrmExpClienti(QWidget* scheda)
    : FinestraGriglia(scheda, GrigliaDiArchivio<TSchedaContatto>(
                                  "TfrmExpClienti", " Esporta archivio contatti in Microsoft Excel",
                                  guida::EsportazioneContatti, esportazione::Contatti, kAspetto,
                                  PercorsoProgramma(TArchivioContatti::NomeFile))) {}

void TfrmExpClienti::Apri(QWidget* scheda) {
    MostraPerUso(std::make_unique<TfrmExpClienti>(scheda));
}
