#include <QCalendarWidget>
#include <QHeaderView>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/FinestraGriglia.h"
#include "gui/viewer/TfrmScadenze.h"
#include "support/FakePiattaforma.h"
#include "support/Griglie.h"

namespace {

std::string Byte(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The rows of an exported file, the header row first, each as its cell texts (still in
// Windows-1252, read as Latin-1).
QList<QStringList> Righe(const std::string& file) {
    QList<QStringList> righe;
    const QString t = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
    const QRegularExpression cella("<td[^>]*>([^<]*)</td>");
    for (const QString& riga : t.split("<tr>").mid(1)) {
        QStringList celle;
        for (auto m = cella.globalMatch(riga); m.hasNext();) celle << m.next().captured(1);
        righe << celle;
    }
    return righe;
}

QStringList Colonna(QTableView* g, int c) {
    QStringList r;
    for (int i = 0; i < g->model()->rowCount(); ++i) r << g->model()->index(i, c).data().toString();
    return r;
}

TSchedaScadenza Scheda(const char* data, const char* ora, const char* avviso,
                       const char* effettuata = "No") {
    return prova::NuovaScadenza()
        .Il(data)
        .Alle(ora)
        .Avviso(avviso)
        .Dettagli(std::string("Rata del ") + data)
        .Officina("Bonifico")
        .Pagatore("Rossi Mario")
        .DaConfermare("No")
        .Effettuata(effettuata);
}

}  // namespace

class TestElenchiScadenze : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmScadenze* viewer = nullptr;

    std::filesystem::path File(const QString& nome) const {
        return std::filesystem::path((fake->cartella() + nome).toStdString());
    }
    void Salva(const std::vector<TSchedaScadenza>& schede) {
        for (const auto& s : schede)
            SalvaScheda<TArchivioScadenze>(File(QString::fromStdString(s.Anno) + ".rcd"), 0, s);
    }
    // The viewer shown again: its check runs over what is now stored.
    void Mostra() {
        viewer->hide();
        viewer->show();
    }
    // Presses one of the viewer's buttons and drives the list it opens while it is shown.
    void Apri(QAbstractButton* pulsante, const std::function<void(FinestraGriglia*)>& guida) {
        Mostra();
        QVERIFY(pulsante->isEnabled());
        QVERIFY(GuidaGriglia(
            *fake, [pulsante] { QTest::mouseClick(pulsante, Qt::LeftButton); }, guida));
        QVERIFY(!viewer->findChild<FinestraGriglia*>());  // destroyed after use
    }
    static void Esporta(FinestraGriglia* f) { QTest::mouseClick(f->cmdEsporta, Qt::LeftButton); }

private slots:
    void init() {
        fake = new FakePiattaforma;
        fake->adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        fake->risposte = {Risposta::Si, Risposta::No};  // export, then do not open
        viewer = new TfrmScadenze;
    }
    void cleanup() {
        delete viewer;
        delete fake;
    }

    // OK lists today's imminent deadlines by date and time, the ordinal moving with its row;
    // damaged records between them hide none of them; the export has 19 cells a row.
    void imminentListSortedAndExported() {
        Salva({Scheda("20/03/2021", "10:00", "30"), Scheda("31/02/2021", "08:00", "30"),
               Scheda("18/03/2021", "16:30", "30"), Scheda("19/03/2021", "08:00", "x"),
               Scheda("19/03/2021", "08:00", "30", "Sì"), Scheda("09/03/2021", "08:00", "30"),
               Scheda("18/03/2021", "09:15", "30"),
               Scheda("18/03/2022", "09:15", "400")});  // next year's file is not read
        Apri(viewer->btnOK, [](FinestraGriglia* f) {
            QCOMPARE(f->objectName(), QString("TfrmExpImminenti"));
            QCOMPARE(f->windowTitle(), QString(" Scadenze imminenti"));
            QCOMPARE(f->size(), QSize(862, 560));
            QCOMPARE(f->panInfo->text(), QString("Esportazione archivio in Microsoft Excel."));
            QAbstractItemModel* m = f->grdRecords->model();
            QCOMPARE(m->columnCount(), 20);
            QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), QString("Pagamento"));
            QCOMPARE(f->grdRecords->columnWidth(5), 300);
            QCOMPARE(f->grdRecords->columnWidth(9), 180);
            QCOMPARE(m->headerData(18, Qt::Horizontal).toString(), QString("Da confermare"));
            QCOMPARE(m->headerData(19, Qt::Horizontal).toString(), QString("Codice univoco"));
            QCOMPARE(Colonna(f->grdRecords, 0), (QStringList{"3", "2", "1"}));
            QCOMPARE(Colonna(f->grdRecords, 19), (QStringList{"03180915", "03181630", "03201000"}));
            QCOMPARE(Colonna(f->grdRecords, 2), (QStringList{"09:15", "16:30", "10:00"}));
            Esporta(f);
        });
        const std::string file = Byte(File("Scadenze_Imminenti.xls"));
        QVERIFY(file.find("<x:Name>Scadenze imminenti</x:Name>") != std::string::npos);
        const auto righe = Righe(file);
        QCOMPARE(righe.size(), 4);
        for (const auto& r : righe) QCOMPARE(r.size(), 19);
        QCOMPARE(righe[0][4], QString("Pagamento"));
        QVERIFY(file.find("width=250>Pagamento<") != std::string::npos);
        QVERIFY(file.find("width=200>Codice fiscale<") != std::string::npos);
        QCOMPARE(righe[1][0], QString("18/03/2021"));
        QCOMPARE(righe[1][4], QString("Bonifico"));
        QCOMPARE(righe[1][18], QString("03180915"));
        QCOMPARE(righe[3][18], QString("03201000"));
    }

    // The day list reads the calendar's day, fulfilled and past deadlines included.
    void dayListOfTheCalendarsDay() {
        Salva({Scheda("18/03/2021", "16:30", "0"), Scheda("17/03/2021", "09:00", "0"),
               Scheda("18/03/2021", "09:15", "0", "Sì"), Scheda("18/04/2021", "08:00", "0")});
        viewer->calAppuntamenti->setSelectedDate(QDate(2021, 3, 18));
        Apri(viewer->btnGiorno, [](FinestraGriglia* f) {
            QCOMPARE(f->objectName(), QString("TfrmExpGiornaliere"));
            QCOMPARE(f->windowTitle(), QString(" Scadenze del giorno"));
            QAbstractItemModel* m = f->grdRecords->model();
            QCOMPARE(m->columnCount(), 21);
            QCOMPARE(f->grdRecords->columnWidth(5), 250);
            QCOMPARE(f->grdRecords->columnWidth(12), 200);
            QCOMPARE(f->grdRecords->columnWidth(19), 200);
            QCOMPARE(m->headerData(19, Qt::Horizontal).toString(), QString("Impegno assolto"));
            QCOMPARE(Colonna(f->grdRecords, 2), (QStringList{"09:15", "16:30"}));
            QCOMPARE(Colonna(f->grdRecords, 19), (QStringList{"Sì", "No"}));
            QCOMPARE(Colonna(f->grdRecords, 20), (QStringList{"03180915", "03181630"}));
            Esporta(f);
        });
        const std::string file = Byte(File("Scadenze_Giornaliere.xls"));
        QVERIFY(file.find("<x:Name>Scadenze del giorno</x:Name>") != std::string::npos);
        QVERIFY(file.find("width=250>Impegno assolto<") != std::string::npos);
        const auto righe = Righe(file);
        QCOMPARE(righe.size(), 3);
        for (const auto& r : righe) QCOMPARE(r.size(), 20);
        QCOMPARE(righe[1][18], QString("S\u00EC"));
        QCOMPARE(righe[2][19], QString("03181630"));
    }

    // The month list of the calendar's month, of the calendar's year.
    void monthListOfTheCalendarsMonth() {
        Salva({Scheda("31/03/2021", "08:00", "0"), Scheda("01/04/2021", "08:00", "0"),
               Scheda("05/03/2021", "18:00", "0", "Sì"), Scheda("05/03/2021", "09:30", "0")});
        viewer->calAppuntamenti->setSelectedDate(QDate(2021, 3, 18));
        Apri(viewer->btnMese, [](FinestraGriglia* f) {
            QCOMPARE(f->objectName(), QString("TfrmExpMensili"));
            QCOMPARE(f->windowTitle(), QString(" Scadenze del mese"));
            QCOMPARE(f->grdRecords->columnWidth(12), 180);
            QCOMPARE(Colonna(f->grdRecords, 20), (QStringList{"03050930", "03051800", "03310800"}));
            QCOMPARE(Colonna(f->grdRecords, 0), (QStringList{"3", "2", "1"}));
            Esporta(f);
        });
        const std::string file = Byte(File("Scadenze_Mensili.xls"));
        QVERIFY(file.find("<x:Name>Scadenze del mese</x:Name>") != std::string::npos);
        QCOMPARE(Righe(file).size(), 4);
    }

    // A day of a year without its file: the file is created empty, the list is empty, and
    // its export has the header row only. The banners still speak of the current year.
    void aYearWithoutItsFile() {
        Salva({Scheda("10/03/2021", "08:00", "0")});
        viewer->calAppuntamenti->setSelectedDate(QDate(1999, 3, 18));
        for (QAbstractButton* pulsante : {static_cast<QAbstractButton*>(viewer->btnGiorno),
                                          static_cast<QAbstractButton*>(viewer->btnMese)}) {
            std::filesystem::remove(File("1999.rcd"));
            Apri(pulsante, [](FinestraGriglia* f) {
                QCOMPARE(f->grdRecords->model()->rowCount(), 0);
                Esporta(f);
            });
            QVERIFY(std::filesystem::is_regular_file(File("1999.rcd")));
            QCOMPARE(std::filesystem::file_size(File("1999.rcd")), 0u);
            fake->risposte = {Risposta::Si, Risposta::No};
        }
        for (const char* nome : {"Scadenze_Giornaliere.xls", "Scadenze_Mensili.xls"}) {
            const auto righe = Righe(Byte(File(nome)));
            QCOMPARE(righe.size(), 1);
            QCOMPARE(righe[0].size(), 20);
            QCOMPARE(righe[0].last(), QString("Codice univoco"));
        }
        // Nothing imminent: OK is off; the list, opened all the same, is empty, and so is its
        // export.
        fake->adesso = QDateTime(QDate(2021, 3, 11), QTime(8, 0));
        Mostra();
        QVERIFY(!viewer->btnOK->isEnabled());
        fake->Rispondi([](FinestraGriglia* f) {
            if (f->grdRecords->model()->rowCount() == 0) Esporta(f);
        });
        viewer->btnOKClick();
        QCOMPARE(Righe(Byte(File("Scadenze_Imminenti.xls"))).size(), 1);
    }

    // A list that cannot read its year file shows no rows and says nothing.
    void anUnreadableYearFileGivesAnEmptyListInSilence() {
        fake->risposte.clear();  // nothing is exported here
        std::filesystem::create_directory(File("2021.rcd"));
        Apri(viewer->btnGiorno,
             [](FinestraGriglia* f) { QCOMPARE(f->grdRecords->model()->rowCount(), 0); });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
    }

    void everyListShowsTheSameHelpPage() {
        fake->risposte.clear();  // nothing is exported here
        QStringList pagine;
        fake->Rispondi([](FinestraGriglia* f) { QTest::mouseClick(f->cmdGuida, Qt::LeftButton); },
                       [&](QDialog* d) { pagine << d->findChild<QLabel*>("lblTitolo")->text(); });
        viewer->btnOKClick();
        viewer->btnGiornoClick();
        viewer->btnMeseClick();
        QCOMPARE(pagine, QStringList(3, "Visualizzazione scadenze e appuntamenti."));
    }
};

QTEST_MAIN(TestElenchiScadenze)
#include "tst_elenchi_scadenze.moc"
