#include <QCalendarWidget>
#include <QtTest>
#include <filesystem>

#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/Programma.h"
#include "gui/viewer/TfrmScadenze.h"
#include "support/FakePiattaforma.h"

class TestScadenze : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Programma* programma = nullptr;
    TfrmAvvio* avvio = nullptr;
    TfrmScadenze* viewer = nullptr;

    std::filesystem::path File(const QString& nome) const {
        return std::filesystem::path((fake->cartella() + nome).toStdString());
    }
    void Salva(const QString& anno, const char* data, const char* avviso,
               const char* effettuata = "No") {
        const TSchedaScadenza s = prova::NuovaScadenza()
                                      .Data(data)
                                      .Giorno(std::string(data).substr(0, 2))
                                      .Anno(std::string(data).substr(6, 4))
                                      .Alle("09:00")
                                      .Avviso(avviso)
                                      .Dettagli("Rata")
                                      .Pagatore("Rossi Mario")
                                      .DaConfermare("No")
                                      .Effettuata(effettuata);
        SalvaScheda<TArchivioScadenze>(File(anno + ".rcd"), 0, s);
    }
    void MettiSuono() {
        QFile f(fake->cartella() + "Avviso.mp3");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ID3");
    }
    // The viewer from the launcher's third application, as the user gets there.
    void ApriDalLanciatore() {
        avvio->Apri();
        QVERIFY(QTest::qWaitForWindowExposed(avvio));
        QTest::mouseClick(avvio->findChild<QAbstractButton*>("btnApp03"), Qt::LeftButton);
        QVERIFY(viewer->isVisible());
        QVERIFY(!avvio->isVisible());
    }
    void VerificaEsito(bool presenti) {
        QCOMPARE(viewer->imgPresenti->isVisibleTo(viewer), presenti);
        QCOMPARE(viewer->imgAssenti->isVisibleTo(viewer), !presenti);
        QCOMPARE(viewer->btnOK->isEnabled(), presenti);
    }
    QStringList Suono() const {
        QStringList r;
        for (const auto& c : fake->chiamate)
            if (c.operazione.contains("Suon")) r << c.operazione;
        return r;
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        fake->adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        programma = new Programma;
        avvio = programma->avvio();
        viewer = programma->scadenze();
    }
    void cleanup() {
        delete programma;
        delete fake;
    }

    void controlsAtTheirPlaces() {
        ApriDalLanciatore();
        QCOMPARE(viewer->windowTitle(),
                 QString(" Ricordario Diz 3.0 - Visualizzazione ricordario"));
        struct Caso {
            QWidget* w;
            QRect r;
            bool mano;
        } casi[] = {
            {viewer->calAppuntamenti, {64, 257, 182, 164}, false},
            {viewer->btnGiorno, {48, 462, 220, 30}, true},
            {viewer->btnMese, {48, 520, 220, 30}, true},
            {viewer->imgImminenti, {504, 244, 102, 91}, false},
            {viewer->btnOK, {704, 282, 156, 34}, true},
            {viewer->imgPresenti, {306, 448, 634, 95}, false},
            {viewer->imgAssenti, {306, 448, 634, 95}, false},
            {viewer->imgGuida, {26, 596, 141, 67}, true},
            {viewer->imgEsci, {826, 596, 140, 67}, true},
        };
        for (const auto& c : casi) {
            QCOMPARE(c.w->geometry(), c.r);
            QCOMPARE(c.w->cursor().shape() == Qt::PointingHandCursor, c.mano);
        }
        QCOMPARE(viewer->btnOK->text(), QString("OK"));
        QCOMPARE(viewer->lblInfo06->pos(), QPoint(496, 216));
        QCOMPARE(viewer->lblInfo06->text(), QString("Visualizza le scadenze imminenti."));
        QCOMPARE(viewer->lblOK->pos(), QPoint(618, 244));
        QCOMPARE(viewer->lblOK->text(),
                 QString("Premere OK per ottenere l'elenco delle scadenze."));
        QCOMPARE(viewer->lblInfo05->pos(), QPoint(496, 346));
        QCOMPARE(viewer->lblInfo05->text(),
                 QString("N.B. Il pulsante OK si attiva solo quando sono presenti scadenze "
                         "imminenti."));
        QCOMPARE(viewer->findChild<QWidget*>("calAppuntamenti"), viewer->calAppuntamenti);
    }

    void calendarInItalianFromMondaySetToTodayOnceAndKept() {
        QCalendarWidget* cal = viewer->calAppuntamenti;
        QCOMPARE(cal->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(cal->locale().monthName(3), QString("marzo"));
        QCOMPARE(viewer->DataCalendario(), QDate(2021, 3, 10));

        ApriDalLanciatore();
        cal->setSelectedDate(QDate(2019, 7, 4));
        QCOMPARE(viewer->DataCalendario(), QDate(2019, 7, 4));
        viewer->imgEsciClick();
        // The clock moves on; the calendar does not follow it.
        fake->adesso = QDateTime(QDate(2021, 3, 11), QTime(8, 0));
        ApriDalLanciatore();
        QCOMPARE(viewer->DataCalendario(), QDate(2019, 7, 4));
    }

    void missingYearFileIsCreatedEmptyAndNothingIsAnnounced() {
        Salva("2020", "10/03/2020", "5");  // other years never count
        Salva("2022", "10/03/2022", "400");
        MettiSuono();
        ApriDalLanciatore();
        QVERIFY(std::filesystem::exists(File("2021.rcd")));
        QCOMPARE(std::filesystem::file_size(File("2021.rcd")), 0u);
        VerificaEsito(false);
        QVERIFY(Suono().isEmpty());
        QVERIFY(fake->chiamate.isEmpty());
    }

    void anImminentDeadlineRaisesBannerOkAndAlarm() {
        Salva("2021", "15/03/2021", "4");        // warning not begun
        Salva("2021", "12/03/2021", "5", "Sì");  // fulfilled
        Salva("2021", "31/02/2021", "5");        // damaged: skipped, the reading goes on
        Salva("2021", "15/03/2021", "5");        // imminent
        MettiSuono();
        ApriDalLanciatore();
        VerificaEsito(true);
        QCOMPARE(Suono(), (QStringList{"CaricaSuono", "Suona"}));
        QCOMPARE(fake->Di("CaricaSuono").first().testo, fake->cartella() + "Avviso.mp3");
        QCOMPARE(fake->chiamate.size(), 2);

        // Closing stops the alarm and brings the launcher back.
        QTest::mouseClick(viewer->imgEsci, Qt::LeftButton);
        QVERIFY(!viewer->isVisible());
        QVERIFY(avvio->isVisible());
        QCOMPARE(Suono(), (QStringList{"CaricaSuono", "Suona", "FermaSuono"}));

        // Showing it again plays it again.
        ApriDalLanciatore();
        QCOMPARE(Suono(),
                 (QStringList{"CaricaSuono", "Suona", "FermaSuono", "CaricaSuono", "Suona"}));
        viewer->close();  // the title bar's close stops it as well
        QCOMPARE(Suono().last(), QString("FermaSuono"));
        QVERIFY(avvio->isVisible());
    }

    void withoutTheSoundFileBannerAndOkInSilence() {
        Salva("2021", "10/03/2021", "0");
        ApriDalLanciatore();
        VerificaEsito(true);
        QCOMPARE(Suono(), QStringList{"CaricaSuono"});
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        viewer->close();
        QCOMPARE(Suono(), QStringList{"CaricaSuono"});
    }

    void theCheckRunsAtEveryShowingWithTodayFromTheClock() {
        Salva("2021", "15/03/2021", "5");
        fake->adesso = QDateTime(QDate(2021, 3, 9), QTime(23, 59));
        ApriDalLanciatore();
        VerificaEsito(false);
        viewer->close();

        fake->adesso = QDateTime(QDate(2021, 3, 10), QTime(0, 0));
        ApriDalLanciatore();
        VerificaEsito(true);
        viewer->close();

        fake->adesso = QDateTime(QDate(2021, 3, 16), QTime(0, 0));
        ApriDalLanciatore();
        VerificaEsito(false);
    }

    void aFailingCheckLeavesTheWindowAsItWas() {
        Salva("2021", "10/03/2021", "0");
        MettiSuono();
        ApriDalLanciatore();
        VerificaEsito(true);
        viewer->close();
        fake->chiamate.clear();

        // A folder standing where the year file should be: the file cannot be opened.
        std::filesystem::remove(File("2021.rcd"));
        std::filesystem::create_directory(File("2021.rcd"));
        ApriDalLanciatore();
        VerificaEsito(true);
        QVERIFY(fake->chiamate.isEmpty());  // no message, no sound
    }

    void helpOpensTheViewerPage() {
        ApriDalLanciatore();
        QString titolo;
        fake->Rispondi([&](QDialog* d) {
            titolo = d->findChild<QLabel*>("lblTitolo")->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(viewer->imgGuida, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo, QString("TfrmGuida"));
        QCOMPARE(titolo, QString("Applicazione Visualizzazione ricordario."));
        QVERIFY(viewer->isVisible());
    }
};

QTEST_MAIN(TestScadenze)
#include "tst_scadenze.moc"
