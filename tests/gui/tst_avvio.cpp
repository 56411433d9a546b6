#include <QtTest>

#include "gui/app/Programma.h"
#include "support/FakePiattaforma.h"

class TestAvvio : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmAvvio* avvio = nullptr;
    FinestraIntera* app = nullptr;

    template <class T = QAbstractButton>
    T* Controllo(const char* nome) {
        auto* c = avvio->findChild<T*>(nome);
        if (!c) qWarning("manca %s", nome);
        return c;
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        avvio = new TfrmAvvio;
        app = new FinestraIntera("TfrmProva", " Ricordario Diz 3.0 - Prova", Qt::blue);
        avvio->ImpostaApplicazione(1, app);
        avvio->Apri();
        QVERIFY(QTest::qWaitForWindowExposed(avvio));
    }
    void cleanup() {
        delete app;
        delete avvio;
        delete fake;
    }

    void picturesAtTheirPlacesWithHandCursors() {
        struct Caso { const char* nome; QRect r; bool mano; } casi[] = {
            {"imgInfo", {14, 14, 30, 30}, true},       {"icoIcona", {122, 14, 70, 74}, false},
            {"icoTitolo", {204, 15, 583, 77}, false},  {"icoVersione", {794, 11, 78, 77}, false},
            {"imgGuida", {952, 16, 29, 28}, true},     {"icoSottotitolo", {17, 98, 961, 22}, false},
            {"imgApp01", {129, 155, 258, 164}, true},  {"btnApp01", {81, 326, 356, 45}, true},
            {"imgApp02", {604, 155, 258, 164}, true},  {"btnApp02", {556, 326, 356, 45}, true},
            {"imgApp03", {129, 395, 258, 164}, true},  {"btnApp03", {81, 566, 356, 45}, true},
            {"imgApp04", {604, 395, 258, 164}, true},  {"btnApp04", {556, 566, 356, 45}, true},
            {"icoSito", {17, 630, 961, 22}, true},     {"imgCopyright", {16, 660, 23, 22}, true},
            {"imgEsci", {960, 662, 17, 18}, true},
        };
        for (const auto& c : casi) {
            auto* w = Controllo<QWidget>(c.nome);
            QVERIFY2(w, c.nome);
            QCOMPARE(w->geometry(), c.r);
            QCOMPARE(w->cursor().shape() == Qt::PointingHandCursor, c.mano);
        }
        QCOMPARE(avvio->windowTitle(), QString(" Ricordario Diz 3.0"));
        QCOMPARE(Controllo("btnApp03")->text(), QString("VISUALIZZAZIONE RICORDARIO"));
    }

    void pictureAndButtonOpenTheApplicationAndClosingComesBack() {
        for (const char* nome : {"imgApp01", "btnApp01"}) {
            QTest::mouseClick(Controllo(nome), Qt::LeftButton);
            QVERIFY(app->isVisible());
            QVERIFY(!avvio->isVisible());
            app->close();  // the title bar's close, or the window's exit command
            QVERIFY(!app->isVisible());
            QVERIFY(avvio->isVisible());
        }
        QVERIFY(fake->Di("Termina").isEmpty());
    }

    void anApplicationNotYetThereDoesNothing() {
        QTest::mouseClick(Controllo("btnApp04"), Qt::LeftButton);
        QVERIFY(avvio->isVisible());
    }

    void exitPictureAndClosingEndTheProgram() {
        QTest::mouseClick(Controllo("imgEsci"), Qt::LeftButton);
        QCOMPARE(fake->Di("Termina").size(), 1);
        avvio->close();
        QCOMPARE(fake->Di("Termina").size(), 2);
    }

    void siteLinkOpensTheWebSite() {
        QTest::mouseClick(Controllo("icoSito"), Qt::LeftButton);
        QCOMPARE(fake->Ultima().operazione, QString("ApriUrl"));
        QCOMPARE(fake->Ultima().testo, QString("https://ricordario.example"));
    }

    void contentPanelStaysCentred() {
        avvio->resize(1400, 900);
        QTRY_COMPARE(avvio->Pannello()->geometry(), QRect((1400 - 995) / 2, (900 - 692) / 2, 995, 692));
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
