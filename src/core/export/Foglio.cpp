#include "core/export/Foglio.h"

#include "core/text/Testo.h"

namespace foglio {
namespace {

constexpr std::size_t kPezzo = 1 << 20;

void AccodaNumero(std::string& out, unsigned long n) {
    char cifre[24];
    int k = 0;
    do {
        cifre[k++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n);
    while (k) out.push_back(cifre[--k]);
}

}  // namespace

void AccodaTesto(std::string& out, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0x20 && b < 0x80) {
            switch (b) {
                case '&': out += "&amp;"; break;
                case '<': out += "&lt;"; break;
                case '>': out += "&gt;"; break;
                default: out.push_back(static_cast<char>(b));
            }
            ++i;
            continue;
        }
        const char32_t c = testo::ProssimoCarattere(utf8, i);
        const int codice = c < 0x20 ? -1 : testo::CodiceWindows1252(c);
        if (codice >= 0) {
            out.push_back(static_cast<char>(codice));
        } else {
            out += "&#";
            AccodaNumero(out, c);
            out.push_back(';');
        }
    }
}

void AccodaCella(std::string& out, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t blank = utf8.find("  ", i);
        if (blank == std::string_view::npos) {
            AccodaTesto(out, utf8.substr(i));
            break;
        }
        AccodaTesto(out, utf8.substr(i, blank - i));
        std::size_t fine = blank;
        while (fine < utf8.size() && utf8[fine] == ' ') ++fine;
        out += InizioBianchi;
        for (std::size_t k = blank; k < fine; ++k) out += "&#32;";
        out += FineBianchi;
        i = fine;
    }
}

void Componi(std::string_view nomeFoglio, std::span<const Intestazione> intestazioni,
             const Righe& righe, const std::function<void(std::string_view)>& scrivi) {
    std::string out;
    out.reserve(kPezzo + kPezzo / 4);
    out += PrologoPrimaDelNome;
    AccodaTesto(out, nomeFoglio);
    out += PrologoDopoIlNome;

    out += "<tr>";
    for (const Intestazione& h : intestazioni) {
        out += InizioCellaIntestazione;
        AccodaNumero(out, static_cast<unsigned long>(h.larghezza < 0 ? 0 : h.larghezza));
        out.push_back('>');
        AccodaTesto(out, h.testo);
        out += FineCella;
    }
    out += "</tr>";

    for (std::size_t r = 0; r < righe.numero; ++r) {
        out += "<tr>";
        for (std::size_t c = 0; c < intestazioni.size(); ++c) {
            out += InizioCella;
            AccodaCella(out, righe.cella(r, c));
            out += FineCella;
        }
        out += "</tr>";
        if (out.size() >= kPezzo) {
            scrivi(out);
            out.clear();
        }
    }
    out += Epilogo;
    scrivi(out);
}

std::string Componi(std::string_view nomeFoglio, std::span<const Intestazione> intestazioni,
                    const Righe& righe) {
    std::string tutto;
    Componi(nomeFoglio, intestazioni, righe, [&](std::string_view pezzo) { tutto += pezzo; });
    return tutto;
}

void Scrivi(const std::filesystem::path& file, std::string_view nomeFoglio,
            std::span<const Intestazione> intestazioni, const Righe& righe) {
    ScriviFileIntero(file, [&](FileProvvisorio& f) {
        Componi(nomeFoglio, intestazioni, righe, [&](std::string_view p) { f.Scrivi(p); });
    });
}

}  // namespace foglio
