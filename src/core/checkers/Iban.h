#pragma once
// The IBAN check digits, by the MOD 97-10 rule, on IBANs of 27 characters (the Italian
// length).
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/checkers/EsitoControllo.h"

namespace controlli {

namespace testi {
inline constexpr const char* IbanLunghezza =
    "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
inline constexpr const char* IbanValido = "L'IBAN digitato è VALIDO.";
inline constexpr const char* IbanErrato = "Attenzione: l'IBAN digitato è ERRATO!";
}  // namespace testi

inline constexpr std::size_t LunghezzaIban = 27;

// The remainder modulo 97 of a decimal number of any length, worked out in pieces of at
// most 9 digits; nothing when the text is empty or holds anything but digits.
std::optional<int> ResiduoMod97(std::string_view cifre);

// True when the IBAN, with blanks removed, case ignored and a leading word "IBAN" dropped,
// has remainder 1 once its first four characters go to the end and each letter becomes
// its value (A = 10 ... Z = 35). Any other character makes it fail. The length is not
// judged here.
bool IbanValido(std::string_view iban);

// "Controlla" on the field's text; it is trimmed, but blanks inside count in the length.
EsitoControllo ControllaIban(std::string_view campo);

}  // namespace controlli
