#pragma once
// The codice fiscale check: the 16th character is a letter computed from the first 15.
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/checkers/EsitoControllo.h"

namespace controlli {

namespace testi {
inline constexpr const char* CodFiscLunghezza =
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
inline constexpr const char* CodFiscValido = "Il codice fiscale digitato è VALIDO.";
inline constexpr const char* CodFiscErrato = "Attenzione: il codice fiscale digitato è ERRATO.";
}  // namespace testi

inline constexpr std::size_t LunghezzaCodiceFiscale = 16;

// The check letter of the first 15 characters (upper case). Nothing when they are not
// exactly 15 characters from '0' to 'Z': the value tables know no others.
std::optional<char> CarattereControlloCodiceFiscale(std::string_view primi15);

// True when the code, with a–z taken as A–Z, has 16 characters from '0' to 'Z' and its
// last one is the check letter. Only the check letter is judged, so codes whose digits
// were replaced by letters (omocodia) pass when it fits.
bool CodiceFiscaleValido(std::string_view codice);

// A card's codice fiscale field holding digits only (once trimmed) is a partita IVA: the
// card opens that checker instead.
bool CodiceFiscaleNumerico(std::string_view campo);

// "Controlla" on the field's text as it stands (not trimmed).
EsitoControllo ControllaCodiceFiscale(std::string_view campo);

}  // namespace controlli
