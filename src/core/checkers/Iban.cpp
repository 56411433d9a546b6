#include "core/checkers/Iban.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "core/text/Testo.h"

namespace controlli {

std::optional<int> ResiduoMod97(std::string_view cifre) {
    if (cifre.empty()) return std::nullopt;
    // A piece of 9 digits always fits a 32-bit integer: the remainder (one or two digits)
    // is carried in front of the next 7 or 8 digits.
    std::string resto;
    std::size_t i = 0;
    while (i < cifre.size()) {
        const std::string pezzo = resto + std::string(cifre.substr(i, 9 - resto.size()));
        i += 9 - resto.size();
        if (!testo::SoloCifre(pezzo)) return std::nullopt;
        std::int32_t valore = 0;
        std::from_chars(pezzo.data(), pezzo.data() + pezzo.size(), valore);
        resto = std::to_string(valore % 97);
    }
    return std::stoi(resto);
}

bool IbanValido(std::string_view iban) {
    std::string compatto;
    for (char c : iban)
        if (c != ' ') compatto.push_back(c);
    compatto = testo::MaiuscoleAZ(compatto);
    if (const auto dove = compatto.find("IBAN"); dove != std::string::npos) compatto.erase(dove, 4);

    // Country code and check digits go to the end.
    const std::size_t testa = std::min<std::size_t>(4, compatto.size());
    compatto = compatto.substr(testa) + compatto.substr(0, testa);

    std::string cifre;
    for (char c : compatto) {
        if (c >= 'A' && c <= 'Z')
            cifre += std::to_string(c - 'A' + 10);
        else
            cifre.push_back(c);  // anything but a digit fails in the remainder
    }
    return ResiduoMod97(cifre) == 1;
}

EsitoControllo ControllaIban(std::string_view campo) {
    const std::string iban = testo::Rifila(campo);
    if (testo::Lunghezza(iban) != LunghezzaIban) return EsitoIncompleto(testi::IbanLunghezza);
    if (IbanValido(iban)) return EsitoValido(testi::IbanValido);
    return EsitoErrato(testi::IbanErrato);
}

}  // namespace controlli
