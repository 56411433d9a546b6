#pragma once
// The whole program: the windows that are only shown and hidden, created once at start in
// a fixed order and wired together, and the first window shown.
#include <memory>

#include "gui/app/TfrmAvvio.h"
#include "gui/app/TfrmPassword.h"

class QObject;
class TfrmClienti;
class TfrmMenuRicordario;
class TfrmRicordario;
class TfrmScadenze;
class TfrmMenuRiepCosti;

class Programma {
public:
    Programma();
    ~Programma();
    // Shows the first window: the password window. For screenshots and checks, `schermata`
    // names a window to open directly instead (the names are ApriSchermata's).
    void Avvia(const QString& schermata = QString());

    TfrmPassword* accesso() const { return password_.get(); }
    TfrmAvvio* avvio() const { return avvio_.get(); }
    TfrmCambiaPassword* cambiaPassword() const { return cambia_.get(); }
    // The application windows; asking for one builds them all if they are not there yet.
    TfrmClienti* clienti() { return Pronta(clienti_); }
    TfrmMenuRicordario* menuRicordario() { return Pronta(menuRicordario_); }
    TfrmRicordario* ricordario() { return Pronta(ricordario_); }
    TfrmScadenze* scadenze() { return Pronta(scadenze_); }
    TfrmMenuRiepCosti* menuRiepCosti() { return Pronta(menuRiepCosti_); }

private:
    // The application windows, in their order, once: right after the password window is
    // first drawn, or as soon as anything needs them, whichever comes first.
    void CreaApplicazioni();
    template <class Finestra>
    Finestra* Pronta(const std::unique_ptr<Finestra>& finestra) {
        CreaApplicazioni();
        return finestra.get();
    }

    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmAvvio> avvio_;
    std::unique_ptr<TfrmCambiaPassword> cambia_;
    std::unique_ptr<TfrmClienti> clienti_;
    std::unique_ptr<TfrmMenuRicordario> menuRicordario_;
    std::unique_ptr<TfrmRicordario> ricordario_;
    std::unique_ptr<TfrmScadenze> scadenze_;
    std::unique_ptr<TfrmMenuRiepCosti> menuRiepCosti_;
    std::unique_ptr<QObject> attesa_;  // watches for the moment to create them
};
