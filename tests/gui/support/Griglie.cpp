#include "support/Griglie.h"

bool GuidaGriglia(FakePiattaforma& fake, const std::function<void()>& premi,
                  const std::function<void(FinestraGriglia*)>& guida) {
    bool aperta = false;
    fake.Rispondi([&](FinestraGriglia* f) {
        aperta = true;
        guida(f);
        return int(QDialog::Accepted);
    });
    premi();
    fake.SmettiDiRispondere();  // the answer holds this call's locals
    return aperta;
}
