#include "gui/export/TfrmExpRicordario.h"

#include "core/app/Guida.h"
#include "core/export/Esportazioni.h"

TfrmExpRicordario::TfrmExpRicordario(QWidget* scheda, const std::filesystem::path& archivio)
    : FinestraGriglia(scheda, GrigliaDiArchivio<TSchedaScadenza>(
                                  "TfrmExpRicordario", " Esporta archivio scadenze e appuntamenti",
                                  guida::EsportazioneScadenze, esportazione::Scadenze, archivio)) {}

void TfrmExpRicordario::Apri(QWidget* scheda, const std::filesystem::path& archivio) {
    MostraPerUso(std::make_unique<TfrmExpRicordario>(scheda, archivio));
}
