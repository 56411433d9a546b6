#pragma once
// The whole program: the windows that are only shown and hidden, created once at start in
// a fixed order and wired together, and the first window shown.
#include <memory>

#include "gui/app/TfrmAvvio.h"
#include "gui/app/TfrmPassword.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"

class Programma {
public:
    Programma();
    ~Programma();
    // Shows the first window: the password window.
    void Avvia();

    TfrmPassword* accesso() const { return password_.get(); }
    TfrmAvvio* avvio() const { return avvio_.get(); }
    TfrmCambiaPassword* cambiaPassword() const { return cambia_.get(); }
    TfrmMenuRicordario* menuRicordario() const { return menuRicordario_.get(); }
    TfrmRicordario* ricordario() const { return ricordario_.get(); }

private:
    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmAvvio> avvio_;
    std::unique_ptr<TfrmCambiaPassword> cambia_;
    std::unique_ptr<TfrmMenuRicordario> menuRicordario_;
    std::unique_ptr<TfrmRicordario> ricordario_;
};
