#pragma once
// What a checker window does after "Controlla": which outcome, which message in which box,
// and whether the window then closes. The windows show exactly this and decide nothing.
#include <string>
#include <utility>

namespace controlli {

// The box that carries the message: MostraAvviso of one of its three kinds, or the plain
// MostraMessaggio.
enum class Riquadro { AvvisoInformazione, AvvisoAvvertimento, AvvisoErrore, Messaggio };

enum class Esito {
    Incompleto,  // wrong length or empty field: nothing was checked
    Valido,
    Errato,
};

struct EsitoControllo {
    Esito esito = Esito::Incompleto;
    Riquadro riquadro = Riquadro::AvvisoAvvertimento;
    std::string testo;
    // The office that issued a partita IVA or the kind of a credit card; empty when the
    // number is valid but neither is known, and for the other checkers.
    std::string dettaglio;

    // After a wrong length or an empty field the window stays open and the focus goes back
    // to the field; every other outcome closes the window once the message is answered.
    bool ChiudeFinestra() const { return esito != Esito::Incompleto; }
};

// Every checker shows a valid number in an information box and everything else as a warning.
inline EsitoControllo EsitoIncompleto(std::string testo) {
    return {Esito::Incompleto, Riquadro::AvvisoAvvertimento, std::move(testo), {}};
}
inline EsitoControllo EsitoErrato(std::string testo) {
    return {Esito::Errato, Riquadro::AvvisoAvvertimento, std::move(testo), {}};
}
inline EsitoControllo EsitoValido(std::string testo, std::string dettaglio = {}) {
    return {Esito::Valido, Riquadro::AvvisoInformazione, std::move(testo), std::move(dettaglio)};
}

}  // namespace controlli
