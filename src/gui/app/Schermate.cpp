#include "gui/app/Schermate.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <functional>
#include <utility>

#include "gui/app/Piattaforma.h"
#include "gui/app/Programma.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/viewer/TfrmScadenze.h"

namespace {

// Runs `azione` once the event loop runs: the windows opened from here are modal, and
// their showing waits for the loop.
void Poi(QObject* contesto, std::function<void()> azione) {
    QMetaObject::invokeMethod(contesto, std::move(azione), Qt::QueuedConnection);
}

// Runs `azione` on the first window of class Finestra to be shown, once it is on screen
// (its modal loop running), then forgets it.
template <class Finestra>
class AllaComparsa : public QObject {
public:
    explicit AllaComparsa(std::function<void(Finestra*)> azione) : azione_(std::move(azione)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            if (auto* f = qobject_cast<Finestra*>(o)) {
                qApp->removeEventFilter(this);
                Poi(f, [f, azione = std::move(azione_)] { azione(f); });
                deleteLater();
            }
        return false;
    }

private:
    std::function<void(Finestra*)> azione_;
};

// A launcher application, as its button shows it.
void Mostra(Programma& p, FinestraIntera* finestra) {
    finestra->ImpostaRitorno(p.avvio());
    finestra->Apri();
}

int AnnoCorrente() { return piattaforma().Adesso().date().year(); }

// The deadline card on this year's archive, as choosing the proposed year opens it.
TfrmRicordario* SchedaDellAnno(Programma& p) {
    Mostra(p, p.menuRicordario());
    p.menuRicordario()->ApriAnno(AnnoCorrente());
    return p.ricordario();
}

// The same card at its last record, as the arrow shows it.
TfrmRicordario* UltimaScadenza(Programma& p) {
    TfrmRicordario* scheda = SchedaDellAnno(p);
    scheda->cmdUltimoClick();
    return scheda;
}

// The viewer with one of its lists open over it.
void Elenco(Programma& p, void (TfrmScadenze::*comando)()) {
    TfrmScadenze* v = p.scadenze();
    Mostra(p, v);
    Poi(v, [v, comando] { (v->*comando)(); });
}

struct Schermata {
    const char* nome;
    void (*apri)(Programma&);
};

const Schermata kSchermate[] = {
    {"avvio", [](Programma& p) { p.avvio()->Apri(); }},
    {"clienti", [](Programma& p) { Mostra(p, p.clienti()); }},
    {"ricordario", [](Programma& p) { Mostra(p, p.menuRicordario()); }},
    {"scadenza", [](Programma& p) { UltimaScadenza(p); }},
    {"trova_scadenze",
     [](Programma& p) {
         TfrmRicordario* s = UltimaScadenza(p);
         Poi(s, [s] { s->cmdTrovaClick(); });
     }},
    {"trova_scadenze_elenco",
     [](Programma& p) {
         TfrmRicordario* s = UltimaScadenza(p);
         // Every filter empty: the search lists the whole archive.
         new AllaComparsa<TfrmTrovaRicordario>([](TfrmTrovaRicordario* f) { f->btnCercaClick(); });
         Poi(s, [s] { s->cmdTrovaClick(); });
     }},
    {"scaduti",
     [](Programma& p) {
         TfrmRicordario* s = UltimaScadenza(p);
         Poi(s, [s] { s->cmdEffettuateClick(); });
     }},
    {"scadenze", [](Programma& p) { Mostra(p, p.scadenze()); }},
    {"imminenti", [](Programma& p) { Elenco(p, &TfrmScadenze::btnOKClick); }},
    {"giornaliere", [](Programma& p) { Elenco(p, &TfrmScadenze::btnGiornoClick); }},
    {"mensili", [](Programma& p) { Elenco(p, &TfrmScadenze::btnMeseClick); }},
    {"riepilogo", [](Programma& p) { Mostra(p, p.menuRiepCosti()); }},
    {"riepilogo-anno",
     [](Programma& p) {
         TfrmMenuRiepCosti* m = p.menuRiepCosti();
         Mostra(p, m);
         // The summary is a modal window of its own.
         Poi(m, [m] { m->VisualizzaIntervallo(1, 1, 31, 12); });
     }},
    {"esportaclienti",
     [](Programma& p) {
         TfrmClienti* c = p.clienti();
         Mostra(p, c);
         Poi(c, [c] { c->cmdEsportaClick(); });
     }},
    {"esportascadenze",
     [](Programma& p) {
         TfrmRicordario* s = SchedaDellAnno(p);
         Poi(s, [s] { s->cmdEsportaClick(); });
     }},
};

}  // namespace

bool ApriSchermata(Programma& programma, const QString& nome) {
    for (const Schermata& s : kSchermate)
        if (nome == QLatin1String(s.nome)) {
            s.apri(programma);
            return true;
        }
    return false;
}
