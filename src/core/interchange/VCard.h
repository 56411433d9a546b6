#pragma once
// Contacts as vCard, the form phones, Thunderbird and Evolution exchange them in.
//
// The file we write is vCard 4.0; a file we read may hold 4.0, 3.0 or 2.1 cards (the
// phones' exports). A card maps onto one contact: FN (or N) the name, BDAY the birth date,
// the first ADR the address, town, province and postcode, TEL by its TYPE the home, office,
// mobile and fax numbers, EMAIL, NOTE, TITLE or ORG the occupation. What has no field of
// its own is kept in the notes as "NAME: value" rather than dropped. Fields of ours with
// no vCard property travel as X-RICORDARIO-<field>, so our own file reads back whole.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/contacts/TSchedaContatto.h"

namespace vcard {

inline constexpr const char* NomeFile = "Contatti.vcf";

// The export command's texts: the spreadsheet export's two questions and failure message,
// worded for the vCard file.
inline constexpr const char* DomandaEsporta =
    "L'esportazione dei contatti in formato vCard può richiedere diversi minuti a seconda del "
    "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
inline constexpr const char* DomandaApri =
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
    "dei contatti?";
inline constexpr const char* EsportazioneFallita =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file dei contatti non sia già aperto.";

// One contact as a vCard 4.0 (lines folded at 75 octets, CRLF), appended to `out`.
void AccodaScheda(std::string& out, const TSchedaContatto& s);

// Every contact of the archive `archivio` (read only; a missing archive is no contact) as
// the file `vcf`, written whole through a temporary file. Returns how many cards it holds.
// Throws ErroreAccessoArchivio when the archive cannot be read or the file written.
std::size_t EsportaContatti(const std::filesystem::path& archivio, const std::filesystem::path& vcf);

// The cards of a vCard text, each as the contact it becomes.
struct Lettura {
    std::vector<TSchedaContatto> schede;
    std::size_t illeggibili = 0;  // cards without a name, unterminated, or not UTF-8 text
};
Lettura Leggi(std::string_view testo);
// The same, card by card: each contact is handed over as its card ends (the callee may
// take it). Returns how many cards were unreadable.
std::size_t LeggiSchede(std::string_view testo, const std::function<void(TSchedaContatto&)>& scheda);

struct EsitoImportazione {
    std::size_t aggiunte = 0;
    std::size_t saltate = 0;      // already in the archive: same name and first phone or e-mail
    std::size_t illeggibili = 0;
    std::size_t rifiutate = 0;    // holding text the archive cannot hold (no Windows-1252 form)
};

// Appends the contacts of the vCard text to the archive `archivio`, creating it when
// missing. Throws ErroreAccessoArchivio when the archive cannot be opened or written.
EsitoImportazione ImportaContatti(std::string_view testo, const std::filesystem::path& archivio);
// The same, reading the file `vcf` first (ErroreAccessoArchivio when it cannot be read).
EsitoImportazione ImportaFile(const std::filesystem::path& vcf, const std::filesystem::path& archivio);

// The import's closing message: "Importazione completata: N contatti aggiunti, ...".
std::string Riepilogo(const EsitoImportazione& esito);

}  // namespace vcard
