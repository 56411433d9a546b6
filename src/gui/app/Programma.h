#pragma once
// The whole program: the windows that are only shown and hidden, created once at start in
// a fixed order and wired together, and the first window shown.
#include <memory>

#include "gui/app/TfrmAvvio.h"
#include "gui/app/TfrmPassword.h"

class TfrmClienti;
class TfrmMenuRicordario;
class TfrmRicordario;
class TfrmScadenze;
class TfrmMenuRiepCosti;

class Programma {
public:
    Programma();
    ~Programma();
    // Shows the first window: the password window. For screenshots and checks, `schermata`
    // names a window to open directly instead ("avvio", "clienti", "ricordario" for the year
    // window, "scadenze" for the viewer, "riepilogo" for the summary request), as the launcher
    // would; "scadenza" opens the deadline card on this year's archive at its last record,
    // and from there "trova_scadenze" its search, "trova_scadenze_elenco" the search's result
    // with every filter empty, "scaduti" the list of expired commitments; "riepilogo-anno"
    // shows the summary of this whole year; "esportaclienti" and "esportascadenze" open the
    // export window of the contact card or of the deadline card on this year's archive.
    void Avvia(const QString& schermata = QString());

    TfrmPassword* accesso() const { return password_.get(); }
    TfrmAvvio* avvio() const { return avvio_.get(); }
    TfrmCambiaPassword* cambiaPassword() const { return cambia_.get(); }
    TfrmClienti* clienti() const { return clienti_.get(); }
    TfrmMenuRicordario* menuRicordario() const { return menuRicordario_.get(); }
    TfrmRicordario* ricordario() const { return ricordario_.get(); }
    TfrmScadenze* scadenze() const { return scadenze_.get(); }
    TfrmMenuRiepCosti* menuRiepCosti() const { return menuRiepCosti_.get(); }

private:
    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmAvvio> avvio_;
    std::unique_ptr<TfrmCambiaPassword> cambia_;
    std::unique_ptr<TfrmClienti> clienti_;
    std::unique_ptr<TfrmMenuRicordario> menuRicordario_;
    std::unique_ptr<TfrmRicordario> ricordario_;
    std::unique_ptr<TfrmScadenze> scadenze_;
    std::unique_ptr<TfrmMenuRiepCosti> menuRiepCosti_;
};
