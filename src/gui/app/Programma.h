#pragma once
// The whole program: the windows that are only shown and hidden, created once at start and
// wired together, and the first window shown.
#include <memory>

#include "gui/app/TfrmAvvio.h"

class TfrmClienti;

class Programma {
public:
    Programma();
    ~Programma();
    // Shows the first window; `schermata` ("clienti") opens that application directly
    // instead, as the launcher would.
    void Avvia(const QString& schermata = QString());

    TfrmAvvio* avvio() const { return avvio_.get(); }
    TfrmClienti* clienti() const { return clienti_.get(); }

private:
    std::unique_ptr<TfrmAvvio> avvio_;
    std::unique_ptr<TfrmClienti> clienti_;
};
