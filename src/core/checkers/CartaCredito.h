#pragma once
// The credit card check: Luhn on the digits of the number, and the kind of card named by
// its first digits.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/checkers/EsitoControllo.h"

namespace controlli {

namespace testi {
inline constexpr const char* CartaVuota =
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.";
inline constexpr const char* CartaErrata =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.";
// The valid message: CartaNumero + the number + CartaValida + CartaTipo + the kind + ".".
inline constexpr const char* CartaNumero = "Il numero di carta di credito ";
inline constexpr const char* CartaValida = " risulta valido.\r\n\r\n";
inline constexpr const char* CartaTipo = "La carta di credito è del tipo ";
}  // namespace testi

// Only the first 20 characters of the number are read.
inline constexpr std::size_t CaratteriCartaLetti = 20;

// The digits among the first 20 characters, in order.
std::string CifreCarta(std::string_view numero);

// Luhn check with kind code: 0 when the check digit does not fit (or there is no digit),
// otherwise the first digit minus 2, so 1 to 4 for 3 to 6 and anything else for the other
// first digits. The number of digits is not judged.
int CodiceTipoCarta(std::string_view numero);

// The kind of a number that passed with `codice` (its first digits taken from the
// trimmed number); nothing when the first digits name no kind.
std::optional<std::string_view> TipoCarta(int codice, std::string_view numero);

// "Controlla" on the field's text. A valid number whose kind is not known is still
// reported valid, and the message says the kind is not recognised.
EsitoControllo ControllaCartaCredito(std::string_view campo);

}  // namespace controlli
