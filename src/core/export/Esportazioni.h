#pragma once
// The two archive exports: every contact, and every deadline of one year file, one row per
// record in file order, with the columns the grid shows (header text, what each shows,
// whether typing in it is allowed) and the header cells the file gets.
#include <array>

#include "core/contacts/TSchedaContatto.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "core/export/Griglia.h"

namespace esportazione {

using C = TSchedaContatto;
inline constexpr std::array<griglia::ColonnaDi<C>, 26> ColonneContatti = {{
    {"N.", false},
    {"Cognome e nome contatto", false, &C::Cliente},
    {"Data di nascita", false, &C::DataNasc},
    {"Comune / Stato estero di nascita", false, &C::ComuneNasc, &C::ProvNasc},
    {"Recapito preferenziale", false, &C::Recapito},
    {"Indirizzo di residenza", false, &C::IndirizzoRes},
    {"Comune di residenza", true, &C::ComuneRes, &C::ProvRes},
    {"Modalità di pagamento", false, &C::Estremi},
    {"Tel. casa", false, &C::TelCasa},
    {"Tel. ufficio", false, &C::TelUff},
    {"Tel. cellulare", false, &C::TelCel},
    {"Fax", false, &C::Fax},
    {"E-mail", false, &C::Email},
    {"Codice fiscale", false, &C::CodFisc},
    {"Partita IVA", true, &C::PartitaIva},
    {"Carta di credito n.", false, &C::Carta},
    {"Scadenza", true, &C::ScadeCarta},
    {"IBAN", true, &C::Iban},
    {"Estremi documento", true, &C::Documento},
    {"Occupazione", true, &C::Occupazione},
    {"Stato civile", false, &C::Civile},
    {"Titoli e qualifiche", true, &C::Titoli},
    {"Prodotti e servizi di interesse", false, &C::Prodotti},
    {"Zona", false, &C::Zona},
    {"Questioni in sospeso", true, &C::Questioni},
    {"Note", true, &C::Note},
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
    {"N.", false},
    {"Data scadenza", false, &S::Data},
    {"Ora appuntamento", false, &S::Ora},
    {"Tipologia", false, &S::Beneficiario},
    {"Causale scadenza o appuntamento", false, &S::Dettagli},
    {"Pagamento", true, &S::Officina},
    {"Importo in euro", true, &S::Costo},
    {"Esito", true, &S::Contatto},
    {"Cognome e nome", false, &S::Pagatore},
    {"Codice fiscale", false, &S::CodFisc},
    {"Zona", false, &S::NumTessera},
    {"Questioni in sospeso", false, &S::Carica},
    {"Tel. cellulare", false, &S::TelCel},
    {"Recapito preferenziale", false, &S::Recapito},
    {"Altre persone da incontrare", false, &S::Anticipi},
    {"Luogo appuntamento", false, &S::Complessivo},
    {"Durata prevista", false, &S::Rateazione},
    {"Note", false, &S::Note},
    {"Impegno assolto", true, &S::Effettuata},
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
