#include "gui/app/Programma.h"

#include "gui/contacts/TfrmClienti.h"

Programma::Programma() {
    ImpostaDateNumeri();
    avvio_ = std::make_unique<TfrmAvvio>();
    clienti_ = std::make_unique<TfrmClienti>();
    avvio_->ImpostaApplicazione(1, clienti_.get());
}

Programma::~Programma() = default;

void Programma::Avvia(const QString& schermata) {
    if (schermata == "clienti") {
        clienti_->ImpostaRitorno(avvio_.get());
        clienti_->Apri();
        return;
    }
    avvio_->Apri();
}
