#pragma once
// The two archive exports: every contact, and every deadline of one year file, one row per
// record in file order, with the columns the grid shows and the header cells the file gets.
#include <array>

#include "core/contacts/TSchedaContatto.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "core/export/Griglia.h"

namespace esportazione {

using C = TSchedaContatto;
inline constexpr std::array<griglia::ColonnaDi<C>, 26> ColonneContatti = {{
    {"colNum", "N.", 60, false},
    {"colCliente", "Cognome e nome contatto", 250, false, &C::Cliente},
    {"colDataNasc", "Data di nascita", 120, false, &C::DataNasc},
    {"colComuneNasc", "Comune / Stato estero di nascita", 250, false, &C::ComuneNasc, &C::ProvNasc},
    {"colRecapito", "Recapito preferenziale", 200, false, &C::Recapito},
    {"colIndirizzoRes", "Indirizzo di residenza", 250, false, &C::IndirizzoRes},
    {"colComuneRes", "Comune di residenza", 250, true, &C::ComuneRes, &C::ProvRes},
    {"colEstremi", "Modalità di pagamento", 250, false, &C::Estremi},
    {"colTelCasa", "Tel. casa", 200, false, &C::TelCasa},
    {"colTelUff", "Tel. ufficio", 200, false, &C::TelUff},
    {"colTelCel", "Tel. cellulare", 200, false, &C::TelCel},
    {"colFax", "Fax", 200, false, &C::Fax},
    {"colEmail", "E-mail", 250, false, &C::Email},
    {"colCodFisc", "Codice fiscale", 150, false, &C::CodFisc},
    {"colPartitaIva", "Partita IVA", 150, true, &C::PartitaIva},
    {"colCarta", "Carta di credito n.", 250, false, &C::Carta},
    {"colScadeCarta", "Scadenza", 160, true, &C::ScadeCarta},
    {"colIban", "IBAN", 250, true, &C::Iban},
    {"colDocumento", "Estremi documento", 280, true, &C::Documento},
    {"colOccupazione", "Occupazione", 250, true, &C::Occupazione},
    {"colCivile", "Stato civile", 250, false, &C::Civile},
    {"colTitoli", "Titoli e qualifiche", 280, true, &C::Titoli},
    {"colProdotti", "Prodotti e servizi di interesse", 300, false, &C::Prodotti},
    {"colZona", "Zona", 250, false, &C::Zona},
    {"colQuestioni", "Questioni in sospeso", 300, true, &C::Questioni},
    {"colNote", "Note", 350, true, &C::Note},
}};

inline constexpr std::array<foglio::Intestazione, 25> IntestazioniContatti = {{
    {"Cognome e nome contatto", 250},
    {"Data di nascita", 200},
    {"Comune di nascita", 250},
    {"Recapito preferenziale", 250},
    {"Indirizzo di residenza", 300},
    {"Comune di residenza", 250},
    {"Modalità di pagamento", 250},
    {"Tel. casa", 250},
    {"Tel. ufficio", 250},
    {"Tel. cellulare", 250},
    {"Fax", 250},
    {"E-mail", 250},
    {"Codice fiscale", 250},
    {"Partita IVA", 250},
    {"Carta di credito n.", 300},
    {"Scadenza", 150},
    {"IBAN", 300},
    {"Estremi documento", 280},
    {"Occupazione", 250},
    {"Stato civile", 250},
    {"Titoli e qualifiche", 280},
    {"Prodotti e servizi di interesse", 300},
    {"Zona", 250},
    {"Questioni in sospeso", 300},
    {"Note", 300},
}};

inline constexpr griglia::Dichiarazione<C> Contatti = {
    ColonneContatti, {"Contatti.xls", "Riepilogo Contatti", IntestazioniContatti}};

using S = TSchedaScadenza;
inline constexpr std::array<griglia::ColonnaDi<S>, 19> ColonneScadenze = {{
    {"colNum", "N.", 60, false},
    {"colData", "Data scadenza", 150, false, &S::Data},
    {"colOraApp", "Ora appuntamento", 150, false, &S::Ora},
    {"colBeneficiario", "Tipologia", 250, false, &S::Beneficiario},
    {"colDettagli", "Causale scadenza o appuntamento", 300, false, &S::Dettagli},
    {"colOfficina", "Pagamento", 250, true, &S::Officina},
    {"colCosto", "Importo in euro", 200, true, &S::Costo},
    {"colContatto", "Esito", 250, true, &S::Contatto},
    {"colPagatore", "Cognome e nome", 250, false, &S::Pagatore},
    {"colCodFisc", "Codice fiscale", 180, false, &S::CodFisc},
    {"colNumTessera", "Zona", 250, false, &S::NumTessera},
    {"colCarica", "Questioni in sospeso", 300, false, &S::Carica},
    {"colTelCel", "Tel. cellulare", 200, false, &S::TelCel},
    {"colRecapito", "Recapito preferenziale", 200, false, &S::Recapito},
    {"colAnticipi", "Altre persone da incontrare", 300, false, &S::Anticipi},
    {"colComplessivo", "Luogo appuntamento", 250, false, &S::Complessivo},
    {"colRateazione", "Durata prevista", 200, false, &S::Rateazione},
    {"colNote", "Note", 300, false, &S::Note},
    {"colEffettuata", "Impegno assolto", 200, true, &S::Effettuata},
}};

inline constexpr std::array<foglio::Intestazione, 18> IntestazioniScadenze = {{
    {"Data scadenza", 150},
    {"Ora appuntamento", 150},
    {"Tipologia", 250},
    {"Causale scadenza o appuntamento", 300},
    {"Pagamento", 250},
    {"Importo in euro", 200},
    {"Esito", 250},
    {"Cognome e nome", 250},
    {"Codice fiscale", 200},
    {"Zona", 250},
    {"Questioni in sospeso", 300},
    {"Tel. cellulare", 200},
    {"Recapito preferenziale", 200},
    {"Altre persone da incontrare", 300},
    {"Luogo appuntamento", 250},
    {"Durata prevista", 200},
    {"Note", 300},
    {"Impegno assolto", 200},
}};

inline constexpr griglia::Dichiarazione<S> Scadenze = {
    ColonneScadenze,
    {"Scadenze_e_Appuntamenti.xls", "Scadenze e Appuntamenti", IntestazioniScadenze}};

static_assert(IntestazioniContatti.size() + 1 == ColonneContatti.size());
static_assert(IntestazioniScadenze.size() + 1 == ColonneScadenze.size());

}  // namespace esportazione
