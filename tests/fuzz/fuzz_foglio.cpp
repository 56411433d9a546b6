// The spreadsheet cells: whatever a cell holds, the file shows exactly those characters
// and nothing in it can end the cell or open markup.
#include <vector>

#include "Verifica.h"
#include "core/text/Testo.h"
#include "core/export/Foglio.h"

namespace {

std::vector<char32_t> Caratteri(std::string_view utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) out.push_back(testo::ProssimoCarattere(utf8, i));
    return out;
}

// Reads the cell back: the three entities, numeric references, Windows-1252 bytes.
std::vector<char32_t> Rilegge(std::string_view cella) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < cella.size();) {
        if (cella[i] == '&') {
            const std::size_t fine = cella.find(';', i);
            VERIFICA(fine != std::string_view::npos);
            const std::string_view entita = cella.substr(i + 1, fine - i - 1);
            if (entita == "amp") {
                out.push_back('&');
            } else if (entita == "lt") {
                out.push_back('<');
            } else if (entita == "gt") {
                out.push_back('>');
            } else {
                VERIFICA(entita.size() > 1 && entita[0] == '#' &&
                         testo::SoloCifre(entita.substr(1)));
                char32_t c = 0;
                for (char d : entita.substr(1)) c = c * 10 + static_cast<char32_t>(d - '0');
                out.push_back(c);
            }
            i = fine + 1;
            continue;
        }
        const auto b = static_cast<unsigned char>(cella[i++]);
        VERIFICA(b >= 0x20 && b != '<' && b != '>');
        const std::string utf8 = testo::DaWindows1252(std::string_view(cella).substr(i - 1, 1));
        std::size_t k = 0;
        out.push_back(testo::ProssimoCarattere(utf8, k));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view s = Testo(dati, n);
    std::string cella;
    foglio::AccodaTesto(cella, s);
    VERIFICA(Rilegge(cella) == Caratteri(s));

    // A whole file of such cells keeps its frame: one line, the cells where they belong.
    const foglio::Intestazione testate[] = {{"A", 10}, {"B", 20}};
    const std::vector<std::string> celle = Pezzi(s, '\t');
    foglio::Righe righe{celle.size() / 2 + 1, [&](std::size_t r, std::size_t c) {
                            const std::size_t k = r * 2 + c;
                            return k < celle.size() ? std::string_view(celle[k]) : "";
                        }};
    const std::string file = foglio::Componi(s.substr(0, 31), testate, righe);
    VERIFICA(file.starts_with(foglio::PrologoPrimaDelNome));
    VERIFICA(file.ends_with(foglio::Epilogo));
    VERIFICA(file.find('\n') == std::string::npos);
    std::size_t aperte = 0;
    for (std::size_t p = 0; (p = file.find("<td", p)) != std::string::npos; ++p) ++aperte;
    VERIFICA(aperte == 2 * (righe.numero + 1));
    return 0;
}
