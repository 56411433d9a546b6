#include <QtTest>
#include <filesystem>
#include <functional>

#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/contacts/TfrmRicontatta.h"
#include "support/Banco.h"

namespace {

TSchedaContatto Contatto(const char* cliente, const char* ricontatta, const char* questioni,
                         const char* note = "") {
    return prova::NuovoContatto(prova::Contatto(cliente, "", note))
        .Ricontatta(ricontatta)
        .Questioni(questioni);
}

QString Riga(const TSchedaContatto& s) {
    return QString::fromStdString(
        ricerca::RigaRicontatto(SchedaMemorizzata<TSchedaContatto>(s).Vista()));
}

}  // namespace

class TestRicontatta : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmClienti* scheda = nullptr;

    void Apri(const std::function<void(TfrmRicontatta*)>& guida) {
        fake->Rispondi(guida);
        scheda->cmdRicontattaClick();
    }
    static int Trova(TfrmRicontatta* f, const QString& testo) {
        f->txtTrova->setText(testo);
        QTest::mouseClick(f->btnTrova, Qt::LeftButton);
        return f->lstRecords->Selezionata();
    }

private slots:
    void init() { Prepara(fake, scheda); }
    void cleanup() { Smonta(fake, scheda); }

    void aMissingArchiveIsCreatedEmptyAndTrovaSaysTheListIsEmpty() {
        Apri([](TfrmRicontatta* f) {
            QCOMPARE(f->windowTitle(), QString(" Riepilogo persone da ricontattare"));
            QCOMPARE(f->lstRecords->count(), 0);
            QCOMPARE(Trova(f, "x"), -1);
        });
        QVERIFY(std::filesystem::is_regular_file(FileContatti()));
        QCOMPARE(std::filesystem::file_size(FileContatti()), 0u);
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo,
                 QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QVERIFY(!scheda->findChild<QDialog*>());  // destroyed after use
    }

    void onlyContactsMarkedSiAreListedWithTheirPendingQuestions() {
        AccodaContatti({Contatto("Verdi", "Sì", "preventivo auto", "nota verdi"),
                        Contatto("Rossi", "No", "rinnovo polizza"),
                        Contatto("Bianchi", "Sì", "rinnovo polizza", "nota bianchi"),
                        Contatto("Neri", "sì", "rinnovo polizza"),
                        Contatto("Gialli", "", "rinnovo")});
        Apri([](TfrmRicontatta* f) {
            const QStringList attese = {Riga(Contatto("Bianchi", "Sì", "rinnovo polizza")),
                                        Riga(Contatto("Verdi", "Sì", "preventivo auto"))};
            QCOMPARE(f->lstRecords->Righe(), attese);
            QVERIFY(f->lstRecords->Riga(0).endsWith("  rinnovo polizza"));
            // Find in list looks at the pending questions, not at the notes.
            QCOMPARE(Trova(f, "PREVENTIVO"), 1);
            QCOMPARE(Trova(f, "nota"), 1);  // not found: the selection stays
            QCOMPARE(Trova(f, "polizza"), 0);
            QCOMPARE(Trova(f, "polizza"), 0);  // the only match stays selected
        });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void showEmptiesTheRememberedTextAndFocusesTheFindField() {
        AccodaContatti({Contatto("Bianchi", "Sì", "rinnovo"), Contatto("Verdi", "Sì", "rinnovo")});
        Apri([](TfrmRicontatta* f) {
            QCOMPARE(Trova(f, "rinnovo"), 0);
            QCOMPARE(Trova(f, "rinnovo"), 1);
        });
        Apri([](TfrmRicontatta* f) {
            QCOMPARE(f->txtTrova->text(), QString());
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            QVERIFY(f->txtTrova->hasFocus());
            QCOMPARE(Trova(f, "rinnovo"), 0);  // a new search again
            f->txtTrova->setFocus();
            QTest::keyClick(f->txtTrova, Qt::Key_Return);
            QVERIFY(f->btnTrova->hasFocus());
            QCOMPARE(f->lstRecords->Selezionata(), 0);  // Enter did not press "Trova"
        });
    }

    void aDoubleClickShowsTheLaterOfTwoEqualRecordsOnTheCard() {
        TSchedaContatto prima = Contatto("Rossi", "Sì", "rinnovo", "nota uno");
        prima.CodFisc = "PRIMA";
        TSchedaContatto dopo = Contatto("Rossi", "Sì", "rinnovo", "nota due");
        dopo.CodFisc = "DOPO";
        AccodaContatti(
            {prima, Contatto("Bianchi", "Sì", "altro"), dopo, Contatto("Rossi", "No", "altro")});
        Apri([](TfrmRicontatta* f) {
            QCOMPARE(f->lstRecords->count(), 3);
            QCOMPARE(f->lstRecords->Riga(1), f->lstRecords->Riga(2));
            const QRect r = f->lstRecords->RettangoloRiga(1);
            QTest::mouseDClick(f->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
            QVERIFY(!f->isVisible());
        });
        QCOMPARE(scheda->findChild<QLineEdit*>("txtCodFisc")->text(), QString("DOPO"));
        QCOMPARE(scheda->findChild<QLineEdit*>("txtNote")->text(), QString("nota due"));
        QCOMPARE(scheda->findChild<QLabel*>("lblPosizione")->text(), QString("3"));
        QVERIFY(scheda->findChild<QCheckBox*>("chkRicontatta")->isChecked());
    }

    void aPickWithNoLineSelectedClosesWithoutTouchingTheCard() {
        AccodaContatti({Contatto("Rossi", "Sì", "rinnovo")});
        Apri([](TfrmRicontatta* f) {
            QTest::mouseDClick(f->lstRecords->viewport(), Qt::LeftButton, {},
                               QPoint(20, f->lstRecords->viewport()->height() - 5));
            QVERIFY(!f->isVisible());
        });
        QCOMPARE(scheda->findChild<QLineEdit*>("txtCliente")->text(), QString());
        QCOMPARE(scheda->findChild<QLabel*>("lblPosizione")->text(), QString());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void anArchiveThatCannotBeOpenedGivesAnEmptyListWithoutMessage() {
        std::filesystem::create_directory(FileContatti());
        Apri([](TfrmRicontatta* f) { QCOMPARE(f->lstRecords->count(), 0); });
        QCOMPARE(fake->chiamate.size(), 1);  // only the window itself, no message
        QCOMPARE(fake->Ultima().operazione, QString("MostraModale"));
    }

    void chiudiClosesAndEmptiesTheList() {
        AccodaContatti({Contatto("Bianchi", "Sì", "uno")});
        Apri([](TfrmRicontatta* f) {
            QCOMPARE(f->lstRecords->count(), 1);
            QVERIFY(f->lstRecords->Memoria() > 0);
            QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
            QVERIFY(!f->isVisible());
            QCOMPARE(f->lstRecords->count(), 0);
            QCOMPARE(f->lstRecords->Memoria(), 0u);  // the lines' memory is given back
        });
    }

    void stampaPrintsUnderItsTitle() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake->stampanteAccettata = true;
        AccodaContatti({Contatto("Verdi", "Sì", "seconda"), Contatto("Bianchi", "Sì", "prima")});
        Apri([](TfrmRicontatta* f) { QTest::mouseClick(f->btnStampa, Qt::LeftButton); });
        QProcess p;
        p.start("pdftotext", {fake->cartella() + "stampa.pdf", "-"});
        QVERIFY(p.waitForFinished());
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const qsizetype titolo = testo.indexOf("Riepilogo persone da ricontattare"),
                        b = testo.indexOf("prima"), v = testo.indexOf("seconda");
        QVERIFY2(titolo >= 0 && titolo < b && b < v, qPrintable(testo));
    }
};

QTEST_MAIN(TestRicontatta)
#include "tst_ricontatta.moc"
