// The calendar file: whatever the records hold, every record with a readable date is one
// event with its own id, the others are counted as left out, and the file stays whole.
#include <ctime>

#include "Verifica.h"
#include "core/text/Testo.h"
#include "core/export/Calendario.h"

namespace {

// Lines of the file that are exactly `riga` (or start with it, with `inizio`): a text field
// holding "END:VEVENT" stays inside its own line, and a folded line starts with a blank.
std::size_t Righe(const std::string& ics, std::string_view riga, bool inizio = false) {
    std::size_t n = 0;
    for (const std::string& r : Pezzi(ics, '\n')) {
        const std::string_view l =
            std::string_view(r).substr(0, r.ends_with('\r') ? r.size() - 1 : r.size());
        if (inizio ? l.starts_with(riga) : l == riga) ++n;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n > 4096) return 0;  // a few records say all; libical is slow on huge ones
    // Eight fields a record, one a line, as a record read from its file holds them.
    std::string_view s = Testo(dati, n);
    const int anno = s.empty() ? 2021 : 1990 + static_cast<unsigned char>(s[0]) % 60;
    const auto righe = Pezzi(s.substr(s.empty() ? 0 : 1), '\n');
    std::vector<TSchedaScadenza> schede;
    for (std::size_t i = 0; i + 8 <= righe.size() + 7; i += 8) {
        auto campo = [&](std::size_t k) {
            return i + k < righe.size() ? testo::DaWindows1252(righe[i + k]) : std::string();
        };
        TSchedaScadenza r;
        r.Data = campo(0);
        r.Ora = campo(1);
        r.Avviso = campo(2);
        r.Dettagli = campo(3);
        r.Complessivo = campo(4);
        r.Costo = campo(5);
        r.Note = campo(6);
        r.DaConfermare = campo(7);
        schede.push_back(std::move(r));
    }
    calendario::EsitoCalendario esito;
    const std::string ics = calendario::TestoCalendario(schede, anno, 1700000000, esito);
    VERIFICA(esito.eventi + esito.saltate == schede.size());
    VERIFICA(ics.starts_with("BEGIN:VCALENDAR\r\n"));
    VERIFICA(Righe(ics, "END:VCALENDAR") == 1);
    VERIFICA(Righe(ics, "BEGIN:VEVENT") == esito.eventi);
    VERIFICA(Righe(ics, "END:VEVENT") == esito.eventi);
    VERIFICA(Righe(ics, "UID:", true) == esito.eventi);
    return 0;
}
