#pragma once
// The content lines vCard and iCalendar files are both made of:
//   [group.]NAME[;PARAM=value[,value]...]:value
// with long lines folded by a line break and a blank or a tab. The reader walks the text in
// place: a line that was not folded is a view of the text itself, a folded one is joined in
// a buffer of the reader's, so a file of any size is read without a copy of its lines.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace interscambio {

struct RigaContenuto {
    std::string_view nome;       // the group ("item1.") dropped, case as written
    std::string_view parametri;  // ";TYPE=home;X=\"a:b\"" as written, empty when none
    std::string_view valore;     // as written, escapes still in
    std::string_view intera;     // the whole logical line
    bool valida = false;         // false: no colon outside double quotes, or no name
};

class LettoreRighe {
public:
    // `quotedPrintable`: a value in quoted-printable (vCard 2.1) whose line ends in "="
    // goes on on the next physical line, as those files write long values.
    explicit LettoreRighe(std::string_view testo, bool quotedPrintable = false)
        : testo_(testo), quotedPrintable_(quotedPrintable) {}

    // The next non-empty logical line; false at the end of the text. The views stay valid
    // until the next call.
    bool Prossima(RigaContenuto& riga);

    // Where in the text the line last read began, and where the next one begins.
    std::size_t InizioRiga() const { return inizio_; }
    std::size_t Posizione() const { return pos_; }

private:
    std::string_view RigaFisica();  // the next physical line without its line break

    std::string_view testo_;
    bool quotedPrintable_;
    std::size_t pos_ = 0, inizio_ = 0;
    std::string unita_;  // a folded line, joined
};

// Equal with ASCII letters of either case: names and parameter names are case-insensitive.
bool Uguale(std::string_view a, std::string_view b);
// Starts with `prefisso`, ASCII letters of either case.
bool IniziaCon(std::string_view s, std::string_view prefisso);

// Calls f(nome, valore) for each parameter of `parametri`, quotes kept in the value;
// "TYPE=a,b" gives one call with "a,b", a bare parameter (vCard 2.1 "HOME") an empty value.
template <class F>
void PerOgniParametro(std::string_view parametri, F&& f) {
    std::size_t i = 0;
    while (i < parametri.size()) {
        if (parametri[i] == ';') {
            ++i;
            continue;
        }
        bool virgolette = false;
        std::size_t fine = i;
        while (fine < parametri.size() && (virgolette || parametri[fine] != ';')) {
            if (parametri[fine] == '"') virgolette = !virgolette;
            ++fine;
        }
        const std::string_view p = parametri.substr(i, fine - i);
        const std::size_t uguale = p.find('=');
        if (uguale == std::string_view::npos) f(p, std::string_view());
        else f(p.substr(0, uguale), p.substr(uguale + 1));
        i = fine;
    }
}

// The value of the first parameter `nome`, surrounding quotes removed; empty when missing.
std::string_view Parametro(std::string_view parametri, std::string_view nome);

// A text value with its escapes undone ("\\" "\," "\;" "\n" "\N"; any other escaped
// character stands for itself), appended to `out`.
void AccodaSenzaEscape(std::string& out, std::string_view valore);

// Calls f(pezzo) for each piece of `valore` between unescaped `separatore`s (escapes kept).
template <class F>
void PerOgniPezzo(std::string_view valore, char separatore, F&& f) {
    std::size_t inizio = 0;
    for (std::size_t i = 0; i < valore.size(); ++i) {
        if (valore[i] == '\\') {
            ++i;
        } else if (valore[i] == separatore) {
            f(valore.substr(inizio, i - inizio));
            inizio = i + 1;
        }
    }
    f(valore.substr(std::min(inizio, valore.size())));
}

// True when `s` is well-formed UTF-8.
bool Utf8Valido(std::string_view s);

}  // namespace interscambio
