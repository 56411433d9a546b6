#pragma once
// What every card checks before a save, free of any window: a refusal names the record
// field that needs the user's attention (the window maps it to its control).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Testo.h"

// How the window puts a refusal: MostraAvviso of kind warning, or MostraMessaggio.
enum class ModoRifiuto { Avviso, Messaggio };

struct Rifiuto {
    std::string campo;  // the record field whose control gets the focus
    std::string testo;
    ModoRifiuto modo = ModoRifiuto::Avviso;
};

// The name of a record field, from the record's field table.
template <class Scheda>
constexpr std::string_view NomeCampo(std::string Scheda::*membro) {
    for (const auto& c : Scheda::Campi)
        if (c.membro == membro) return c.nome;
    return {};
}

// A field that must be there, tested on its trimmed text: fewer than `minimo` characters
// refuses the save with `messaggio` and the focus on that field.
template <class Scheda>
struct CampoObbligatorio {
    std::string Scheda::*membro;
    std::size_t minimo;
    std::string_view messaggio;
};

// The first required field, in table order, that the card lacks.
template <class Scheda, std::size_t N>
std::optional<Rifiuto> ObbligoMancante(const Scheda& carta,
                                       const std::array<CampoObbligatorio<Scheda>, N>& campi) {
    for (const auto& c : campi)
        if (testo::Lunghezza(testo::Rifila(carta.*(c.membro))) < c.minimo)
            return Rifiuto{std::string(NomeCampo<Scheda>(c.membro)), std::string(c.messaggio),
                           ModoRifiuto::Avviso};
    return std::nullopt;
}

// How a card treats its record beyond the fields themselves: the values of a new card, the
// fields Nuovo leaves as they are, what Duplica empties with the position (before it
// reaches the archive) and what it starts afresh (after), the checks of Salva and the
// message of an append. Each card declares its own next to its rules.
template <class Scheda>
struct RegoleScheda {
    using Membri = std::vector<std::string Scheda::*>;
    Scheda nuova;
    Membri conservati;
    Membri soloDelRecord;
    Membri rifattiInCopia;
    // The checks of Salva on the card read from the controls; they may complete the card
    // (the window shows what they changed, refused or not).
    std::optional<Rifiuto> (*controlla)(Scheda& carta);
    std::string_view accodata;
};
