#include "core/lists/Filtri.h"

#include <algorithm>

#include "core/text/Testo.h"

namespace elenco {

std::size_t FiltriPieni(std::span<const std::string> filtri) {
    return static_cast<std::size_t>(
        std::count_if(filtri.begin(), filtri.end(),
                      [](const std::string& f) { return !testo::Rifila(f).empty(); }));
}

Filtro::Filtro(std::string_view testo) {
    if (testo.empty()) return;
    // A field holds only what Windows-1252 can say: a filter with any other character
    // (it comes back as an added "?") can never occur in one.
    const std::string byte = testo::InWindows1252(testo);
    if (std::count(byte.begin(), byte.end(), '?') != std::count(testo.begin(), testo.end(), '?'))
        return;
    cerca_ = testo::MinuscoleAZ(byte);
    possibile_ = true;
}

bool Filtro::In(std::string_view campo) const {
    if (!possibile_) return false;
    // The field as shown is trimmed.
    const std::string_view mostrato = testo::RifilaVista(campo);
    const std::size_t n = mostrato.size();
    if (n < cerca_.size()) return false;
    char piccolo[256];
    std::string grande;
    char* minuscolo = piccolo;
    if (n > sizeof piccolo) {
        grande.resize(n);
        minuscolo = grande.data();
    }
    for (std::size_t i = 0; i < n; ++i) {
        const char c = mostrato[i];
        minuscolo[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return std::string_view(minuscolo, n).find(cerca_) != std::string_view::npos;
}

}  // namespace elenco
