#pragma once
// How the deadline grids draw the columns of the deadlines export (esportazione::
// ColonneScadenze): the export window draws them all, the viewer's lists the first 18 and
// the last.
#include <array>

#include "core/export/Esportazioni.h"
#include "gui/app/FinestraGriglia.h"

inline constexpr std::array<AspettoColonna, 19> AspettoScadenze = {{
    {"colNum", 60},            // N.
    {"colData", 150},          // Data scadenza
    {"colOraApp", 150},        // Ora appuntamento
    {"colBeneficiario", 250},  // Tipologia
    {"colDettagli", 300},      // Causale scadenza o appuntamento
    {"colOfficina", 250},      // Pagamento
    {"colCosto", 200},         // Importo in euro
    {"colContatto", 250},      // Esito
    {"colPagatore", 250},      // Cognome e nome
    {"colCodFisc", 180},       // Codice fiscale
    {"colNumTessera", 250},    // Zona
    {"colCarica", 300},        // Questioni in sospeso
    {"colTelCel", 200},        // Tel. cellulare
    {"colRecapito", 200},      // Recapito preferenziale
    {"colAnticipi", 300},      // Altre persone da incontrare
    {"colComplessivo", 250},   // Luogo appuntamento
    {"colRateazione", 200},    // Durata prevista
    {"colNote", 300},          // Note
    {"colEffettuata", 200},    // Impegno assolto
}};
static_assert(AspettoScadenze.size() == esportazione::ColonneScadenze.size());
