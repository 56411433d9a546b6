#pragma once
// The access password: the scrambling routine and the password file "unins000.dll", a plain
// INI text file whose section "Accesso" holds the scrambled password as key "Valore".
//
// Texts are UTF-8 std::string. The routine works on bytes: each character of a password
// gives its code when below 256 and its Windows-1252 byte beyond ("€" 0x80), and an
// unscrambled byte comes back as the character of the same code (Latin-1 style), so texts
// whose codes are below 256 round-trip. A character Windows-1252 has no form for ("ł", an
// emoji) is refused: cut to a byte it would be typed by another character too.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace password {

// Any failure to read, unscramble or write the stored password.
class ErrorePassword : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A scrambled text that is not an even number of hexadecimal digits.
class ErroreValoreNonEsadecimale : public ErrorePassword {
public:
    using ErrorePassword::ErrorePassword;
};

// A password holding a character Windows-1252 has no form for.
class ErroreCaratteriNonAmmessi : public ErrorePassword {
public:
    using ErrorePassword::ErrorePassword;
};

inline constexpr const char* NomeFile = "unins000.dll";
inline constexpr const char* Sezione = "Accesso";
inline constexpr const char* Chiave = "Valore";
inline constexpr const char* PrimoAccesso = "benvenutoadmin";
// A password file is a few lines; anything larger is refused as unreadable, unread.
inline constexpr std::size_t DimensioneMassima = 64 * 1024;

// The fixed 16-bit constants of the routine: initial key, multiplier, increment.
inline constexpr std::uint16_t K0 = 0x7C15;
inline constexpr std::uint16_t M = 0x6D2B;
inline constexpr std::uint16_t A = 0x3A95;

// Scrambles: two upper-case hexadecimal digits per character, at most 255 characters
// (the count of characters is taken modulo 256). Throws ErroreCaratteriNonAmmessi.
std::string Cifra(std::string_view testo);

// Unscrambles hexadecimal text (upper or lower case); the count of digit pairs is taken
// modulo 256. Throws ErroreValoreNonEsadecimale on a non-hexadecimal character or an odd
// number of digits.
std::string Decifra(std::string_view esadecimale);

// What is stored and compared: trimmed (characters of code 32 or below) with a–z in capitals.
std::string FormaConfronto(std::string_view testo);

// The file in the program folder.
std::filesystem::path Percorso(const std::filesystem::path& cartella);

// The stored password, unscrambled and trimmed; empty when the file, the section or the key
// is missing. Throws ErrorePassword when the file cannot be read, is larger than
// DimensioneMassima, or the value is not hexadecimal.
std::string LeggiPassword(const std::filesystem::path& file);

// Stores the trimmed, capitalised password as "Valore" of "[Accesso]", creating the file
// or the section when missing and keeping every other line of the file as it was. The new
// content goes to a temporary file beside it that then replaces the old one with the old
// one's permissions, so a failure leaves the old file whole. Throws ErrorePassword on any
// failure, and also for a password that could not be typed back: empty, longer than 255
// characters, or holding a character without a Windows-1252 form (ErroreCaratteriNonAmmessi).
void ScriviPassword(const std::filesystem::path& file, std::string_view nuova);

// True when the typed text matches the stored password. Never true while the stored
// password is empty (missing file), nor for a text that could not have been stored. Throws ErrorePassword as LeggiPassword does.
bool VerificaPassword(const std::filesystem::path& file, std::string_view digitata);

// New password and its confirmation, both trimmed, compared exactly (case counts here).
bool NuovaConfermata(std::string_view nuova, std::string_view conferma);

enum class EsitoCambio { Completato, VecchiaErrata, CaratteriNonAmmessi, NonConfermata };

// The whole change in one call: checks the old password, then that the new one holds only
// characters Windows-1252 has, then the confirmation, then writes the new password. Throws ErrorePassword when the file cannot be read or written.
EsitoCambio CambiaPassword(const std::filesystem::path& file, std::string_view vecchia,
                           std::string_view nuova, std::string_view conferma);

}  // namespace password
