#include "gui/deadlines/ElencoImpegni.h"

#include <QCloseEvent>
#include <array>
#include <string>

#include "core/deadlines/RigaScadenza.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TestoQt.h"

namespace {

// What tells the three lists apart, besides their rule.
struct Differenze {
    scadenza::StatoImpegni stato;
    const char* nome;
    const char* titolo;  // the window's caption
    const char* stampa;  // the printed title
};

constexpr std::array<Differenze, 3> kElenchi = {{
    {scadenza::StatoImpegni::DaConfermare, "TfrmDaConfermare",
     " Riepilogo appuntamenti da confermare", "Riepilogo appuntamenti da confermare"},
    {scadenza::StatoImpegni::NonAssolti, "TfrmConfermati", " Riepilogo impegni non assolti",
     "Riepilogo impegni non assolti"},
    {scadenza::StatoImpegni::Scaduti, "TfrmNonConfermati",
     " Riepilogo impegni scaduti e non assolti", "Riepilogo impegni scaduti e non assolti"},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kElenchi.size(); ++i)
            if (static_cast<std::size_t>(kElenchi[i].stato) != i) return false;
        return true;
    }(),
    "one row a list, in the order of the states");

const Differenze& Di(scadenza::StatoImpegni stato) {
    return kElenchi[static_cast<std::size_t>(stato)];
}

// One remembered find text for each of the three windows.
std::string& Ricordato(scadenza::StatoImpegni stato) {
    static std::array<std::string, kElenchi.size()> ricordati;
    return ricordati[static_cast<std::size_t>(stato)];
}

}  // namespace

ElencoImpegni::ElencoImpegni(QWidget* scheda, scadenza::StatoImpegni stato,
                             std::filesystem::path archivio, elenco::Scelta<TSchedaScadenza> scelta)
    : Dialogo(scheda, Di(stato).nome, Q(Di(stato).titolo), kDialogoElenco, Argb(kColoreElenco),
              Qt::white),
      stato_(stato),
      archivio_(std::move(archivio)),
      scelta_(std::move(scelta)) {
    Costruisci(this, Ricordato(stato), Q(Di(stato).stampa), false);
    connect(lstRecords, &ListaRisultati::DoppioClic, this, &ElencoImpegni::lstRecordsDblClick);
}

void ElencoImpegni::FormShow() {
    risultati->Dimentica();
    const Data oggi = Oggi();
    try {
        risultati->Elenca<TSchedaScadenza>(
            archivio_,
            [&](const scadenza::VistaScadenza& s) { return scadenza::Elencato(stato_, s, oggi); },
            scadenza::FormaScadenza);
    } catch (...) {
        AvvisaArchivioIlleggibile(this);
    }
    txtTrova->setFocus();
}

void ElencoImpegni::closeEvent(QCloseEvent* e) {
    lstRecords->clear();
    Dialogo::closeEvent(e);
}

void ElencoImpegni::lstRecordsDblClick() {
    risultati->Scegli<TSchedaScadenza>(archivio_, scadenza::FormaScadenza, scelta_);
}
