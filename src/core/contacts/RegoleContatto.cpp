#include "core/contacts/RegoleContatto.h"

namespace contatto {

std::optional<Rifiuto> ControllaSalvataggio(TSchedaContatto& carta) {
    return ObbligoMancante(carta, CampiObbligatori);
}

TSchedaContatto SchedaNuova() {
    TSchedaContatto s;
    s.Ricontatta = flag::Da(false);
    return s;
}

const RegoleScheda<TSchedaContatto>& Regole() {
    using S = TSchedaContatto;
    static const RegoleScheda<S> regole{
        SchedaNuova(),
        {},
        {&S::File01, &S::File02, &S::File03, &S::Desc01, &S::Desc02, &S::Desc03},
        {},
        ControllaSalvataggio,
        SchedaInserita,
    };
    return regole;
}

}  // namespace contatto
