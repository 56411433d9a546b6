#include "core/viewer/ElenchiScadenze.h"

#include "core/app/Testo.h"

namespace visualizzatore {

Riga RigaElenco(std::span<const ColonnaElenco> colonne, const TSchedaScadenza& r,
                std::size_t ordinale) {
    Riga riga;
    riga.reserve(colonne.size());
    for (const auto& c : colonne) {
        if (c.calcolo)
            riga.push_back(c.calcolo(r));
        else if (c.campo)
            riga.push_back(testo::Rifila(r.*(c.campo)));
        else
            riga.push_back(std::to_string(ordinale));
    }
    return riga;
}

}  // namespace visualizzatore
