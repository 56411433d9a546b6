#include <QComboBox>
#include <QtTest>

#include "gui/app/Aspetto.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/Finestre.h"
#include "gui/app/RigaStato.h"
#include "gui/app/TMisc.h"
#include "support/Banco.h"

// A small window with one field of each kind, as the card windows build them.
class Prova : public FinestraIntera {
public:
    Prova() : FinestraIntera("Prova", " Prova", Qt::blue) {
        QWidget* p = Pannello();
        const QFont f = Carattere("Verdana", 12, true);
        codFisc = CampoTesto(p, "txtCodFisc", {10, 10, 200, 22}, 16, f);
        sesso = CampoTesto(p, "txtSesso", {10, 40, 50, 22}, 1, f);
        email = CampoTesto(p, "txtEmail", {10, 70, 200, 22}, 50, f);
        carta = CampoTesto(p, "txtCarta", {10, 100, 200, 22}, 30, f);
        costo = CampoTesto(p, "txtCosto", {10, 130, 200, 22}, 15, f);
        prov = ComboProvincia(p, "txtProvRes", {10, 160, 54, 22}, f);
        giorno = ComboSoloLista(p, "txtGiorno", {10, 190, 60, 22}, f, {"01", "02", "03"});
        FiltroMaiuscole(codFisc);
        FiltroSoloMaiuscole(sesso);
        FiltroRifila(email);
        FiltroCifre(carta);
        FiltroCifre(costo, true);
        for (QWidget* w : QList<QWidget*>{codFisc, sesso, email, carta, costo, prov, giorno})
            Evidenzia(w);
        CatenaInvio({codFisc, sesso, email, carta, costo, prov, giorno});
        info = new QLabel(p);
        info->setObjectName("panInfo");
        salva = Immagine::Comando(p, "cmdSalva", {300, 10, 148, 32}, "Salva");
        riga = new RigaStato(info);
        riga->Descrivi(salva, "Salva la scheda corrente in archivio.");
        riga->SvuotaSu(p);
    }
    QLineEdit *codFisc, *sesso, *email, *carta, *costo;
    QComboBox *prov, *giorno;
    QLabel* info;
    Immagine* salva;
    RigaStato* riga;
};

class TestConvenzioni : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Prova* w = nullptr;

