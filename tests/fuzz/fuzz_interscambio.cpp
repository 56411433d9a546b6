// The files other programs give us: whatever bytes a .vcf or an .ics holds, reading it never
// crashes, every contact it gives has a name, every event a real date whose parts agree,
// and a contact written back as a card reads back with the same name.
#include <ctime>

#include "Verifica.h"
#include "core/export/Calendario.h"
#include "core/interchange/RigheContenuto.h"
#include "core/interchange/VCard.h"
#include "core/text/DataOra.h"
#include "core/text/Testo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n > 8192) return 0;
    const std::string_view s = Testo(dati, n);

    const vcard::Lettura contatti = vcard::Leggi(s);
    for (const TSchedaContatto& c : contatti.schede) {
        VERIFICA(!testo::RifilaVista(c.Cliente).empty());
        std::string carta;
        vcard::AccodaScheda(carta, c);
        // A quoted-printable value may decode to bytes that are no UTF-8: such a card is
        // written as it is and then refused when read again.
        if (!interscambio::Utf8Valido(carta)) continue;
        const vcard::Lettura riletta = vcard::Leggi(carta);
        VERIFICA(riletta.schede.size() == 1 && riletta.illeggibili == 0);
        // Line breaks inside the name are written as one kind; anything else comes back.
        const auto A_capo = [](std::string t) {
            std::string r;
            for (std::size_t i = 0; i < t.size(); ++i) {
                if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
                r += t[i] == '\r' ? '\n' : t[i];
            }
            return r;
        };
        VERIFICA(testo::RifilaVista(A_capo(riletta.schede[0].Cliente)) ==
                 testo::RifilaVista(A_capo(c.Cliente)));
    }

    // 1 January 2024: repeats are bounded from there.
    const calendario::LetturaCalendario eventi = calendario::LeggiCalendario(s, 1704067200);
    VERIFICA(eventi.calendario || eventi.schede.empty());
    for (const TSchedaScadenza& e : eventi.schede) {
        const auto d = DataDaTesto(e.Data);
        VERIFICA(d && DataValida(*d));
        VERIFICA(e.Data.substr(0, 2) == e.Giorno && e.Data.substr(6) == e.Anno);
        VERIFICA(e.Ora.empty() == e.OreApp.empty());
    }
    return 0;
}
