#include "gui/contacts/TfrmRicontatta.h"

#include <QCloseEvent>

#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Piattaforma.h"

TfrmRicontatta::TfrmRicontatta(QWidget* scheda, SceltaContatto scelta)
    : Dialogo(scheda, "TfrmRicontatta", QStringLiteral(" Riepilogo persone da ricontattare"),
              kDialogoElenco, Argb(kColoreElenco), Qt::white),
      scelta_(std::move(scelta)) {
    static std::string ricordato;  // one remembered find text for this window class
    Costruisci(this, ricordato, QStringLiteral("Riepilogo persone da ricontattare"), false);
    connect(lstRecords, &ListaRisultati::DoppioClic, this, &TfrmRicontatta::lstRecordsDblClick);
}

void TfrmRicontatta::Apri(QWidget* scheda, SceltaContatto scelta) {
    MostraPerUso(std::make_unique<TfrmRicontatta>(scheda, std::move(scelta)));
}

void TfrmRicontatta::FormShow() {
    risultati->Dimentica();
    try {
        risultati->Elenca<TSchedaContatto>(PercorsoProgramma(TArchivioContatti::NomeFile),
                                           ricerca::DaRicontattare, ricerca::FormaRicontatto);
    } catch (...) {
        // A list that only reads shows what it could read, without a message.
    }
    txtTrova->setFocus();
}

void TfrmRicontatta::closeEvent(QCloseEvent* e) {
    lstRecords->clear();
    Dialogo::closeEvent(e);
}

void TfrmRicontatta::lstRecordsDblClick() {
    risultati->Scegli<TSchedaContatto>(PercorsoProgramma(TArchivioContatti::NomeFile),
                                       ricerca::FormaRicontatto, scelta_);
}
