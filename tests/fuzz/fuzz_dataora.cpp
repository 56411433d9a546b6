// Dates and amounts: any text as a date or an amount, and any double written as an amount.
#include <cmath>
#include <cstring>

#include "Verifica.h"
#include "core/text/DataOra.h"
#include "core/deadlines/RegoleScadenza.h"

namespace {

// Digits, a comma and two to four decimals, with an optional minus: what a card stores.
bool ImportoNormale(const std::string& s) {
    const std::size_t virgola = s.find(',');
    if (virgola == std::string::npos) return false;
    const std::size_t inizio = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t decimali = s.size() - virgola - 1;
    if (virgola == inizio || decimali < 2 || decimali > 4) return false;
    for (std::size_t i = inizio; i < s.size(); ++i)
        if (i != virgola && (s[i] < '0' || s[i] > '9')) return false;
    return true;
}

// The amount text of a value reads back as the value to 15 significant digits, and
// writes again as the same text; a value no text stands for is refused.
void Scritto(double v) {
    std::string t;
    try {
        t = TestoImporto(v);
    } catch (const std::domain_error&) {
        VERIFICA(!(std::fabs(v) <= 1.79769313486231e308));
        return;
    }
    VERIFICA(t.find_first_not_of("-0123456789,") == std::string::npos);
    const auto letto = ImportoDaTesto(t);
    VERIFICA(letto.has_value());
    if (std::fabs(v) < 1e-300) return;  // below the normal doubles 15 digits do not hold
    VERIFICA(std::fabs(*letto - v) <= std::fabs(v) * 1e-14);
    VERIFICA(TestoImporto(*letto) == t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view s = Testo(dati, n);

    if (const auto d = DataDaTesto(s)) {
        VERIFICA(DataValida(*d));
        VERIFICA(DataDaTesto(TestoData(*d)) == d);
        VERIFICA(DataDaNumero(NumeroGiorno(*d)) == *d);
    }
    scadenza::DataEsistente(s);

    if (const auto v = ImportoDaTesto(s)) {
        Scritto(*v);
        Scritto(ArrotondaImporto(*v, 2));
        Scritto(ArrotondaImporto(*v, 4));
    }
    const std::string normale = scadenza::NormalizzaImporto(s);
    VERIFICA(ImportoNormale(normale));
    VERIFICA(scadenza::NormalizzaImporto(normale) == normale);

    if (n >= sizeof(double)) {
        double v;
        std::memcpy(&v, dati, sizeof v);
        Scritto(v);
    }
    return 0;
}
