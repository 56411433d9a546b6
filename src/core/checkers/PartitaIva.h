#pragma once
// The partita IVA check digit, and the VAT office named by digits 8 to 10.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/checkers/EsitoControllo.h"

namespace controlli {

namespace testi {
inline constexpr const char* PartitaIvaLunghezza =
    "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
inline constexpr const char* PartitaIvaErrata =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
    "rilasciato.";
// The valid message: this, then PartitaIvaUfficio, the office name and a full stop.
inline constexpr const char* PartitaIvaValida =
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n";
inline constexpr const char* PartitaIvaUfficio =
    "E' stato rilasciato dall'Ufficio IVA del Comune di ";
}  // namespace testi

inline constexpr std::size_t LunghezzaPartitaIva = 11;

struct UfficioIva {
    std::string_view codice;  // digits 8 to 10 of the number
    std::string_view nome;
};
extern const std::array<UfficioIva, 104> UfficiIva;

// The check digit of the first 10 digits; nothing unless they are exactly 10 digits.
std::optional<int> CifraControlloPartitaIva(std::string_view primi10);

// True for 11 digits whose last one is the check digit.
bool PartitaIvaValida(std::string_view numero);

// The office of a three-digit code; nothing when the code is not in the table.
std::optional<std::string_view> NomeUfficioIva(std::string_view codice);

// "Controlla" on the field's text as it stands (not trimmed). A valid number whose office
// is not known is still VALIDO, and the message says the office cannot be named.
EsitoControllo ControllaPartitaIva(std::string_view campo);

}  // namespace controlli