private slots:
    void init() {
        Prepara(fake, w);
        QVERIFY(ApriAttiva(w));
    }
    void cleanup() { Smonta(fake, w); }

    void upperCaseFilterCapitalisesAndTrims() {
        w->codFisc->setFocus();
        QTest::keyClicks(w->codFisc, "rsnmra80");
        QCOMPARE(w->codFisc->text(), QString("RSNMRA80"));
        QTest::keyClick(w->codFisc, Qt::Key_Space);
        QCOMPARE(w->codFisc->text(), QString("RSNMRA80"));
        QTest::sendKeyEvent(QTest::Click, w->codFisc, Qt::Key_Agrave, QString("à"), Qt::NoModifier);
        QTest::keyClicks(w->codFisc, "b");  // only a–z change
        QCOMPARE(w->codFisc->text(), QString("RSNMRA80àB"));
    }

    void capitalsFilterKeepsBlanks() {
        w->sesso->setMaxLength(10);
        w->sesso->setFocus();
        QTest::keyClicks(w->sesso, "m f ");
        QCOMPARE(w->sesso->text(), QString("M F "));
    }

    void trimFilterRemovesBlanksWhileTypingAndOnLeaving() {
        w->email->setFocus();
        QTest::keyClicks(w->email, " a@b.it ");
        QCOMPARE(w->email->text(), QString("a@b.it"));
        w->email->setText("  x@y.it  ");
        w->carta->setFocus();
        QCOMPARE(w->email->text(), QString("x@y.it"));
    }

    void digitsFilterSwallowsEverythingButDigitsAndEditingKeys() {
        w->carta->setFocus();
        QTest::keyClicks(w->carta, "12a-3 .,x4");
        QCOMPARE(w->carta->text(), QString("1234"));
        QTest::keyClick(w->carta, Qt::Key_Backspace);
        QCOMPARE(w->carta->text(), QString("123"));
        QTest::keyClick(w->carta, Qt::Key_Left);
        QTest::keyClick(w->carta, Qt::Key_Left);
        QTest::keyClick(w->carta, Qt::Key_Delete);
        QCOMPARE(w->carta->text(), QString("13"));
        QTest::keyClick(w->carta, Qt::Key_Right);
        QTest::keyClicks(w->carta, "9");
        QCOMPARE(w->carta->text(), QString("139"));
    }

    void amountFilterTakesTheCommaAndSwallowsThePoint() {
        w->costo->setFocus();
        QTest::keyClicks(w->costo, "12,5");
        QCOMPARE(w->costo->text(), QString("12,5"));
        w->costo->clear();
        QTest::keyClicks(w->costo, "12.5");
        QCOMPARE(w->costo->text(), QString("125"));
    }

    void provinceIsCapitalisedAndUnknownCodesStay() {
        QCOMPARE(w->prov->count(), 112);
        QCOMPARE(w->prov->itemText(0), QString("AG"));
        QCOMPARE(w->prov->itemText(111), QString("VV"));
        w->prov->setFocus();
        QTest::keyClicks(w->prov, "mi");
        QCOMPARE(w->prov->currentText(), QString("MI"));
        w->prov->clearEditText();
        QTest::keyClicks(w->prov, "zzz");
        QCOMPARE(w->prov->currentText(), QString("ZZ"));
        w->giorno->setFocus();
        QCOMPARE(w->prov->currentText(), QString("ZZ"));
    }

    void provinceSelectionIsClearedOnFocusKeepingTheText() {
        w->prov->setCurrentIndex(w->prov->findText("BO"));
        w->giorno->setFocus();
        w->prov->setFocus();
        QCOMPARE(w->prov->currentIndex(), -1);
        QCOMPARE(w->prov->currentText(), QString("BO"));
    }

    void listOnlyComboSwallowsTyping() {
        w->giorno->setFocus();
        QTest::keyClicks(w->giorno, "12");
        QCOMPARE(w->giorno->currentText(), QString());
        w->giorno->setCurrentIndex(1);
        QTest::keyClick(w->giorno, Qt::Key_Down);
        QCOMPARE(w->giorno->currentText(), QString("02"));
    }

    void enterMovesAlongTheChainAndWraps() {
        w->codFisc->setFocus();
        const QList<QWidget*> attesi{w->sesso, w->email,  w->carta,  w->costo,
                                     w->prov,  w->giorno, w->codFisc};
        for (QWidget* atteso : attesi) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(atteso->hasFocus() || atteso->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(atteso->objectName()));
        }
    }

    void focusHighlightFollowsTheFocus() {
        auto* effCarta = w->findChild<QWidget*>("effCarta");
        auto* effCodFisc = w->findChild<QWidget*>("effCodFisc");
        QVERIFY(effCarta && effCodFisc);
        QCOMPARE(effCarta->geometry(), QRect(6, 96, 208, 30));
        w->carta->setFocus();
        QVERIFY(effCarta->isVisible());
        QVERIFY(!effCodFisc->isVisible());
        w->codFisc->setFocus();
        QVERIFY(!effCarta->isVisible());
        QVERIFY(effCodFisc->isVisible());
    }

    void statusLineEmptiesWhenTheMouseLeavesACommandForTheBackground() {
        QEvent entra(QEvent::Enter);
        QApplication::sendEvent(w->salva, &entra);
        QCOMPARE(w->info->text(), QString("Salva la scheda corrente in archivio."));
        QMouseEvent muovi(QEvent::MouseMove, QPointF(600, 400), QPointF(600, 400),
                          QPointF(600, 400), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->Pannello(), &muovi);
        QCOMPARE(w->info->text(), QString());
    }

    void shellOpenHandsUrls() {
        TMisc::Open("\"/tmp/Guida con spazi.pdf\"");
        QCOMPARE(fake->Ultima().testo, QUrl::fromLocalFile("/tmp/Guida con spazi.pdf").toString());
        TMisc::Open("https://ricordario.example");
        QCOMPARE(fake->Ultima().testo, QString("https://ricordario.example"));
        TMisc::Open("\"mailto:\"");
        QCOMPARE(fake->Ultima().testo, QString("mailto:"));
    }
};

QTEST_MAIN(TestConvenzioni)
#include "tst_convenzioni.moc"
