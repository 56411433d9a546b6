#include "core/app/Testo.h"

#include <algorithm>
#include <array>

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

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
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

}  // namespace

char32_t ProssimoCarattere(std::string_view s, std::size_t& i) { return Decodifica(s, i); }

int CodiceWindows1252(char32_t c) { return InByte(c); }

std::string InWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int b = InByte(ProssimoCarattere(utf8, i));
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

std::string DaWindows1252(std::string_view cp1252) {
    bool ascii = true;
    for (char b : cp1252) ascii = ascii && static_cast<unsigned char>(b) < 0x80;
    if (ascii) return std::string(cp1252);
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char b : cp1252) AggiungiUtf8(out, DaByte(static_cast<unsigned char>(b)));
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
    std::string byte = InWindows1252(Rifila(utf8));
    if (byte.size() > capacita) byte.resize(capacita);
    return byte;
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
        // Characters compare by their Windows-1252 code, the code the files hold; those
        // without one come after all of them.
        auto codice = [](char32_t c) -> char32_t {
            if (c < 128) return static_cast<unsigned char>(Minuscola(static_cast<char>(c)));
            const int b = InByte(c);
            return b >= 0 ? static_cast<char32_t>(b) : c + 256;
        };
        const char32_t ca = codice(ProssimoCarattere(a, i)), cb = codice(ProssimoCarattere(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool SoloCifre(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace testo
