#include "core/archive/Navigazione.h"

#include <algorithm>

PassoNavigazione Naviga(Navigazione comando, std::int64_t corrente,
                        const std::function<std::int64_t()>& contaSchede) {
    if (comando == Navigazione::Indietro && corrente == 1) return {};

    const std::int64_t totale = contaSchede();
    if (totale <= 0) {
        PassoNavigazione vuoto{PassoNavigazione::ArchivioVuoto};
        vuoto.svuotaPosizione = comando == Navigazione::Avanti;
        return vuoto;
    }
    auto mostra = [](std::int64_t n) { return PassoNavigazione{PassoNavigazione::Mostra, n}; };
    switch (comando) {
        case Navigazione::Primo:
            return mostra(1);
        case Navigazione::Ultimo:
            return mostra(totale);
        case Navigazione::Avanti:
            if (corrente <= 0) return mostra(1);
            if (corrente >= totale) return {};
            return mostra(corrente + 1);
        case Navigazione::Indietro:
            if (corrente <= 0) return mostra(1);
            // A position past the end (the file was shortened behind the program's back)
            // steps back to the last record there is.
            return mostra(std::min(corrente - 1, totale));
    }
    return {};
}
