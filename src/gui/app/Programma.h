#pragma once
// The whole program: the windows that are only shown and hidden, created once at start and
// wired together, and the first window shown.
#include <memory>

#include "gui/app/TfrmAvvio.h"

class Programma {
public:
    Programma();
    ~Programma();
    // Shows the first window.
    void Avvia();

    TfrmAvvio* avvio() const { return avvio_.get(); }

private:
    std::unique_ptr<TfrmAvvio> avvio_;
};
