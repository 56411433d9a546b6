// The text conversions: Windows-1252 both ways, the storing and showing conversions of a
// record field, trimming, case folding, padding and the list comparison.
#include "Verifica.h"
#include "core/text/Testo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view s = Testo(dati, n);

    // Every Windows-1252 byte has a form and comes back from it.
    VERIFICA(testo::InWindows1252(testo::DaWindows1252(s)) == s);
    const std::string w = testo::InWindows1252(s);
    VERIFICA(w.size() <= s.size());

    // A stored field fits its capacity, and what is shown is stored again unchanged.
    for (const std::size_t capacita : {0, 1, 2, 15, 50, 250}) {
        const std::string campo = testo::PerArchivio(s, capacita);
        VERIFICA(campo.size() <= capacita);
        const std::string mostrato = testo::DaArchivio(campo);
        VERIFICA(testo::DaArchivio(testo::PerArchivio(mostrato, capacita)) == mostrato);
    }

    const std::string r = testo::Rifila(s);
    VERIFICA(testo::Rifila(r) == r);
    VERIFICA(r.empty() || (static_cast<unsigned char>(r.front()) > 32 &&
                           static_cast<unsigned char>(r.back()) > 32));
    VERIFICA(testo::MaiuscoleAZ(s).size() == s.size());
    VERIFICA(testo::MinuscoleAZ(testo::MaiuscoleAZ(s)) == testo::MinuscoleAZ(s));

    const std::string_view a = s.substr(0, s.size() / 2), b = s.substr(s.size() / 2);
    const int ab = testo::ConfrontaSenzaMaiuscole(a, b);
    const int ba = testo::ConfrontaSenzaMaiuscole(b, a);
    VERIFICA((ab < 0) == (ba > 0) && (ab == 0) == (ba == 0));
    VERIFICA(testo::ConfrontaSenzaMaiuscole(a, testo::MaiuscoleAZ(a)) == 0);

    const std::string valido = testo::DaWindows1252(s);  // well-formed UTF-8
    for (const std::size_t larghezza : {0, 1, 7, 40})
        VERIFICA(testo::Lunghezza(testo::PadTaglia(valido, larghezza)) == larghezza);
    testo::PadTaglia(s, 10);
    testo::Lunghezza(s);
    testo::SoloCifre(s);
    return 0;
}
