#include "core/contacts/Navigazione.h"

#include <algorithm>

namespace {

EsitoNavigazione Mostra(std::int64_t n) { return {EsitoNavigazione::Azione::Mostra, n, false}; }
constexpr EsitoNavigazione Niente{};

}  // namespace

EsitoNavigazione Naviga(Freccia freccia, std::int64_t numeroSchede,
                        std::optional<std::int64_t> attuale) {
    using A = EsitoNavigazione::Azione;
    const std::int64_t c = numeroSchede;
    if (c <= 0) {
        // Going back from the first record says nothing, even when the archive is empty.
        if (freccia == Freccia::Indietro && attuale == 1) return Niente;
        return {A::ArchivioVuoto, 0, freccia == Freccia::Avanti};
    }
    switch (freccia) {
        case Freccia::Primo:
            return Mostra(1);
        case Freccia::Ultimo:
            return Mostra(c);
        case Freccia::Avanti:
            if (!attuale) return Mostra(1);
            return *attuale >= c ? Niente : Mostra(*attuale + 1);
        case Freccia::Indietro:
            if (!attuale) return Mostra(1);
            if (*attuale <= 1) return Niente;
            // A position past the end (the file got shorter) steps back to the last record.
            return Mostra(std::min(*attuale - 1, c));
    }
    return Niente;
}
