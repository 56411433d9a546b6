#include "core/text/Testo.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace testo {
namespace {

// Code points of the bytes 0x80–0x9F in Windows-1252; the five unassigned bytes keep
// their own value so that every byte round-trips.
constexpr std::array<char32_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t DaByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kAlti[b - 0x80];
    return b;
}

int InByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kAlti.size(); ++i)
        if (kAlti[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

char32_t Decodifica(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int seguono = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        seguono = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguono = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguono = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + seguono >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= seguono; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t kMinimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimo[seguono] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += seguono + 1;
    return c;
}

bool DaRifilare(char c) { return static_cast<unsigned char>(c) <= 32; }

char Minuscola(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// What a character counts for in list order: A–Z as a–z, the others their Windows-1252
// code, the code the files hold; those without one come after all of them.
char32_t CodiceOrdine(char32_t c) {
    if (c < 128) return static_cast<unsigned char>(Minuscola(static_cast<char>(c)));
    const int b = InByte(c);
    return b >= 0 ? static_cast<char32_t>(b) : c + 256;
}

// Where the first byte of 0x80 or above is, from `i` on; the size when there is none.
// Eight bytes at a time: most of any text is ASCII.
std::size_t PrimoNonAscii(std::string_view s, std::size_t i) {
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t otto;
        std::memcpy(&otto, s.data() + i, 8);
        if (otto & 0x8080808080808080ull) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

}  // namespace

char32_t ProssimoCarattere(std::string_view s, std::size_t& i) { return Decodifica(s, i); }

int CodiceWindows1252(char32_t c) { return InByte(c); }

bool StaInWindows1252(std::string_view utf8) {
    for (std::size_t i = PrimoNonAscii(utf8, 0); i < utf8.size(); i = PrimoNonAscii(utf8, i))
        if (InByte(Decodifica(utf8, i)) < 0) return false;
    return true;
}

namespace {

// The Windows-1252 bytes of `utf8` into `out`, at most `capacita` of them; how many.
std::size_t ScriviInWindows1252(char* out, std::string_view utf8, std::size_t capacita) {
    std::size_t n = 0, i = 0;
    while (i < utf8.size() && n < capacita) {
        // Runs of ASCII go in as they are.
        const std::size_t j = std::min(PrimoNonAscii(utf8, i), i + (capacita - n));
        std::memcpy(out + n, utf8.data() + i, j - i);
        n += j - i;
        i = j;
        if (i < utf8.size() && n < capacita && static_cast<unsigned char>(utf8[i]) >= 0x80) {
            const int b = InByte(Decodifica(utf8, i));
            out[n++] = b < 0 ? '?' : static_cast<char>(b);
        }
    }
    return n;
}

}  // namespace

std::string InWindows1252(std::string_view utf8) {
    std::string out(utf8.size(), '\0');
    out.resize(ScriviInWindows1252(out.data(), utf8, utf8.size()));
    return out;
}

std::size_t ScriviPerArchivio(unsigned char* out, std::string_view utf8, std::size_t capacita) {
    return ScriviInWindows1252(reinterpret_cast<char*>(out), RifilaVista(utf8), capacita);
}

std::size_t ScriviDaWindows1252(char* out, std::string_view cp1252) {
    char* p = out;
    // Runs of ASCII go in as they are.
    for (std::size_t i = 0; i < cp1252.size();) {
        std::size_t j = PrimoNonAscii(cp1252, i);
        std::memcpy(p, cp1252.data() + i, j - i);
        p += j - i;
        for (; j < cp1252.size() && static_cast<unsigned char>(cp1252[j]) >= 0x80; ++j) {
            // Every byte from 0x80 is a character below U+10000: two or three bytes.
            const char32_t c = DaByte(static_cast<unsigned char>(cp1252[j]));
            if (c < 0x800) {
                *p++ = static_cast<char>(0xC0 | (c >> 6));
            } else {
                *p++ = static_cast<char>(0xE0 | (c >> 12));
                *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            }
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        }
        i = j;
    }
    return static_cast<std::size_t>(p - out);
}

void AccodaDaWindows1252(std::string& out, std::string_view cp1252) {
    // Plain ASCII, most fields, goes in as it is.
    if (PrimoNonAscii(cp1252, 0) == cp1252.size()) {
        out.append(cp1252);
        return;
    }
    const std::size_t da = out.size();
    out.resize(da + 3 * cp1252.size());
    out.resize(da + ScriviDaWindows1252(out.data() + da, cp1252));
}

std::string DaWindows1252(std::string_view cp1252) {
    std::string out;
    AccodaDaWindows1252(out, cp1252);
    return out;
}

std::string_view RifilaVista(std::string_view s) {
    std::size_t inizio = 0, fine = s.size();
    while (inizio < fine && DaRifilare(s[inizio])) ++inizio;
    while (fine > inizio && DaRifilare(s[fine - 1])) --fine;
    return s.substr(inizio, fine - inizio);
}

std::string Rifila(std::string_view s) { return std::string(RifilaVista(s)); }

std::string PerArchivio(std::string_view utf8, std::size_t capacita) {
    const std::string_view t = RifilaVista(utf8);
    std::string byte(std::min(t.size(), capacita), '\0');
    byte.resize(ScriviInWindows1252(byte.data(), t, byte.size()));
    return byte;
}

void AccodaDaArchivio(std::string& out, std::string_view cp1252, std::size_t larghezza) {
    // In Windows-1252 every byte is one character: cutting to n characters is cutting
    // to n bytes.
    const std::string_view mostrato = RifilaVista(cp1252).substr(0, larghezza);
    const std::size_t n = mostrato.size();
    if (larghezza != std::string_view::npos && PrimoNonAscii(mostrato, 0) == n) {
        // The common case, plain ASCII in a column: the column's blanks, then the text.
        const std::size_t da = out.size();
        out.resize(da + larghezza, ' ');
        std::memcpy(out.data() + da, mostrato.data(), n);
        return;
    }
    AccodaDaWindows1252(out, mostrato);
    if (larghezza != std::string_view::npos) out.append(larghezza - n, ' ');
}

std::string DaArchivio(std::string_view cp1252) {
    // Bytes of code 32 or below are the same characters in both encodings: trim first.
    return DaWindows1252(RifilaVista(cp1252));
}

std::size_t Lunghezza(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) ProssimoCarattere(utf8, i);
    return n;
}

std::string PadTaglia(std::string_view utf8, std::size_t n) {
    std::size_t i = 0, caratteri = 0;
    while (i < utf8.size() && caratteri < n) {
        ProssimoCarattere(utf8, i);
        ++caratteri;
    }
    std::string out(utf8.substr(0, i));
    out.append(n - caratteri, ' ');
    return out;
}

std::string Caratteri(std::string_view utf8, std::size_t da, std::size_t n) {
    std::size_t i = 0, caratteri = 0;
    while (i < utf8.size() && caratteri < da) {
        ProssimoCarattere(utf8, i);
        ++caratteri;
    }
    const std::size_t inizio = i;
    for (caratteri = 0; i < utf8.size() && caratteri < n; ++caratteri) ProssimoCarattere(utf8, i);
    return std::string(utf8.substr(inizio, i - inizio));
}

std::string MinuscoleAZ(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Minuscola(c);
    return out;
}

std::string MaiuscoleAZ(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

int ConfrontaSenzaMaiuscole(std::string_view a, std::string_view b) {
    // Equal bytes are equal characters: the common beginning is skipped at once, back to
    // the start of the character in which the two texts part.
    const std::size_t corto = std::min(a.size(), b.size());
    std::size_t k = static_cast<std::size_t>(
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(corto), b.begin()).first -
        a.begin());
    const auto seguito = [](std::string_view s, std::size_t n) {
        return n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80;
    };
    while (k > 0 && (seguito(a, k) || seguito(b, k))) --k;
    std::size_t i = k, j = k;
    while (i < a.size() && j < b.size()) {
        // Most characters of a list line are plain ASCII, one byte each: compared at once.
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
        if (x < 0x80 && y < 0x80) {
            const auto ca = static_cast<unsigned char>(Minuscola(static_cast<char>(x))),
                       cb = static_cast<unsigned char>(Minuscola(static_cast<char>(y)));
            if (ca != cb) return ca < cb ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const char32_t ca = CodiceOrdine(ProssimoCarattere(a, i));
        const char32_t cb = CodiceOrdine(ProssimoCarattere(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

void AccodaChiaveOrdine(std::string& out, std::string_view utf8, std::size_t massimo) {
    // One byte per character whose code is below 255 (every character of the files but
    // "ÿ"); the rest is 255 and then the code in three bytes, high first. 255 is above
    // every one-byte code and no key of a character is the start of another's, so
    // comparing keys byte by byte compares the codes, and a shorter text comes first.
    const std::size_t n = utf8.size();
    // At most four key bytes for each byte read (a malformed byte is U+FFFD, four), and
    // once `massimo` are made, at most one character more.
    const std::size_t spazio =
        massimo >= n ? 4 * n : std::min(4 * n, massimo + 4);
    const std::size_t inizio = out.size();
    out.resize(inizio + spazio);
    char* const base = out.data() + inizio;
    char* p = base;
    const char* const s = utf8.data();
    const auto fatti = [&] { return static_cast<std::size_t>(p - base); };
    for (std::size_t i = 0; i < n && fatti() < massimo;) {
        // Eight ASCII bytes at once, the bulk of any line, with A–Z folded in place: a
        // byte gets 0x20 where adding 0x3F reaches 0x80 (from "A") and adding 0x25 does
        // not (up to "Z").
        if (i + 8 <= n && (massimo == std::string::npos || fatti() + 8 <= massimo)) {
            std::uint64_t otto;
            std::memcpy(&otto, s + i, 8);
            constexpr std::uint64_t kBitAlti = 0x8080808080808080ull;
            if (!(otto & kBitAlti)) {
                const std::uint64_t maiuscole =
                    (otto + 0x3F3F3F3F3F3F3F3Full) & ~(otto + 0x2525252525252525ull) & kBitAlti;
                otto |= maiuscole >> 2;
                std::memcpy(p, &otto, 8);
                p += 8;
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            *p++ = Minuscola(s[i++]);
            continue;
        }
        const char32_t c = CodiceOrdine(Decodifica(utf8, i));
        if (c < 0xFF) {
            *p++ = static_cast<char>(c);
        } else {
            *p++ = static_cast<char>(0xFF);
            *p++ = static_cast<char>((c >> 16) & 0xFF);
            *p++ = static_cast<char>((c >> 8) & 0xFF);
            *p++ = static_cast<char>(c & 0xFF);
        }
    }
    out.resize(inizio + fatti());
}

bool SoloCifre(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace testo
