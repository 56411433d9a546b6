#pragma once
// The attachments of the contacts: copies of the attached files in one flat folder,
// "Documenti_Allegati" in the program folder, each known by its bare name. A name is only
// ever used inside that folder: one that could point elsewhere is refused.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace allegati {

inline constexpr const char* NomeCartella = "Documenti_Allegati";
// Capacity of the record fields File01 to File03.
inline constexpr std::size_t CapacitaNome = 250;

namespace testi {
inline constexpr const char* Sovrascrivere =
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?";
inline constexpr const char* CopiaFallita =
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti "
    "allegati.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.";
inline constexpr const char* NomeNonAllegabile =
    "Attenzione: il file scelto non può essere allegato con questo nome.\n\r\n\r"
    "Il nome non deve contenere \"..\", barre, due punti o caratteri che la scheda non può "
    "conservare, né superare i 250 caratteri: rinominare il file e riprovare.";
inline constexpr const char* NomeNonValido =
    "Attenzione: il nome del file allegato non è valido e il file non può essere aperto.";
}  // namespace testi

class ErroreAllegato : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True for a bare file name that can only stand inside the attachments folder: not
// empty, no "/", "\" or ":" (a drive on Windows), no "..", no NUL.
bool NomeSicuro(std::string_view nome);

// True when the name comes back unchanged from the record field: it has a Windows-1252
// form, fits the capacity and has no blanks at its ends. A name that does not would point
// at another file once the card is saved and read again.
bool NomeConservabile(std::string_view nome);

// The attachments folder inside the program folder.
std::filesystem::path Cartella(const std::filesystem::path& programma);

// The full path of the attached file named `nome` (trimmed); nothing when the name is
// empty or not safe.
std::optional<std::filesystem::path> Percorso(const std::filesystem::path& programma,
                                              std::string_view nome);

// Creates the attachments folder, with any missing parent, when it is not there.
// Throws ErroreAllegato when it cannot.
void PreparaCartella(const std::filesystem::path& programma);

enum class StatoCopia {
    Nuova,        // no file of that name in the folder
    Sovrascrive,  // another file of that name is there
    GiaPresente,  // the chosen file is that very file: nothing to copy
};
StatoCopia Stato(const std::filesystem::path& origine, const std::filesystem::path& destinazione);

// Copies `origine` to `destinazione` through a temporary file of its own beside it (never
// a fixed name, where a link could stand), replacing whatever is at the destination only
// once the whole copy is on the disk, so a failed copy leaves the earlier file as it was.
// A link at the destination is replaced, not followed. Throws ErroreAllegato.
void Copia(const std::filesystem::path& origine, const std::filesystem::path& destinazione);

}  // namespace allegati
