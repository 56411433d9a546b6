#include "gui/app/TfrmAvvio.h"

#include "core/help/Guida.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Figure.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TMisc.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"

TfrmAvvio::TfrmAvvio() : FinestraIntera("TfrmAvvio", Titolo(), Argb(0xFF408AB3)) {
    QWidget* p = Pannello();
    new Rettangolo(p, "shpSfondo", QRect(4, 4, 986, 684), Qt::white);
    new Rettangolo(p, "shpApplicazioni", QRect(17, 134, 961, 490), Argb(0xFF427AA8),
                   Qt::transparent, Qt::white);
    const QRect tessere[] = {
        {27, 144, 466, 232}, {502, 144, 466, 232}, {27, 384, 466, 232}, {504, 384, 466, 232}};
    for (int i = 0; i < 4; ++i)
        new Rettangolo(p, QStringLiteral("shpApp%1").arg(i + 1, 2, 10, QChar('0')), tessere[i],
                       Qt::white, Argb(0xFFB0C4DE));

    new Immagine(p, "icoIcona", QRect(122, 14, 70, 74), "icona", false);
    new Immagine(p, "icoTitolo", QRect(204, 15, 583, 77), "titolo", false);
    new Immagine(p, "icoVersione", QRect(794, 11, 78, 77), "versione", false);
    new Immagine(p, "icoSottotitolo", QRect(17, 98, 961, 22), "sottotitolo", false);

    auto collega = [this](Immagine* i, void (TfrmAvvio::*azione)()) {
        connect(i, &QAbstractButton::clicked, this, azione);
    };
    collega(new Immagine(p, "imgInfo", QRect(14, 14, 30, 30), "info"), &TfrmAvvio::imgInfoClick);
    collega(new Immagine(p, "imgGuida", QRect(952, 16, 29, 28), "guida"),
            &TfrmAvvio::imgGuidaClick);
    collega(new Immagine(p, "icoSito", QRect(17, 630, 961, 22), "sito"), &TfrmAvvio::icoSitoClick);
    collega(new Immagine(p, "imgCopyright", QRect(16, 660, 23, 22), "copyright"),
            &TfrmAvvio::imgCopyrightClick);
    collega(new Immagine(p, "imgEsci", QRect(960, 662, 17, 18), "esci"), &TfrmAvvio::imgEsciClick);

    struct App {
        QRect immagine, pulsante;
        const char* risorsa;
        const char* scritta;
        void (TfrmAvvio::*azione)();
    };
    const App app[] = {
        {{129, 155, 258, 164},
         {81, 326, 356, 45},
         "app01",
         "ANAGRAFICA CONTATTI",
         &TfrmAvvio::imgApp01Click},
        {{604, 155, 258, 164},
         {556, 326, 356, 45},
         "app02",
         "INSERIMENTO SCADENZE",
         &TfrmAvvio::imgApp02Click},
        {{129, 395, 258, 164},
         {81, 566, 356, 45},
         "app03",
         "VISUALIZZAZIONE RICORDARIO",
         &TfrmAvvio::imgApp03Click},
        {{604, 395, 258, 164},
         {556, 566, 356, 45},
         "app04",
         "RIEPILOGHI PER INTERVALLO",
         &TfrmAvvio::imgApp04Click},
    };
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QChar('0'));
        collega(new Immagine(p, "imgApp" + n, app[i].immagine, app[i].risorsa), app[i].azione);
        collega(
            Immagine::Comando(p, "btnApp" + n, app[i].pulsante, app[i].scritta, Argb(0xFF2F6E9E)),
            app[i].azione);
    }
}

void TfrmAvvio::ImpostaApplicazione(int n, FinestraIntera* finestra) {
    if (n >= 1 && n <= 4) applicazioni_[n - 1] = finestra;
}

void TfrmAvvio::MostraApplicazione(int n) {
    FinestraIntera* f = applicazioni_[n - 1];
    if (!f) return;
    // First the application, then the launcher goes: never a moment with no window.
    f->ImpostaRitorno(this);
    f->Apri();
    hide();
}

void TfrmAvvio::imgInfoClick() { MostraPerUso(std::make_unique<TfrmInfo>(this)); }

void TfrmAvvio::imgGuidaClick() { MostraGuida(this, guida::Panoramica); }

void TfrmAvvio::imgCopyrightClick() { MostraPerUso(std::make_unique<TfrmSplash>(this)); }

void TfrmAvvio::icoSitoClick() { TMisc::Open(QString::fromLatin1(SitoWeb)); }

void TfrmAvvio::imgEsciClick() { piattaforma().Termina(); }

void TfrmAvvio::FormClose() { piattaforma().Termina(); }
