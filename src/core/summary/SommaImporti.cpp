#include "core/summary/SommaImporti.h"

#include <limits>

#include "core/text/DataOra.h"
#include "core/text/Testo.h"

namespace {

constexpr std::size_t kCifre = 18;

bool SommaSicura(std::int64_t a, std::int64_t b, std::int64_t& risultato) {
    constexpr std::int64_t massimo = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t minimo = std::numeric_limits<std::int64_t>::min();
    if ((b > 0 && a > massimo - b) || (b < 0 && a < minimo - b)) return false;
    risultato = a + b;
    return true;
}

}  // namespace

bool SommaImporti::Aggiungi(std::string_view testo) {
    // One notion of what an amount is: the one every other reader of amounts uses (within
    // the digits allowed below, every text written so converts).
    if (!ScrittoComeImporto(testo)) return false;
    const std::string_view t = testo::RifilaVista(testo);
    std::size_t inizio = 0;
    const bool negativo = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') inizio = 1;
    const std::size_t virgola = t.find(',');
    const std::string_view interi = std::string_view(t).substr(
        inizio, (virgola == std::string::npos ? t.size() : virgola) - inizio);
    const std::string_view decimali =
        virgola == std::string::npos ? std::string_view() : std::string_view(t).substr(virgola + 1);
    if (interi.size() > kCifre || decimali.size() > kCifre) return false;

    std::int64_t intero = 0, frazione = 0;
    for (char c : interi) intero = intero * 10 + (c - '0');
    for (std::size_t k = 0; k < kCifre; ++k)
        frazione = frazione * 10 + (k < decimali.size() ? decimali[k] - '0' : 0);
    if (negativo) {
        // -(i + f) = (-i - 1) + (1 - f): the fraction stays in [0, 1).
        intero = frazione > 0 ? -intero - 1 : -intero;
        if (frazione > 0) frazione = kScala - frazione;
    }

    std::int64_t nuovaFrazione = frazione_ + frazione;  // below 2 × 10^18: no overflow
    std::int64_t riporto = 0;
    if (nuovaFrazione >= kScala) {
        nuovaFrazione -= kScala;
        riporto = 1;
    }
    std::int64_t nuovoIntero = 0;
    if (!SommaSicura(intero_, intero, nuovoIntero) ||
        !SommaSicura(nuovoIntero, riporto, nuovoIntero))
        return false;
    intero_ = nuovoIntero;
    frazione_ = nuovaFrazione;
    return true;
}

std::string SommaImporti::Centesimi() const {
    // Rounding away from zero works on the magnitude.
    const bool negativo = intero_ < 0;
    std::uint64_t interi = 0;
    std::int64_t frazione = frazione_;
    if (!negativo) {
        interi = static_cast<std::uint64_t>(intero_);
    } else if (frazione_ == 0) {
        interi = static_cast<std::uint64_t>(-(intero_ + 1)) + 1;
    } else {
        interi = static_cast<std::uint64_t>(-(intero_ + 1));
        frazione = kScala - frazione_;
    }
    constexpr std::int64_t kCentesimo = kScala / 100;
    std::uint64_t centesimi = static_cast<std::uint64_t>(frazione / kCentesimo);
    if (frazione % kCentesimo >= kCentesimo / 2) ++centesimi;
    if (centesimi == 100) {
        centesimi = 0;
        ++interi;
    }
    std::string s = negativo && (interi > 0 || centesimi > 0) ? "-" : "";
    s += std::to_string(interi);
    s += ',';
    s += static_cast<char>('0' + centesimi / 10);
    s += static_cast<char>('0' + centesimi % 10);
    return s;
}
