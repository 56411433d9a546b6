#include "gui/app/Programma.h"

#include <QMetaObject>

#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"

Programma::Programma() {
    ImpostaDateNumeri();
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    clienti_ = std::make_unique<TfrmClienti>();
    menuRicordario_ = std::make_unique<TfrmMenuRicordario>();
    ricordario_ = std::make_unique<TfrmRicordario>();
    password_->Collega(avvio_.get(), cambia_.get());
    // The chosen year names the deadline card's archive; the card then opens, and its own
    // closing goes back to the launcher.
    menuRicordario_->Collega([card = ricordario_.get(), avvio = avvio_.get()](
                                 const QString& anno, const std::filesystem::path& file) {
        card->lblFile->setText(QString::fromStdU16String(file.u16string()));
        card->lblAnno->setText(anno);
        card->setWindowTitle(
            QStringLiteral(" Ricordario Diz 3.0 - Archivio scadenze e appuntamenti anno ") + anno);
        card->ImpostaRitorno(avvio);
        card->Apri();
    });
    avvio_->ImpostaApplicazione(1, clienti_.get());
    avvio_->ImpostaApplicazione(2, menuRicordario_.get());
}

Programma::~Programma() = default;

void Programma::Avvia(const QString& schermata) {
    FinestraIntera* diretta = nullptr;
    const bool esporta = schermata == "esportaclienti" || schermata == "esportascadenze";
    if (schermata == "avvio") diretta = avvio_.get();
    if (schermata == "clienti" || schermata == "esportaclienti") diretta = clienti_.get();
    if (schermata == "ricordario" || schermata == "scadenza" || schermata == "esportascadenze")
        diretta = menuRicordario_.get();
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
    if (esporta) {
        if (schermata == "esportascadenze") menuRicordario_->btnApriPreventiviClick();
        // The export window of the card, shown modally, as the card's command does.
        QMetaObject::invokeMethod(
            diretta,
            [this, schermata] {
                if (schermata == "esportaclienti")
                    clienti_->cmdEsportaClick();
                else
                    ricordario_->cmdEsportaClick();
            },
            Qt::QueuedConnection);
    }
}
