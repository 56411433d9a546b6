#pragma once
// What the two search windows share: the filter panel `panAvvio` (instruction lines, one
// text filter a row with its caption, highlight and Enter chain, the busy label, "Cerca"
// and "Chiudi"), the result panel `panContainer` that replaces it after a search, and the
// search itself. A search window gives its
// filter table, the record field of each filter, its line and where a picked record goes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "core/lists/Elenco.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/app/Finestre.h"
#include "gui/app/MessaggioAccesso.h"
#include "gui/app/TestoQt.h"

class FinestraRicerca : public Dialogo, public PannelloRisultati {
    Q_OBJECT
public:
    QWidget* panAvvio;
    QLabel* lblAttendere;
    QPushButton* btnCerca;
    QPushButton* btnAnnulla;
    QWidget* panContainer;  // the result panel: txtTrova, btnTrova, lstRecords, lblTrovate...

protected:
    struct Filtro {
        QLineEdit** campo;
        const char* nome;
        const char* etichetta;
    };
    FinestraRicerca(QWidget* chiamante, const char* nome, const QString& titolo);
    // Lays out the filters in the table's order (also the Enter chain, from the last back
    // to the first) and the result panel, which prints under `titoloStampa`.
    void CostruisciPannelli(std::span<const Filtro> filtri, std::string& ricordato,
                            const QString& titoloStampa);

    // "Cerca" over `file`: filter i, as typed, is looked for in field `campi[i]`; a record
    // is listed when the filters it holds reach the number of filled ones (every record
    // when none is filled). Then the result panel shows `conteggio` with the number of
    // lines in place of "%1", and the find field empty and focused; when the archive
    // cannot be opened or read, the shared access message instead, on the filter panel.
    template <class Scheda, std::size_t N>
    void Cerca(const std::array<QLineEdit*, N>& filtri,
               const std::array<std::string Scheda::*, N>& campi, const std::filesystem::path& file,
               const elenco::FormaRiga<Scheda>& forma, const QString& conteggio) {
        std::array<std::string, N> testi;
        for (std::size_t i = 0; i < N; ++i) testi[i] = S(filtri[i]->text());
        const elenco::Ricerca<Scheda, N> ricerca(testi, campi);
        QString errore;
        try {
            risultati->Elenca<Scheda>(
                file, [&](const VistaScheda<Scheda>& s) { return ricerca.Trovata(s); }, forma);
        } catch (const std::exception& e) {
            errore = MessaggioAccesso(e);
        } catch (...) {
            errore = QString::fromUtf8(messaggi::AccessoArchivio);
        }
        FineRicerca(errore, conteggio);
    }

    // On show: the remembered find text forgotten, the filter panel, the focus on the
    // first filter. On close: the list emptied, the busy label hidden.
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    // `errore` empty when the search went through.
    void FineRicerca(const QString& errore, const QString& conteggio);
    QLineEdit* primo_ = nullptr;
};
