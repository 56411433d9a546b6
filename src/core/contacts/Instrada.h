#pragma once
// Which checker a card's button hands its field to.
#include <string>
#include <string_view>

// The identifier checkers a contact card can open.
enum class Controllo { CodFisc, PartitaIva, Carta, Iban };

struct Instradamento {
    Controllo controllo;
    std::string testo;  // the trimmed field, as the checker receives it
};

// A codice fiscale made of digits only is a company's, and companies have their partita
// IVA as codice fiscale: that goes to the partita IVA checker. Anything else, empty text
// included, goes to the codice fiscale checker.
Instradamento InstradaCodiceFiscale(std::string_view testo);
