#include "gui/app/Programma.h"

#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"

Programma::Programma() {
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    clienti_ = std::make_unique<TfrmClienti>();
    menuRicordario_ = std::make_unique<TfrmMenuRicordario>();
    ricordario_ = std::make_unique<TfrmRicordario>();
    password_->Collega(avvio_.get(), cambia_.get());
    menuRicordario_->Collega(avvio_.get(), ricordario_.get());
    avvio_->ImpostaApplicazione(1, clienti_.get());
    avvio_->ImpostaApplicazione(2, menuRicordario_.get());
}

Programma::~Programma() = default;

void Programma::Avvia(const QString& schermata) {
    FinestraIntera* diretta = nullptr;
    if (schermata == "avvio") diretta = avvio_.get();
    if (schermata == "clienti") diretta = clienti_.get();
    if (schermata == "ricordario" || schermata == "scadenza") diretta = menuRicordario_.get();
    if (!diretta) {
        password_->show();
        return;
    }
    if (diretta != avvio_.get()) diretta->ImpostaRitorno(avvio_.get());
    diretta->Apri();
    if (schermata == "scadenza") {
        menuRicordario_->btnApriPreventiviClick();
        ricordario_->cmdUltimoClick();
    }
}
