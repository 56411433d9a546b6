#pragma once
// The three lists of commitments by state, opened from the deadline card: appointments to
// confirm (TfrmDaConfermare), commitments not fulfilled (TfrmConfermati), commitments
// expired and not fulfilled (TfrmNonConfermati). One window, ElencoImpegni; the three
// differ only in their caption, their rule and their printed title, which a table holds.
// Each lists the year file the card has open when shown, and hands a picked record to
// the card.
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "core/lists/Elenco.h"
#include "core/deadlines/RicercaScadenze.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/Finestre.h"

class ElencoImpegni : public Dialogo, public PannelloRisultati {
    Q_OBJECT
public:
    // `scheda` owns the window; `archivio` is the year file it lists; `scelta` receives the
    // picked record with its position.
    ElencoImpegni(QWidget* scheda, scadenza::StatoImpegni stato, std::filesystem::path archivio,
                  elenco::Scelta<TSchedaScadenza> scelta);

    // The controls are those of the result panel: txtTrova, btnTrova, lstRecords,
    // btnStampa, btnChiudi (no count label).

    void lstRecordsDblClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    scadenza::StatoImpegni stato_;
    std::filesystem::path archivio_;
    elenco::Scelta<TSchedaScadenza> scelta_;
};

// One of the three lists, by its state.
template <scadenza::StatoImpegni Stato>
class FinestraImpegni final : public ElencoImpegni {
public:
    FinestraImpegni(QWidget* scheda, std::filesystem::path archivio,
                    elenco::Scelta<TSchedaScadenza> scelta)
        : ElencoImpegni(scheda, Stato, std::move(archivio), std::move(scelta)) {}

    // The card's command: a new list, shown modally and destroyed when it closes.
    static void Apri(QWidget* scheda, const std::filesystem::path& archivio,
                     elenco::Scelta<TSchedaScadenza> scelta) {
        MostraPerUso(std::make_unique<FinestraImpegni>(scheda, archivio, std::move(scelta)));
    }
};

using TfrmDaConfermare = FinestraImpegni<scadenza::StatoImpegni::DaConfermare>;
using TfrmConfermati = FinestraImpegni<scadenza::StatoImpegni::NonAssolti>;
using TfrmNonConfermati = FinestraImpegni<scadenza::StatoImpegni::Scaduti>;
