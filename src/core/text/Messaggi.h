#pragma once
// Message texts shared by several windows, exactly as the users see them.
// "\n\r\n\r" is LF CR LF CR, as these texts have always had it.
#include <string>
#include <string_view>

namespace messaggi {

inline constexpr const char* AccessoArchivio =
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.";
// Another program kept the archive (a file name such as "Contatti.rub") past the wait.
inline std::string ArchivioInUso(std::string_view nome) {
    return "Attenzione: l'archivio " + std::string(nome) +
           " è in uso da un altro programma.\n\r\n\rRiprovare tra qualche istante.";
}
// A character typed or pasted into a card that the archives cannot store (none of
// Windows-1252): refused where it was typed, said in the status line.
inline constexpr const char* CarattereNonAmmesso =
    "Carattere non ammesso: l'archivio non può memorizzarlo, perciò non è stato inserito.";
// The same in a password field, said once by message.
inline constexpr const char* CarattereNonAmmessoPassword =
    "Attenzione: la password può contenere lettere (anche accentate), cifre e simboli come €, "
    "ma non caratteri come ł o le emoji, che non sarebbero memorizzati fedelmente.\n\r\n\r"
    "Il carattere non è stato inserito.";
inline constexpr const char* ArchivioVuoto = "L'archivio non contiene nessuna scheda.";
inline constexpr const char* EsportazioneFallita =
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.";
inline constexpr const char* ListaVuota =
    "Ricerca non applicabile: la lista non contiene nessuna voce.";
inline constexpr const char* DopoDuplica =
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.";
inline constexpr const char* DuplicaNonArchiviata =
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
    "inserita in archivio.";

// A year field that does not hold four characters (year selection, summary request).
inline constexpr const char* AnnoQuattroCifre =
    "Attenzione: indicare l'anno solare utilizzando quattro cifre.";

// Salva refused for want of the contact's name, in both card windows.
inline constexpr const char* NomeContattoMancante =
    "Attenzione: per salvare la scheda è necessario indicare il nome del contatto.";

// After Salva overwrote the card's record, in both card windows.
inline constexpr const char* ModificheSalvate =
    "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";

}  // namespace messaggi
