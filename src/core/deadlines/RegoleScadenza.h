#pragma once
// The deadline card's rules, free of any window: month names and numbers, the items of the
// four drop-down lists, the date and time a card stores, the amount normalisation, the
// checks of Salva, the navigation steps, the tax-code checker choice and the printed rows.
// The window reads its controls into a TSchedaScadenza, asks here, and writes back.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Messaggi.h"
#include "core/app/Navigazione.h"
#include "core/app/RigaStampa.h"
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

// How the window puts a refusal: MostraAvviso of kind warning, or MostraMessaggio.
enum class ModoRifiuto { Avviso, Messaggio };

struct Rifiuto {
    std::string controllo;  // the control that gets the focus
    std::string testo;
    ModoRifiuto modo;
};

// A field that must be there, tested on its trimmed text: fewer than `minimo` characters
// refuses the save with `messaggio` and the focus on `controllo`.
struct CampoObbligatorio {
    std::string TSchedaScadenza::*campo;
    std::size_t minimo;
    std::string_view controllo;
    std::string_view messaggio;
};

// In the order they are tested; the first failure is the one reported.
inline constexpr std::array<CampoObbligatorio, 10> CampiObbligatori = {{
    {&TSchedaScadenza::Giorno, 1, "txtGiorno",
     "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza."},
    {&TSchedaScadenza::Giorno, 2, "txtGiorno",
     "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza "
     "usando due cifre."},
    {&TSchedaScadenza::Mese, 1, "txtMese",
     "Attenzione: per salvare la scheda è necessario indicare il mese della scadenza."},
    {&TSchedaScadenza::OreApp, 1, "txtOreApp",
     "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento."},
    {&TSchedaScadenza::MinutiApp, 1, "txtMinutiApp",
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
     "dell'appuntamento."},
    {&TSchedaScadenza::OreApp, 2, "txtOreApp",
     "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento "
     "usando due cifre."},
    {&TSchedaScadenza::MinutiApp, 2, "txtMinutiApp",
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
     "dell'appuntamento usando due cifre."},
    {&TSchedaScadenza::Avviso, 1, "txtAvviso",
     "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."},
    {&TSchedaScadenza::Dettagli, 1, "txtDettagli",
     "Attenzione: per salvare la scheda è necessario indicare la causale della scadenza o "
     "appuntamento."},
    {&TSchedaScadenza::Pagatore, 1, "txtPagatore",
     "Attenzione: per salvare la scheda è necessario indicare il nome del contatto."},
}};

inline constexpr std::string_view MeseNonValido =
    "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
    "Per poter salvare la scheda è necessario indicare una data valida.";
// "Attenzione: la data dd/mm/yyyy non esiste." and why the save stops.
std::string DataInesistente(std::string_view data);

inline constexpr std::string_view SchedaSalvata = "La scheda corrente è stata salvata in archivio.";
inline constexpr std::string_view ModificheSalvate = messaggi::ModificheSalvate;

struct EsitoSalvataggio {
    std::string Costo;                // txtCosto after the save: "0,00" when it was empty
    std::optional<std::string> Ora;   // lblOra, once the required fields are all there
    std::optional<std::string> Data;  // lblData, once the month is known
    std::optional<Rifiuto> rifiuto;   // none: the card may be stored
    TSchedaScadenza scheda;           // the record to store, with Costo, Ora and Data
};

// The checks of Salva on a card read from the controls (`Anno` from lblAnno, the two flags
// from the check boxes): the amount default, the required fields in their order, the month,
// the date. The window writes back Costo, Ora and Data whatever the outcome, since a refused
// save may already have set them.
EsitoSalvataggio PreparaSalvataggio(TSchedaScadenza carta);

// The record number held by lblPosizione, trimmed; 0 when it holds none (a new card).
std::int64_t LeggiPosizione(std::string_view lblPosizione);

// ---- Navigation -----------------------------------------------------------------------

// The card browses its year file as every card browses its archive.
using ::Naviga;
using ::Navigazione;
using ::PassoNavigazione;

// ---- Tax code check, printed card -----------------------------------------------------


inline constexpr std::string_view TitoloStampa = "SCHEDA SCADENZA O APPUNTAMENTO";

using RigaStampa = ::RigaStampa;

// The 24 caption/value rows of the printed card, from the controls as they stand (the
// card read into a TSchedaScadenza with `Anno` from lblAnno); values trimmed, unused rows
// one blank each.
std::array<RigaStampa, 24> RigheStampa(const TSchedaScadenza& carta, bool daConfermare,
                                       bool effettuata);

// ---- Record and controls --------------------------------------------------------------

// The control that edits or holds each record field, in file order: "txt" + field name,
// "lbl" + name for Anno, Data and Ora, "chk" + name for the two check boxes.
struct ControlloCampo {
    std::string_view campo;
    std::string_view controllo;
};
inline constexpr std::array<ControlloCampo, 25> ControlliScheda = {{
    {"Giorno", "txtGiorno"},
    {"Mese", "txtMese"},
    {"Anno", "lblAnno"},
    {"Data", "lblData"},
    {"OreApp", "txtOreApp"},
    {"MinutiApp", "txtMinutiApp"},
    {"Ora", "lblOra"},
    {"Avviso", "txtAvviso"},
    {"Pagatore", "txtPagatore"},
    {"CodFisc", "txtCodFisc"},
    {"NumTessera", "txtNumTessera"},
    {"Carica", "txtCarica"},
    {"TelCel", "txtTelCel"},
    {"Recapito", "txtRecapito"},
    {"Anticipi", "txtAnticipi"},
    {"Complessivo", "txtComplessivo"},
    {"Rateazione", "txtRateazione"},
    {"Beneficiario", "txtBeneficiario"},
    {"Dettagli", "txtDettagli"},
    {"Officina", "txtOfficina"},
    {"Costo", "txtCosto"},
    {"Contatto", "txtContatto"},
    {"Note", "txtNote"},
    {"DaConfermare", "chkDaConfermare"},
    {"Effettuata", "chkEffettuata"},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < ControlliScheda.size(); ++i)
            if (ControlliScheda[i].campo != TSchedaScadenza::Campi[i].nome) return false;
        return true;
    }(),
    "one control per record field, in file order");

}  // namespace scadenza
