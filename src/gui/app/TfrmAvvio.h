#pragma once
// The launcher: four applications, plus information, help, credits, web site and exit.
#include <array>

#include "gui/app/Finestre.h"

class TfrmAvvio : public FinestraIntera {
    Q_OBJECT
public:
    TfrmAvvio();

    // The first window of application n (1 to 4); until one is set, its buttons do nothing.
    void ImpostaApplicazione(int n, FinestraIntera* finestra);
    static constexpr const char* SitoWeb = "https://ricordario.example";

    void imgApp01Click() { MostraApplicazione(1); }
    void imgApp02Click() { MostraApplicazione(2); }
    void imgApp03Click() { MostraApplicazione(3); }
    void imgApp04Click() { MostraApplicazione(4); }
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void icoSitoClick();
    void imgEsciClick();

protected:
    void FormClose() override;

private:
    void MostraApplicazione(int n);
    std::array<QPointer<FinestraIntera>, 4> applicazioni_;
};
