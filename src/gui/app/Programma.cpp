#include "gui/app/Programma.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QTimer>
#include <functional>
#include <utility>

#include "gui/app/Finestre.h"
#include "gui/app/Titoli.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/viewer/TfrmScadenze.h"

namespace {

// Calls `quando` once: after the password window's first paint has reached the screen, or
// when the launcher is about to show, whichever comes first.
class Attesa : public QObject {
public:
    Attesa(QWidget* accesso, QWidget* avvio, std::function<void()> quando)
        : accesso_(accesso), avvio_(avvio), quando_(std::move(quando)) {
        accesso_->installEventFilter(this);
        avvio_->installEventFilter(this);
    }
    void Adesso() {
        if (!quando_) return;
        accesso_->removeEventFilter(this);
        avvio_->removeEventFilter(this);
        std::exchange(quando_, nullptr)();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == avvio_ && e->type() == QEvent::Show) Adesso();
        // Queued, so that the first picture is flushed before the rest is built.
        if (o == accesso_ && e->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { Adesso(); });
        return false;
    }

private:
    QWidget* accesso_;
    QWidget* avvio_;
    std::function<void()> quando_;
};

}  // namespace

Programma::Programma() {
    password_ = std::make_unique<TfrmPassword>();
    avvio_ = std::make_unique<TfrmAvvio>();
    cambia_ = std::make_unique<TfrmCambiaPassword>(password_.get());
    password_->Collega(avvio_.get(), cambia_.get());
    // The password window needs none of the application windows: building them waits until
    // it is on screen, so that it appears sooner. Nothing can reach them before the launcher
    // shows, and the launcher's showing builds them if they are not there yet.
    attesa_ =
        std::make_unique<Attesa>(password_.get(), avvio_.get(), [this] { CreaApplicazioni(); });
}

Programma::~Programma() = default;

void Programma::CreaApplicazioni() {
    if (clienti_) return;
    clienti_ = std::make_unique<TfrmClienti>();
    menuRicordario_ = std::make_unique<TfrmMenuRicordario>();
    ricordario_ = std::make_unique<TfrmRicordario>();
    scadenze_ = std::make_unique<TfrmScadenze>();
    menuRiepCosti_ = std::make_unique<TfrmMenuRiepCosti>();
    // The chosen year names the deadline card's archive; the card then opens, and its own
    // closing goes back to the launcher.
    menuRicordario_->Collega([card = ricordario_.get(), avvio = avvio_.get()](
                                 const QString& anno, const std::filesystem::path& file) {
        card->lblFile->setText(QString::fromStdU16String(file.u16string()));
        card->lblAnno->setText(anno);
        card->setWindowTitle(Titolo("Archivio scadenze e appuntamenti anno " + anno));
        card->ImpostaRitorno(avvio);
        card->Apri();
    });
    avvio_->ImpostaApplicazione(1, clienti_.get());
    avvio_->ImpostaApplicazione(2, menuRicordario_.get());
    avvio_->ImpostaApplicazione(3, scadenze_.get());
    avvio_->ImpostaApplicazione(4, menuRiepCosti_.get());
    static_cast<Attesa*>(attesa_.get())->Adesso();
}

void Programma::Avvia(const QString& schermata) {
    FinestraIntera* diretta = nullptr;
    const bool esporta = schermata == "esportaclienti" || schermata == "esportascadenze";
    if (schermata == "avvio") diretta = avvio_.get();
    if (schermata == "clienti" || schermata == "esportaclienti") diretta = clienti();
    const bool daScheda = schermata == "scadenza" || schermata == "trova_scadenze" ||
                          schermata == "trova_scadenze_elenco" || schermata == "scaduti";
    if (schermata == "ricordario" || daScheda || schermata == "esportascadenze")
        diretta = menuRicordario();
    const bool elenco =
        schermata == "imminenti" || schermata == "giornaliere" || schermata == "mensili";
    if (schermata == "scadenze" || elenco) diretta = scadenze();
    if (schermata == "riepilogo" || schermata == "riepilogo-anno") diretta = menuRiepCosti();
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
    if (elenco) {
        // The viewer's list, as its button opens it, once the event loop runs.
        QTimer::singleShot(0, scadenze_.get(), [v = scadenze_.get(), schermata] {
            if (schermata == "imminenti") v->btnOKClick();
            if (schermata == "giornaliere") v->btnGiornoClick();
            if (schermata == "mensili") v->btnMeseClick();
        });
    }
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
