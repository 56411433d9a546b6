#include "core/deadlines/RigaScadenza.h"

#include "core/app/Testo.h"

namespace scadenza {

std::string RigaScadenza(const TSchedaScadenza& s) {
    using testo::PadTaglia;
    using testo::Rifila;
    // Built in place: a search may make a hundred thousand of these.
    std::string riga;
    riga.reserve(160 + s.Costo.size());
    riga += PadTaglia(Rifila(s.Dettagli), 40);
    riga += "  Data: ";
    riga += PadTaglia(Rifila(s.Data), 10);
    riga += "  Ora: ";
    riga += PadTaglia(Rifila(s.Ora), 5);
    riga += "  Contatto: ";
    riga += PadTaglia(Rifila(s.Pagatore), 24);
    riga += "  Tipo:  ";
    riga += PadTaglia(Rifila(s.Beneficiario), 24);
    riga += "  \xE2\x82\xAC ";
    riga += Rifila(s.Costo);
    return riga;
}

}  // namespace scadenza
