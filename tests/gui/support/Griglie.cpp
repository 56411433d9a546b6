#include "support/Griglie.h"

bool GuidaGriglia(FakePiattaforma& fake, const std::function<void()>& premi,
                  const std::function<void(FinestraGriglia*)>& guida) {
    bool aperta = false;
    fake.allaModale = [&](QDialog* d) {
        auto* f = qobject_cast<FinestraGriglia*>(d);
        if (!f) return int(QDialog::Rejected);
        aperta = true;
        guida(f);
        return int(QDialog::Accepted);
    };
    premi();
    return aperta;
}
