#include "gui/app/Programma.h"

#include <QApplication>
#include <QTimer>
#include <QMetaObject>

#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/viewer/TfrmScadenze.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "gui/summary/TfrmMenuRiepCosti.h"

Programma::Programma() {
    ImpostaDateNumeri();
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    clienti_ = std::make_unique<TfrmClienti>();
    menuRicordario_ = std::make_unique<TfrmMenuRicordario>();
    ricordario_ = std::make_unique<TfrmRicordario>();
    scadenze_ = std::make_unique<TfrmScadenze>();
    menuRiepCosti_ = std::make_unique<TfrmMenuRiepCosti>();
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
    avvio_->ImpostaApplicazione(3, scadenze_.get());
    avvio_->ImpostaApplicazione(4, menuRiepCosti_.get());
}

Programma::~Programma() = default;

void Programma::Avvia(const QString& schermata) {
    FinestraIntera* diretta = nullptr;
    const bool esporta = schermata == "esportaclienti" || schermata == "esportascadenze";
    if (schermata == "avvio") diretta = avvio_.get();
    if (schermata == "clienti" || schermata == "esportaclienti") diretta = clienti_.get();
    const bool daScheda = schermata == "scadenza" || schermata == "trova_scadenze" ||
                          schermata == "trova_scadenze_elenco" || schermata == "scaduti";
    if (schermata == "ricordario" || daScheda || schermata == "esportascadenze") diretta = menuRicordario_.get();
    if (schermata == "scadenze") diretta = scadenze_.get();
    if (schermata == "riepilogo" || schermata == "riepilogo-anno") diretta = menuRiepCosti_.get();
    if (!diretta) {
        password_->show();
        return;
    }
    if (diretta != avvio_.get()) diretta->ImpostaRitorno(avvio_.get());
    diretta->Apri();
    if (daScheda) {
        menuRicordario_->btnApriPreventiviClick();
        ricordario_->cmdUltimoClick();
    }
    // The search and the lists are modal: they open once the event loop runs.
    TfrmRicordario* scheda = ricordario_.get();
    if (schermata.startsWith("trova_scadenze"))
        QTimer::singleShot(0, scheda, [scheda] { scheda->cmdTrovaClick(); });
    if (schermata == "trova_scadenze_elenco")
        QTimer::singleShot(300, scheda, [] {
            if (auto* f = qobject_cast<TfrmTrovaRicordario*>(QApplication::activeModalWidget()))
                f->btnCerca->click();
        });
    if (schermata == "scaduti")
        QTimer::singleShot(0, scheda, [scheda] { scheda->cmdEffettuateClick(); });
    if (schermata == "riepilogo-anno") {
        // Once the event loop runs: the summary is a modal window of its own.
        QTimer::singleShot(0, menuRiepCosti_.get(), [m = menuRiepCosti_.get()] {
            m->txtGiornoInizio->setCurrentIndex(0);
            m->txtMeseInizio->setCurrentIndex(0);
            m->txtGiornoFine->setCurrentIndex(30);
            m->txtMeseFine->setCurrentIndex(11);
            m->btnVisualizzaClick();
        });
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
