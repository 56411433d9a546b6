#include "core/lists/Elenco.h"

#include <utility>

#include "core/text/Testo.h"

namespace elenco {

PrimaColonna::PrimaColonna(std::string_view riga, std::size_t larghezza) : larghezza_(larghezza) {
    // Trimmed as the pick compares it. A line of a record with a first field starts with
    // its column, and goes on past it.
    const std::string_view t = testo::RifilaVista(riga);
    std::string byte;
    std::size_t i = 0;
    for (std::size_t k = 0; k < larghezza; ++k) {
        if (i >= t.size()) return;
        const int b = testo::CodiceWindows1252(testo::ProssimoCarattere(t, i));
        if (b < 0) return;
        byte.push_back(static_cast<char>(b));
    }
    if (i >= t.size()) return;
    piena_ = byte.find_last_not_of(' ') + 1;  // npos + 1: all blanks, none of it full
    byte_ = std::move(byte);
}

bool PrimaColonna::Possibile(std::string_view campo) const {
    // The column a record's line starts with: the field trimmed and cut, then padded.
    const std::string_view mostrato = testo::RifilaVista(campo).substr(0, larghezza_);
    if (mostrato.empty()) return true;
    return byte_ && mostrato.size() >= piena_ &&
           std::string_view(*byte_).substr(0, mostrato.size()) == mostrato;
}

bool RigheUguali(std::string_view a, std::string_view b) {
    return testo::RifilaVista(a) == testo::RifilaVista(b);
}

}  // namespace elenco
