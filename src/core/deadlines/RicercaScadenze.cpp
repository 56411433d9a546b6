#include "core/deadlines/RicercaScadenze.h"

#include "core/app/Scheda.h"

namespace scadenza {

bool InAttesaDiConferma(const TSchedaScadenza& s) { return flag::Leggi(s.DaConfermare) == 1; }

bool NonAssolto(const TSchedaScadenza& s) { return flag::Leggi(s.Effettuata) == 0; }

bool ScadutoNonAssolto(const TSchedaScadenza& s, const Data& oggi) {
    if (!NonAssolto(s)) return false;
    const std::optional<Data> data = DataDaTesto(s.Data);
    return data && *data <= oggi;
}

bool Elencato(StatoImpegni stato, const TSchedaScadenza& s, const Data& oggi) {
    switch (stato) {
        case StatoImpegni::DaConfermare:
            return InAttesaDiConferma(s);
        case StatoImpegni::NonAssolti:
            return NonAssolto(s);
        case StatoImpegni::Scaduti:
            return ScadutoNonAssolto(s, oggi);
    }
    return false;
}

}  // namespace scadenza
