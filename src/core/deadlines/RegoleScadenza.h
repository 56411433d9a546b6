#pragma once
// The deadline card's rules, free of any window: month names and numbers, the items of the
// four drop-down lists, the date and time a card stores, the amount normalisation, the
// checks of Salva, what a new card and a copy hold, and the printed rows. The window reads
// its controls into a TSchedaScadenza, asks here, and writes back.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Messaggi.h"
#include "core/records/RegoleScheda.h"
#include "core/records/RigaStampa.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace scadenza {

// ---- Months and list items ------------------------------------------------------------

inline constexpr std::array<std::string_view, 12> NomiMesi = {
    "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
    "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

// 1..12 for a month name, trimmed and compared with A–Z folded ("marzo", " MARZO " → 3);
// 0 for anything else.
int NumeroMese(std::string_view nome);
// "Gennaio".."Dicembre" for 1..12; empty otherwise.
std::string NomeMese(int numero);

// Items of the drop-down lists: "01".."31", "00".."23", "00".."59", the month names.
const std::vector<std::string>& VociGiorno();
const std::vector<std::string>& VociOre();
const std::vector<std::string>& VociMinuti();
const std::vector<std::string>& VociMese();

// What a list-only field keeps when it is left: its text, trimmed, when that equals one of
// its items exactly (case counts); otherwise nothing.
std::string VoceDiLista(std::string_view testo, const std::vector<std::string>& voci);

// ---- Date and time of a card ----------------------------------------------------------

// `Ora`: hour + ":" + minutes, both trimmed.
std::string ComponiOra(std::string_view ore, std::string_view minuti);
// `Data`: day + "/" + the month's number in two digits + "/" + year, day and year trimmed;
// nothing when the month is not one of the twelve names.
std::optional<std::string> ComponiData(std::string_view giorno, std::string_view mese,
                                       std::string_view anno);
// True for exactly "dd/mm/yyyy" naming a day of the Gregorian calendar (years 1 to 9999).
bool DataEsistente(std::string_view data);

// ---- Amount ---------------------------------------------------------------------------

// The amount field's text once the field is left: "0,00" for an empty or unreadable text;
// otherwise the value rounded to four decimals in its shortest form, with ",00" added when
// it has no decimals and "0" when it has one ("5" → "5,00", "12,5" → "12,50",
// "3,14159" → "3,1416", "0,125" → "0,125").
std::string NormalizzaImporto(std::string_view testo);

// ---- Salva ----------------------------------------------------------------------------

// In the order they are tested; the first failure is the one reported.
inline constexpr std::array<CampoObbligatorio<TSchedaScadenza>, 10> CampiObbligatori = {{
    {&TSchedaScadenza::Giorno, 1,
     "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza."},
    {&TSchedaScadenza::Giorno, 2,
     "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza "
     "usando due cifre."},
    {&TSchedaScadenza::Mese, 1,
     "Attenzione: per salvare la scheda è necessario indicare il mese della scadenza."},
    {&TSchedaScadenza::OreApp, 1,
     "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento."},
    {&TSchedaScadenza::MinutiApp, 1,
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
     "dell'appuntamento."},
    {&TSchedaScadenza::OreApp, 2,
     "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento "
     "usando due cifre."},
    {&TSchedaScadenza::MinutiApp, 2,
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
     "dell'appuntamento usando due cifre."},
    {&TSchedaScadenza::Avviso, 1,
     "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."},
    {&TSchedaScadenza::Dettagli, 1,
     "Attenzione: per salvare la scheda è necessario indicare la causale della scadenza o "
     "appuntamento."},
    {&TSchedaScadenza::Pagatore, 1, messaggi::NomeContattoMancante},
}};

inline constexpr std::string_view MeseNonValido =
    "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
    "Per poter salvare la scheda è necessario indicare una data valida.";
// "Attenzione: la data dd/mm/yyyy non esiste." and why the save stops.
std::string DataInesistente(std::string_view data);

inline constexpr std::string_view SchedaSalvata = "La scheda corrente è stata salvata in archivio.";

struct EsitoSalvataggio {
    std::string Costo;                // "0,00" when the card had no amount
    std::optional<std::string> Ora;   // made once the required fields are all there
    std::optional<std::string> Data;  // made once the month is known
    std::optional<Rifiuto> rifiuto;   // none: the card may be stored
    TSchedaScadenza scheda;           // the card as far as the checks went: Costo, Ora, Data
};

// The checks of Salva on the card as it stands: the amount default, the required fields in
// their order, the month, the date. The card shows Costo, Ora and Data as the checks left
// them whatever the outcome, since a refused save may already have made them.
EsitoSalvataggio PreparaSalvataggio(TSchedaScadenza carta);

// ---- Printed card ---------------------------------------------------------------------

inline constexpr std::string_view TitoloStampa = "SCHEDA SCADENZA O APPUNTAMENTO";

// The 24 caption/value rows of the printed card, from the controls as they stand (the
// card read into a TSchedaScadenza with `Anno` from lblAnno); values trimmed, unused rows
// one blank each.
std::array<RigaStampa, 24> RigheStampa(const TSchedaScadenza& carta, bool daConfermare,
                                       bool effettuata);

// ---- The card -------------------------------------------------------------------------

// A new card: no date, the time at 00:00, no amount, neither box ticked.
TSchedaScadenza SchedaNuova();
// The card's treatment of its record: Nuovo leaves the year and the date and time made by
// the last save; a copy gets a new date and time; appended cards are "salvata".
const RegoleScheda<TSchedaScadenza>& Regole();

}  // namespace scadenza
