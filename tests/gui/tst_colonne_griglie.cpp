// The grid windows' columns as the windows draw them: each found by its control name, at
// its width.
#include <QHeaderView>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "gui/app/FinestraGriglia.h"
#include "gui/export/TfrmExpClienti.h"
#include "gui/export/TfrmExpRicordario.h"
#include "gui/viewer/TfrmExpGiornaliere.h"
#include "gui/viewer/TfrmExpImminenti.h"
#include "gui/viewer/TfrmExpMensili.h"
#include "support/FakePiattaforma.h"

class TestColonneGriglie : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;

private slots:
    void init() { fake = new FakePiattaforma; }
    void cleanup() { delete fake; }

    // Where the grids differ: the imminent list's payment column has a name of its own and
    // is wider, the month list's mobile column is narrower, and only the day and month
    // lists have the fulfilled column. A name the grid does not have finds no column.
    void everyGridFindsItsColumnsByNameAtTheirWidths() {
        struct Colonna {
            const char* nome;
            int indice;
            int larghezza;
        };
        struct Caso {
            const char* finestra;
            std::function<std::unique_ptr<FinestraGriglia>()> apri;
            std::vector<Colonna> colonne;
        };
        const QDate giorno(2021, 3, 10);
        const Caso casi[] = {
            {"TfrmExpClienti",
             [] { return std::make_unique<TfrmExpClienti>(nullptr); },
             {{"colNum", 0, 60},
              {"colDataNasc", 2, 120},
              {"colCodFisc", 13, 150},
              {"colScadeCarta", 16, 160},
              {"colNote", 25, 350},
              {"colCodice", -1, 0}}},
            {"TfrmExpRicordario",
             [] { return std::make_unique<TfrmExpRicordario>(nullptr, "2021.rcd", 2021); },
             {{"colNum", 0, 60},
              {"colOfficina", 5, 250},
              {"colCodFisc", 9, 180},
              {"colTelCel", 12, 200},
              {"colEffettuata", 18, 200},
              {"colPagamento", -1, 0}}},
            {"TfrmExpImminenti",
             [] { return std::make_unique<TfrmExpImminenti>(nullptr); },
             {{"colPagamento", 5, 300},
              {"colTelCel", 12, 200},
              {"colDaConfermare", 18, 200},
              {"colCodice", 19, 150},
              {"colOfficina", -1, 0},
              {"colEffettuata", -1, 0}}},
            {"TfrmExpGiornaliere",
             [giorno] { return std::make_unique<TfrmExpGiornaliere>(nullptr, giorno); },
             {{"colOfficina", 5, 250},
              {"colTelCel", 12, 200},
              {"colDaConfermare", 18, 200},
              {"colEffettuata", 19, 200},
              {"colCodice", 20, 150}}},
            {"TfrmExpMensili",
             [giorno] { return std::make_unique<TfrmExpMensili>(nullptr, giorno); },
             {{"colOfficina", 5, 250},
              {"colTelCel", 12, 180},
              {"colEffettuata", 19, 200},
              {"colCodice", 20, 150}}},
        };
        for (const Caso& c : casi) {
            const auto f = c.apri();
            QCOMPARE(f->objectName(), QString(c.finestra));
            for (const Colonna& k : c.colonne) {
                const QByteArray dove = QByteArray(c.finestra) + " " + k.nome;
                QVERIFY2(f->Colonna(k.nome) == k.indice, dove.constData());
                if (k.indice >= 0)
                    QVERIFY2(f->grdRecords->columnWidth(k.indice) == k.larghezza, dove.constData());
            }
        }
    }
};

QTEST_MAIN(TestColonneGriglie)
#include "tst_colonne_griglie.moc"
