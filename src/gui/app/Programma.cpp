#include "gui/app/Programma.h"

Programma::Programma() {
    ImpostaDateNumeri();
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    password_->Collega(avvio_.get(), cambia_.get());
}

Programma::~Programma() = default;

void Programma::Avvia() { password_->show(); }
