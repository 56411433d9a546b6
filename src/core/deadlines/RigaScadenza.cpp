#include "core/deadlines/RigaScadenza.h"

#include "core/text/Testo.h"

namespace scadenza {

void AccodaRigaScadenza(std::string& riga, const VistaScheda<TSchedaScadenza>& s) {
    using S = TSchedaScadenza;
    using testo::AccodaDaArchivio;
    // Built in place: a search may make a hundred thousand of these.
    const std::string_view costo = s.Byte(&S::Costo);
    riga.reserve(riga.size() + 160 + 3 * costo.size());
    AccodaDaArchivio(riga, s.Byte(&S::Dettagli), kColonnaCausale);
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
}

std::string RigaScadenza(const VistaScheda<TSchedaScadenza>& s) {
    std::string riga;
    AccodaRigaScadenza(riga, s);
    return riga;
}

}  // namespace scadenza
