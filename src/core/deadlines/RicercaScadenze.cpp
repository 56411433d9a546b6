#include "core/deadlines/RicercaScadenze.h"

#include "core/records/Scheda.h"

namespace scadenza {
namespace {

using S = TSchedaScadenza;

int Flag(const VistaScadenza& s, std::string S::*campo) { return flag::LeggiArchivio(s.Byte(campo)); }

}  // namespace

bool InAttesaDiConferma(const VistaScadenza& s) { return Flag(s, &S::DaConfermare) == 1; }

bool NonAssolto(const VistaScadenza& s) { return Flag(s, &S::Effettuata) == 0; }

bool ScadutoNonAssolto(const VistaScadenza& s, const Data& oggi) {
    if (!NonAssolto(s)) return false;
    // A date is plain ASCII wherever it means anything: read as stored.
    const std::optional<Data> data = DataDaTesto(s.Byte(&S::Data));
    return data && *data <= oggi;
}

bool Elencato(StatoImpegni stato, const VistaScadenza& s, const Data& oggi) {
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
