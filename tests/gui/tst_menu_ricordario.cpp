#include <QtTest>
#include <filesystem>

#include "gui/app/Programma.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "support/FakePiattaforma.h"

class TestMenuRicordario : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Programma* programma = nullptr;
    TfrmAvvio* avvio = nullptr;
    TfrmMenuRicordario* menu = nullptr;
    TfrmRicordario* scheda = nullptr;

    std::filesystem::path File(const char* nome) const {
        return std::filesystem::path((fake->cartella() + nome).toStdString());
    }
    // Deadline entry from the launcher, as the user gets there.
    void ApriDalLanciatore() {
        avvio->Apri();
        QVERIFY(QTest::qWaitForWindowExposed(avvio));
        QTest::mouseClick(avvio->findChild<QAbstractButton*>("btnApp02"), Qt::LeftButton);
        QVERIFY(menu->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }
    void Digita(const QString& t) {
        menu->txtAnnoPreventivi->clear();
        QTest::keyClicks(menu->txtAnnoPreventivi, t);
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        fake->adesso = QDateTime(QDate(2021, 6, 15), QTime(9, 0));
        programma = new Programma;
        avvio = programma->avvio();
        menu = programma->menuRicordario();
        scheda = programma->ricordario();
        ApriDalLanciatore();
    }
    void cleanup() {
        delete programma;
        delete fake;
    }

    void showingProposesTheCurrentYear() {
        QVERIFY(!avvio->isVisible());
        QCOMPARE(menu->windowTitle(),
                 QString(" Ricordario Diz 3.0 - Inserimento scadenze e appuntamenti"));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QString("2021"));
        QVERIFY(menu->txtAnnoPreventivi->hasFocus());

        // Every showing proposes the year again, whatever was typed before.
        Digita("19");
        menu->imgEsciClick();
        fake->adesso = QDateTime(QDate(2024, 1, 2), QTime(8, 0));
        ApriDalLanciatore();
        QCOMPARE(menu->txtAnnoPreventivi->text(), QString("2024"));
    }

    void apriHandsTheYearToTheCardAndCreatesNoFile() {
        QTest::mouseClick(menu->btnApriPreventivi, Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        QVERIFY(!avvio->isVisible());
        QVERIFY(scheda->isVisible());
        QCOMPARE(scheda->FileAnno(), File("2021.rcd"));
        QCOMPARE(scheda->Anno(), 2021);
        QCOMPARE(scheda->lblAnno->text(), QString("2021"));
        QCOMPARE(scheda->windowTitle(),
                 QString(" Ricordario Diz 3.0 - Archivio scadenze e appuntamenti anno 2021"));
        QVERIFY(fake->chiamate.isEmpty());
        QVERIFY(!std::filesystem::exists(File("2021.rcd")));

        // The card's first command that opens the archive creates it, empty.
        scheda->cmdPrimoClick();
        QVERIFY(std::filesystem::exists(File("2021.rcd")));
        QCOMPARE(std::filesystem::file_size(File("2021.rcd")), 0u);
        QCOMPARE(fake->Ultima().testo, QString("L'archivio non contiene nessuna scheda."));

        // Closing the card goes back to the launcher, not to the year window.
        scheda->close();
        QVERIFY(avvio->isVisible());
        QVERIFY(!menu->isVisible());
    }

    void aYearOfOtherThanFourCharactersIsRefused() {
        const QString avviso("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
        for (const char* anno : {"202", ""}) {
            fake->chiamate.clear();
            Digita(anno);
            QTest::mouseClick(menu->btnApriPreventivi, Qt::LeftButton);
            QCOMPARE(fake->Di("MostraAvviso").size(), 1);
            QCOMPARE(fake->Ultima().tipo, QString("Warning"));
            QCOMPARE(fake->Ultima().testo, avviso);
            QVERIFY(menu->isVisible());
            QVERIFY(!scheda->isVisible());
            QVERIFY(menu->txtAnnoPreventivi->hasFocus());
        }
        QVERIFY(scheda->FileAnno().empty());
    }

    void onlyDigitsAndAtMostFourOfThem() {
        Digita("2a0-2 b1");
        QCOMPARE(menu->txtAnnoPreventivi->text(), QString("2021"));
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_7);
        QCOMPARE(menu->txtAnnoPreventivi->text(), QString("2021"));
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Backspace);
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Left);
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Delete);
        QCOMPARE(menu->txtAnnoPreventivi->text(), QString("20"));
    }

    void enterOnlyReachesApriAndEnterThereOpens() {
        Digita("2030");
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Return);
        QVERIFY(menu->btnApriPreventivi->hasFocus());
        QVERIFY(menu->isVisible());
        QVERIFY(!scheda->isVisible());
        QTest::keyClick(menu->btnApriPreventivi, Qt::Key_Return);
        QVERIFY(scheda->isVisible());
        QCOMPARE(scheda->lblAnno->text(), QString("2030"));
    }

    void leavingWithoutAYearGoesBackToTheLauncher() {
        QTest::mouseClick(menu->imgEsci, Qt::LeftButton);
        QVERIFY(avvio->isVisible());
        QVERIFY(!menu->isVisible());
        QVERIFY(!scheda->isVisible());

        ApriDalLanciatore();
        menu->close();  // the frame's close button
        QVERIFY(avvio->isVisible());
        QVERIFY(!scheda->isVisible());
    }

    void helpOpensTheDeadlineEntryPage() {
        QString titolo;
        fake->Rispondi([&](QDialog* d) {
            titolo = d->findChild<QLabel*>("lblTitolo")->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(menu->imgGuida, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo, QString("TfrmGuida"));
        QCOMPARE(titolo, QString("Applicazione Inserimento scadenze."));
        QVERIFY(menu->isVisible());
    }
};

QTEST_MAIN(TestMenuRicordario)
#include "tst_menu_ricordario.moc"
