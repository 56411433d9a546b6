#pragma once
// The total of a list of amounts, exact to the last decimal. Amounts are added as decimal
// numbers, never as binary fractions, so that 0,1 + 0,2 is 0,3 and the cent a sum ends on
// is the cent it really is; the total is then rounded to cents, halves away from zero.
#include <cstdint>
#include <string>
#include <string_view>

class SommaImporti {
public:
    // Adds an amount written with the decimal comma, as ImportoDaTesto reads it (trimmed,
    // an optional sign, digits, at most one comma). False, and nothing added, for a text
    // that is not such a number, or has more than 18 digits on either side of the comma
    // (no amount field holds that many), or would carry the total out of range.
    bool Aggiungi(std::string_view testo);

    // The total rounded to cents, halves away from zero: "12,75", "-5,50", "0,00". No
    // thousands separator; a total that rounds to nothing has no sign.
    std::string Centesimi() const;

private:
    // The total is intero + frazione / kScala, with 0 <= frazione < kScala (so -5,5 is
    // -6 + 0,5): adding is two integer sums and a carry.
    static constexpr std::int64_t kScala = 1'000'000'000'000'000'000;  // 10^18
    std::int64_t intero_ = 0;
    std::int64_t frazione_ = 0;
};
