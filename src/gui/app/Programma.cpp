#include "gui/app/Programma.h"

Programma::Programma() {
    ImpostaDateNumeri();
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    menuRicordario_ = std::make_unique<TfrmMenuRicordario>();
    ricordario_ = std::make_unique<TfrmRicordario>();
    password_->Collega(avvio_.get(), cambia_.get());
    menuRicordario_->Collega(avvio_.get(), ricordario_.get());
    avvio_->ImpostaApplicazione(2, menuRicordario_.get());
}

Programma::~Programma() = default;

void Programma::Avvia() { password_->show(); }
