#include "gui/app/Programma.h"

Programma::Programma() {
    ImpostaDateNumeri();
    avvio_ = std::make_unique<TfrmAvvio>();
}

Programma::~Programma() = default;

void Programma::Avvia() { avvio_->Apri(); }
