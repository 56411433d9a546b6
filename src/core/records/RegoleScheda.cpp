#include "core/records/RegoleScheda.h"

#include <charconv>

std::int64_t LeggiPosizione(std::string_view etichetta) {
    const std::string t = testo::Rifila(etichetta);
    if (!testo::SoloCifre(t)) return 0;
    std::int64_t n = 0;
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (errore != std::errc() || fine != t.data() + t.size()) return 0;
    return n;
}
