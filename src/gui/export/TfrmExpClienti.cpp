#include "gui/export/TfrmExpClienti.h"

#include "core/help/Guida.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/export/Esportazioni.h"
#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"

TfrmExpClienti::TfrmExpClienti(QWidget* scheda)
    : FinestraGriglia(scheda, GrigliaDiArchivio<TSchedaContatto>(
                                  "TfrmExpClienti", " Esporta archivio contatti in Microsoft Excel",
                                  guida::EsportazioneContatti, esportazione::Contatti,
                                  PercorsoProgramma(TArchivioContatti::NomeFile))) {}

void TfrmExpClienti::Apri(QWidget* scheda) {
    MostraPerUso(std::make_unique<TfrmExpClienti>(scheda));
}
