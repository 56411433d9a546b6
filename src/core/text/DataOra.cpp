#include "core/text/DataOra.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "core/text/Testo.h"

bool Bisestile(int anno) { return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0; }

int GiorniNelMese(int mese, int anno) {
    static constexpr int kGiorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mese < 1 || mese > 12) return 0;
    return mese == 2 && Bisestile(anno) ? 29 : kGiorni[mese - 1];
}

bool DataValida(const Data& d) {
    return d.anno >= 1 && d.anno <= 9999 && d.mese >= 1 && d.mese <= 12 && d.giorno >= 1 &&
           d.giorno <= GiorniNelMese(d.mese, d.anno);
}

std::string TestoData(const Data& d) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.giorno, d.mese, d.anno);
    return buf;
}

namespace {
// The largest amount whose text (15 significant digits) still reads as a number: above it
// the text would round past the largest double.
constexpr double kImportoMassimo = 1.79769313486231e308;

// Reads 1..maxCifre digits starting at s[i]; -1 when there are none or too many.
int LeggiNumero(std::string_view s, std::size_t& i, int minCifre, int maxCifre) {
    int n = 0, cifre = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (++cifre > maxCifre) return -1;
        n = n * 10 + (s[i++] - '0');
    }
    return cifre >= minCifre ? n : -1;
}
}  // namespace

std::optional<Data> DataDaTesto(std::string_view testo) {
    const std::string_view t = testo::RifilaVista(testo);
    Data d;
    // The form every saved date has, "gg/mm/aaaa", read at once: a scan reads thousands.
    const auto Cifra = [&t](std::size_t k) { return t[k] >= '0' && t[k] <= '9' ? t[k] - '0' : -1; };
    if (t.size() == 10 && t[2] == '/' && t[5] == '/') {
        int c[8];
        const std::size_t posti[8] = {0, 1, 3, 4, 6, 7, 8, 9};
        bool cifre = true;
        for (std::size_t k = 0; k < 8; ++k) cifre = (c[k] = Cifra(posti[k])) >= 0 && cifre;
        if (!cifre) return std::nullopt;
        d.giorno = c[0] * 10 + c[1];
        d.mese = c[2] * 10 + c[3];
        d.anno = ((c[4] * 10 + c[5]) * 10 + c[6]) * 10 + c[7];
        if (!DataValida(d)) return std::nullopt;
        return d;
    }
    std::size_t i = 0;
    d.giorno = LeggiNumero(t, i, 1, 2);
    if (d.giorno < 0 || i >= t.size() || t[i++] != '/') return std::nullopt;
    d.mese = LeggiNumero(t, i, 1, 2);
    if (d.mese < 0 || i >= t.size() || t[i++] != '/') return std::nullopt;
    d.anno = LeggiNumero(t, i, 4, 4);
    if (d.anno < 0 || i != t.size() || !DataValida(d)) return std::nullopt;
    return d;
}

long NumeroGiorno(const Data& d) {
    // Days from the civil calendar (proleptic Gregorian), shifted so that March is month 0.
    const int a = d.anno - (d.mese <= 2 ? 1 : 0);
    const int era = a / 400;
    const int ya = a - era * 400;
    const int m = d.mese + (d.mese > 2 ? -3 : 9);
    const int doy = (153 * m + 2) / 5 + d.giorno - 1;
    const int doe = ya * 365 + ya / 4 - ya / 100 + doy;
    return static_cast<long>(era) * 146097 + doe;
}

Data DataDaNumero(long n) {
    const long era = n / 146097;
    const long doe = n - era * 146097;
    const long ya = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * ya + ya / 4 - ya / 100);
    const long mp = (5 * doy + 2) / 153;
    Data d;
    d.giorno = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.mese = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.anno = static_cast<int>(ya + era * 400 + (d.mese <= 2 ? 1 : 0));
    return d;
}

std::string TestoOra(int ore, int minuti, int secondi) {
    char buf[40];
    if (secondi >= 0)
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", ore, minuti, secondi);
    else
        std::snprintf(buf, sizeof buf, "%02d:%02d", ore, minuti);
    return buf;
}

std::optional<OraMinuti> OraDaTesto(std::string_view testo) {
    const std::string_view t = testo::RifilaVista(testo);
    std::size_t i = 0;
    OraMinuti o;
    o.ore = LeggiNumero(t, i, 1, 2);
    if (o.ore < 0 || i >= t.size() || t[i++] != ':') return std::nullopt;
    o.minuti = LeggiNumero(t, i, 2, 2);
    if (o.minuti < 0 || i != t.size() || o.ore > 23 || o.minuti > 59) return std::nullopt;
    return o;
}

bool ScrittoComeImporto(std::string_view testo) {
    const std::string_view t = testo::RifilaVista(testo);
    int virgole = 0, cifre = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            ++cifre;
        } else if (c == ',') {
            if (++virgole > 1) return false;
        } else if (!((c == '-' || c == '+') && i == 0)) {
            return false;
        }
    }
    return cifre > 0;
}

std::optional<double> ImportoDaTesto(std::string_view testo) {
    if (!ScrittoComeImporto(testo)) return std::nullopt;
    const std::string_view t = testo::RifilaVista(testo);
    const bool negativo = t[0] == '-';
    std::string conPunto;
    for (char c : t)
        if (c >= '0' && c <= '9')
            conPunto.push_back(c);
        else if (c == ',')
            conPunto.push_back('.');
    // from_chars, not strtod: the reading must not follow the process locale, which the
    // window toolkit sets from the desktop (an Italian one reads "12.5" as 12).
    double valore = 0;
    const auto [fine, errore] = std::from_chars(
        conPunto.data(), conPunto.data() + conPunto.size(), valore, std::chars_format::fixed);
    if (errore == std::errc::result_out_of_range) {
        // A fraction too small for a double reads as 0; a number beyond the largest double
        // is refused.
        const std::string intera = conPunto.substr(0, conPunto.find('.'));
        if (intera.find_first_not_of('0') == std::string::npos) return 0.0;
        return std::nullopt;
    }
    if (errore != std::errc() || fine != conPunto.data() + conPunto.size()) return std::nullopt;
    if (valore > kImportoMassimo) return std::nullopt;
    return negativo ? -valore : valore;
}

double ArrotondaImporto(double valore, int decimali) {
    const double scala = std::pow(10.0, decimali);
    const double scalato = std::fabs(valore) * scala;
    // From 2^52 on a double has no fractional part left to round (this also lets
    // infinities and NaN through untouched).
    if (!(scalato < 4503599627370496.0)) return valore;
    const double arrotondato = std::trunc(scalato + 0.5) / scala;
    return valore < 0 ? -arrotondato : arrotondato;
}

std::string TestoImporto(double valore) {
    if (!(std::fabs(valore) <= kImportoMassimo)) throw std::domain_error("not an amount");
    if (valore == 0) return "0";
    // The 15 significant digits and the power of ten, then written out in plain digits:
    // exact for any magnitude, with no exponent and no buffer to outgrow.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(valore));
    std::string cifre = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int esponente = std::atoi(buf + 17);
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
    const int intere = esponente + 1;  // digits before the comma
    std::string s;
    if (intere <= 0)
        s = "0," + std::string(static_cast<std::size_t>(-intere), '0') + cifre;
    else if (static_cast<std::size_t>(intere) >= cifre.size())
        s = cifre + std::string(intere - cifre.size(), '0');
    else
        s = cifre.substr(0, intere) + "," + cifre.substr(intere);
    return valore < 0 ? "-" + s : s;
}
