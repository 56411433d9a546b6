#pragma once
// Dates as text dd/mm/yyyy, times as hh:mm, amounts with a decimal comma.
#include <optional>
#include <string>
#include <string_view>

struct Data {
    int giorno = 0;
    int mese = 0;
    int anno = 0;
    auto operator<=>(const Data& altra) const {
        if (auto c = anno <=> altra.anno; c != 0) return c;
        if (auto c = mese <=> altra.mese; c != 0) return c;
        return giorno <=> altra.giorno;
    }
    bool operator==(const Data&) const = default;
};

bool Bisestile(int anno);
int GiorniNelMese(int mese, int anno);
// True for a date of the Gregorian calendar (years 1 to 9999).
bool DataValida(const Data& d);
// "dd/mm/yyyy".
std::string TestoData(const Data& d);
// Reads "d/m/yyyy" with one or two digits for day and month and four for the year;
// nothing for text that is not a valid date.
std::optional<Data> DataDaTesto(std::string_view testo);
// Days since 1 January of year 1 (for differences between dates).
long NumeroGiorno(const Data& d);
Data DataDaNumero(long n);

// "hh:mm" (or "hh:mm:ss" when secondi >= 0).
std::string TestoOra(int ore, int minuti, int secondi = -1);

struct OraMinuti {
    int ore = 0;
    int minuti = 0;
    auto operator<=>(const OraMinuti&) const = default;
};
// Reads "h:mm" or "hh:mm" (00:00 to 23:59); nothing for any other text.
std::optional<OraMinuti> OraDaTesto(std::string_view testo);

// Amounts: the decimal separator is the comma. A text with anything but digits and at
// most one comma (blanks around it allowed) does not convert, nor does one too large for
// its text to be read back (over 1.79769313486231e308, that is 309 digits).
std::optional<double> ImportoDaTesto(std::string_view testo);
// Whether a text is written as an amount: digits with at most one comma, a sign in front at
// most, blanks around; every such text converts unless it is too large.
bool ScrittoComeImporto(std::string_view testo);
// Rounds to `decimali` decimals, halves away from zero: whole(|v| × 10^d + 0.5) / 10^d with
// v's sign, so that an amount below zero rounds like its opposite. Values too large to
// have such decimals come back unchanged.
double ArrotondaImporto(double valore, int decimali);
// Shortest form with at most 15 significant digits and a comma, in plain digits whatever
// the magnitude: 12.5 → "12,5", 1e20 → "100000000000000000000"; the text reads back as
// the same amount. Throws std::domain_error for infinity, NaN, and values beyond
// 1.79769313486231e308, whose text would not read back.
std::string TestoImporto(double valore);
