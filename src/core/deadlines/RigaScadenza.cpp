#include "core/deadlines/RigaScadenza.h"

#include "core/app/Testo.h"

namespace scadenza {

std::string RigaScadenza(const TSchedaScadenza& s) {
    using testo::PadTaglia;
    using testo::Rifila;
    return PadTaglia(Rifila(s.Dettagli), 40) + "  Data: " + PadTaglia(Rifila(s.Data), 10) +
           "  Ora: " + PadTaglia(Rifila(s.Ora), 5) + "  Contatto: " +
           PadTaglia(Rifila(s.Pagatore), 24) + "  Tipo:  " + PadTaglia(Rifila(s.Beneficiario), 24) +
           "  \xE2\x82\xAC " + Rifila(s.Costo);
}

}  // namespace scadenza
