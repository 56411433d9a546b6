#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include "core/help/Guida.h"
#include "gui/app/TfrmAvvio.h"
#include "gui/app/TfrmGuida.h"
#include "support/Banco.h"

// The help, information and credits windows as the launcher opens them.
class TestGuida : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmAvvio* avvio = nullptr;

    // Clicks a launcher picture and hands the window it opens to `guida`, which takes
    // the window class it expects.
    template <class Guida>
    void Apri(const char* immagine, Guida guida) {
        fake->Rispondi(guida);
        QTest::mouseClick(avvio->findChild<QAbstractButton*>(immagine), Qt::LeftButton);
        QVERIFY(!fake->Di("MostraModale").isEmpty());
    }

private slots:
    void init() {
        Prepara(fake, avvio);
        avvio->Apri();
    }
    void cleanup() { Smonta(fake, avvio); }

    void launcherHelpShowsTheOverviewPageAndScrolls() {
        Apri("imgGuida", [](TfrmGuida* g) {
            QCOMPARE(g->windowTitle(), QString(" Guida all'utilizzo del software"));
            QCOMPARE(g->size(), QSize(670, 572));
            QCOMPARE(g->lblTitolo->text(), QString("Uno sguardo a Ricordario Diz 3.0."));
            QVERIFY(g->txtGuida->toPlainText().contains("benvenutoadmin"));
            QVERIFY(g->txtGuida->toPlainText().contains("\n\n"));  // paragraphs apart
            QVERIFY(g->txtGuida->isReadOnly());
            // A long page scrolls inside the text area; the window keeps its size.
            QVERIFY(g->txtGuida->verticalScrollBar()->maximum() > 0);
        });
        QCOMPARE(fake->Di("MostraModale").first().testo, QString("TfrmGuida"));
    }

    void thePdfLinkOpensTheManualAsAFileUrl() {
        Apri("imgGuida", [this](TfrmGuida* g) {
            QTest::mousePress(g->lnkWeb, Qt::LeftButton);
            QCOMPARE(g->lnkWeb->Colore(), Collegamento::Arancio());
            QTest::mouseRelease(g->lnkWeb, Qt::LeftButton);
            QCOMPARE(g->lnkWeb->Colore(), Collegamento::BluScuro());
            QCOMPARE(fake->Ultima().operazione, QString("ApriUrl"));
            QCOMPARE(fake->Ultima().testo,
                     QUrl::fromLocalFile(fake->cartella() + "Guida.pdf").toString());
            QTest::mouseClick(g->imgPDF, Qt::LeftButton);
            QCOMPARE(fake->Di("ApriUrl").size(), 2);
        });
    }

    void everyPageOfTheManualCanBeShown() {
        for (const char* titolo : guida::Titoli) {
            fake->Rispondi([titolo](TfrmGuida* g) {
                [&] {
                    QCOMPARE(g->lblTitolo->text(), QString::fromUtf8(titolo));
                    QVERIFY(!g->txtGuida->toPlainText().isEmpty());
                }();
                return int(QDialog::Accepted);
            });
            MostraGuida(avvio, titolo);
        }
    }

    void infoMailLinkHandsTheWholeMailtoText() {
        Apri("imgInfo", [this](TfrmInfo* i) {
            QCOMPARE(i->windowTitle(), QString(" Informazioni su Ricordario Diz 3.0"));
            QTest::mouseClick(i->lnkWeb, Qt::LeftButton);
        });
        const QString atteso =
            "mailto:info@ricordario.example?subject=Software Ricordario Diz 3.0&body=Salve, "
            "desidererei avere le seguenti informazioni sul software in oggetto:";
        QCOMPARE(fake->Ultima().operazione, QString("ApriUrl"));
        QCOMPARE(QUrl(fake->Ultima().testo), QUrl(atteso, QUrl::TolerantMode));
        QCOMPARE(QUrl(fake->Ultima().testo).query(QUrl::FullyDecoded),
                 atteso.mid(atteso.indexOf('?') + 1));
    }

    void creditsWebLinkOpensTheSite() {
        Apri("imgCopyright", [](TfrmSplash* s) { QTest::mouseClick(s->lnkWeb, Qt::LeftButton); });
        QCOMPARE(fake->Ultima().testo, QString("https://ricordario.example"));
    }
};

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
