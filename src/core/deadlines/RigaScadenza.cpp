#include "core/deadlines/RigaScadenza.h"

#include "core/app/Testo.h"

namespace scadenza {

std::string RigaScadenza(const VistaScheda<TSchedaScadenza>& s) {
    using S = TSchedaScadenza;
    using testo::AccodaDaArchivio;
    // Built in place: a search may make a hundred thousand of these.
    const std::string_view costo = s.Byte(&S::Costo);
    std::string riga;
    riga.reserve(160 + 2 * costo.size());
    AccodaDaArchivio(riga, s.Byte(&S::Dettagli), 40);
    riga += "  Data: ";
    AccodaDaArchivio(riga, s.Byte(&S::Data), 10);
    riga += "  Ora: ";
    AccodaDaArchivio(riga, s.Byte(&S::Ora), 5);
    riga += "  Contatto: ";
    AccodaDaArchivio(riga, s.Byte(&S::Pagatore), 24);
    riga += "  Tipo:  ";
    AccodaDaArchivio(riga, s.Byte(&S::Beneficiario), 24);
    riga += "  \xE2\x82\xAC ";
    AccodaDaArchivio(riga, costo);
    return riga;
}

}  // namespace scadenza
