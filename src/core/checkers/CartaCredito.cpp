#include "core/checkers/CartaCredito.h"

#include "core/text/Testo.h"

namespace controlli {

std::string CifreCarta(std::string_view numero) {
    // PadTaglia counts characters, not bytes; the padding blanks are skipped below.
    const std::string letti = testo::PadTaglia(numero, CaratteriCartaLetti);
    std::string cifre;
    for (char c : letti)
        if (c >= '0' && c <= '9') cifre.push_back(c);
    return cifre;
}

int CodiceTipoCarta(std::string_view numero) {
    const std::string cifre = CifreCarta(numero);
    if (cifre.empty()) return 0;
    const std::size_t n = cifre.size();
    // From the digit left of the check digit towards the first, every second digit is
    // doubled, starting with that one.
    int somma = 0;
    for (std::size_t k = 1; k < n; ++k) {
        int cifra = cifre[n - 1 - k] - '0';
        if (k % 2 == 1) {
            cifra *= 2;
            if (cifra > 9) cifra -= 9;
        }
        somma += cifra;
    }
    const int attesa = (10 - somma % 10) % 10;
    if (cifre[n - 1] - '0' != attesa) return 0;
    return cifre[0] - '0' - 2;
}

std::optional<std::string_view> TipoCarta(int codice, std::string_view numero) {
    switch (codice) {
        case 1: {
            // A first digit 3 is told apart by the first two characters of the trimmed number.
            const std::string prefisso = testo::Rifila(numero).substr(0, 2);
            if (prefisso == "30" || prefisso == "36" || prefisso == "38")
                return "Diner's Club / Carte Blanche";
            if (prefisso == "34" || prefisso == "37") return "American Express";
            if (prefisso == "31" || prefisso == "33" || prefisso == "35") return "JCB";
            return std::nullopt;
        }
        case 2:
            return "Visa";
        case 3:
            return "MasterCard";
        case 4:
            return "Discover";
        default:
            return std::nullopt;
    }
}

EsitoControllo ControllaCartaCredito(std::string_view campo) {
    // Blanks around the number are not part of it; the message repeats it without them.
    const std::string numero = testo::Rifila(campo);
    if (numero.empty()) return EsitoIncompleto(testi::CartaVuota);
    const int codice = CodiceTipoCarta(numero);
    if (codice < 1 || codice > 4) return EsitoErrato(testi::CartaErrata);

    std::string messaggio = testi::CartaNumero + numero + testi::CartaValida;
    const auto tipo = TipoCarta(codice, numero);
    if (tipo) {
        messaggio += testi::CartaTipo + std::string(*tipo) + ".";
    } else {
        // Passes the check, but its first digits (32, 39, ...) name no kind: say so
        // instead of closing without a word.
        messaggio += "Il tipo di carta di credito non è riconosciuto.";
    }
    return EsitoValido(messaggio, tipo ? std::string(*tipo) : std::string());
}

}  // namespace controlli
