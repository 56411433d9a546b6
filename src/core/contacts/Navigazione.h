#pragma once
// Browsing an archive record by record from a card: what the first, previous, next and
// last arrows do, given how many records there are and which one the card shows.
#include <cstdint>
#include <optional>

enum class Freccia { Primo, Indietro, Avanti, Ultimo };

struct EsitoNavigazione {
    enum class Azione {
        Niente,         // the card stays as it is, no message
        ArchivioVuoto,  // tell the user the archive is empty
        Mostra,         // show record `posizione`
    };
    Azione azione = Azione::Niente;
    std::int64_t posizione = 0;
    bool svuotaPosizione = false;  // with ArchivioVuoto: the card's position is emptied too

    bool operator==(const EsitoNavigazione&) const = default;
};

// `attuale` is the position the card shows, none for a card never stored.
EsitoNavigazione Naviga(Freccia freccia, std::int64_t numeroSchede,
                        std::optional<std::int64_t> attuale);
