#include "gui/export/TfrmExpRicordario.h"

#include "core/export/Esportazioni.h"
#include "core/help/Guida.h"
#include "gui/app/Finestre.h"
#include "gui/app/Piattaforma.h"
#include "gui/export/AspettoScadenze.h"
#include "gui/export/EsportaCalendario.h"

namespace {

// The deadlines export with its second command: the year's deadlines as a calendar file.
FinestraGriglia::Dichiarazione DichiarazioneScadenze(const std::filesystem::path& archivio,
                                                     int anno) {
    auto d = GrigliaDiArchivio<TSchedaScadenza>(
        "TfrmExpRicordario", " Esporta archivio scadenze e appuntamenti",
        guida::EsportazioneScadenze, esportazione::Scadenze, AspettoScadenze, archivio);
    d.comandi.push_back({"cmdCalendario", "esporta_calendario",
                         "Esporta le scadenze dell'anno come calendario (iCalendar).",
                         [anno](FinestraGriglia* f) {
                             EsportaInCalendario(f, anno, PercorsoProgramma(QString()));
                         }});
    d.comandi.push_back({"cmdImportaCalendario", "importa_calendario",
                         "Importa nell'archivio le scadenze di un calendario (iCalendar).",
                         [](FinestraGriglia* f) {
                             if (ImportaDaCalendario(f, PercorsoProgramma(QString()))) f->Ricarica();
                         }});
    return d;
}

}  // namespace

TfrmExpRicordario::TfrmExpRicordario(QWidget* scheda, const std::filesystem::path& archivio,
                                     int anno)
    : FinestraGriglia(scheda, DichiarazioneScadenze(archivio, anno)) {}

void TfrmExpRicordario::Apri(QWidget* scheda, const std::filesystem::path& archivio, int anno) {
    MostraPerUso(std::make_unique<TfrmExpRicordario>(scheda, archivio, anno));
}
