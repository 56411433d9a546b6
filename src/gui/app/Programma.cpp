#include "gui/app/Programma.h"

#include "gui/contacts/TfrmClienti.h"

Programma::Programma() {
    ImpostaDateNumeri();
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    clienti_ = std::make_unique<TfrmClienti>();
    password_->Collega(avvio_.get(), cambia_.get());
    avvio_->ImpostaApplicazione(1, clienti_.get());
}

Programma::~Programma() = default;

void Programma::Avvia(const QString& schermata) {
    FinestraIntera* diretta = nullptr;
    if (schermata == "avvio") diretta = avvio_.get();
    if (schermata == "clienti") diretta = clienti_.get();
    if (!diretta) {
        password_->show();
        return;
    }
    if (diretta != avvio_.get()) diretta->ImpostaRitorno(avvio_.get());
    diretta->Apri();
}
