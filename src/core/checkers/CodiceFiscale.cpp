#include "core/checkers/CodiceFiscale.h"

#include <array>
#include <string>

#include "core/text/Testo.h"

namespace controlli {
namespace {

// Values of the characters '0' to 'Z' in odd positions (the published conversion table).
// The seven characters between '9' and 'A' count nothing.
// clang-format off
constexpr std::array<int, 'Z' - '0' + 1> kDispari = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                  // 0-9
    0, 0, 0, 0, 0, 0, 0,                                // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18,        // A-M
    20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};   // N-Z
// clang-format on

// Even positions: a digit counts its value, a letter its place in the alphabet from 0.
int ValorePari(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return 0;
}

bool DaZeroAZeta(char c) { return c >= '0' && c <= 'Z'; }

}  // namespace

std::optional<char> CarattereControlloCodiceFiscale(std::string_view primi15) {
    if (primi15.size() != LunghezzaCodiceFiscale - 1) return std::nullopt;
    int somma = 0;
    for (std::size_t i = 0; i < primi15.size(); ++i) {
        const char c = primi15[i];
        if (!DaZeroAZeta(c)) return std::nullopt;
        // Positions count from 1: index 0 is position 1, an odd one.
        somma += (i % 2 == 0) ? kDispari[c - '0'] : ValorePari(c);
    }
    return static_cast<char>('A' + somma % 26);
}

bool CodiceFiscaleValido(std::string_view codice) {
    const std::string maiuscolo = testo::MaiuscoleAZ(codice);
    // Counted in bytes: any character beyond ASCII makes it fail here, as it should.
    if (maiuscolo.size() != LunghezzaCodiceFiscale) return false;
    const auto atteso = CarattereControlloCodiceFiscale(std::string_view(maiuscolo).substr(0, 15));
    return atteso && maiuscolo[15] == *atteso;
}

bool CodiceFiscaleNumerico(std::string_view campo) {
    return testo::SoloCifre(testo::Rifila(campo));
}

EsitoControllo ControllaCodiceFiscale(std::string_view campo) {
    if (testo::Lunghezza(campo) != LunghezzaCodiceFiscale)
        return EsitoIncompleto(testi::CodFiscLunghezza);
    if (CodiceFiscaleValido(campo)) return EsitoValido(testi::CodFiscValido);
    return EsitoErrato(testi::CodFiscErrato);
}

}  // namespace controlli
