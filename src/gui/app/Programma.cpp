#include "gui/app/Programma.h"

#include <QEvent>
#include <QTimer>
#include <functional>
#include <utility>

#include "gui/app/Finestre.h"
#include "gui/app/Schermate.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"
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
                                 int anno, const std::filesystem::path& file) {
        card->ImpostaAnno(anno, file);
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
    if (!ApriSchermata(*this, schermata)) password_->show();
}
