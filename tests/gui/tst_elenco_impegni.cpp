#include <QtTest>
#include <filesystem>
#include <functional>

#include "core/text/Messaggi.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/deadlines/ElencoImpegni.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "support/Banco.h"

namespace {

TSchedaScadenza Impegno(const char* dettagli, const char* data, const char* effettuata,
                        const char* daConfermare = "No") {
    return prova::NuovaScadenza()
        .Giorno(std::string(data).substr(0, 2))
        .Anno("2021")
        .Data(data)
        .Ora("10:00")
        .Pagatore("Rossi Mario")
        .Dettagli(dettagli)
        .Costo("0,00")
        .DaConfermare(daConfermare)
        .Effettuata(effettuata);
}

// On 10 April 2021; each reason says which lists should take the record.
const std::vector<TSchedaScadenza>& Impegni() {
    static const std::vector<TSchedaScadenza> schede = {
        Impegno("oggi non assolto", "10/04/2021", "No"),
        Impegno("domani non assolto", "11/04/2021", "No"),
        Impegno("da confermare assolto e passato", "02/01/2021", "Sì", "Sì"),
        Impegno("da confermare futuro", "20/12/2021", "No", "Sì"),
        Impegno("assolto in minuscolo", "01/04/2021", "no"),
        Impegno("assolto vuoto", "01/04/2021", ""),
        Impegno("data rovinata non assolto", "31/02/2021", "No"),
        Impegno("ieri non assolto", "09/04/2021", "No"),
        Impegno("gennaio non assolto", "15/01/2021", "No", "sì"),
    };
    return schede;
}

QStringList Righe(std::initializer_list<int> quali) {
    QStringList r;
    for (int i : quali)
        r << QString::fromStdString(scadenza::RigaScadenza(
            SchedaMemorizzata<TSchedaScadenza>(Impegni()[static_cast<std::size_t>(i)]).Vista()));
    return r;
}

}  // namespace

class TestElencoImpegni : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmRicordario* scheda = nullptr;

    // Opens a list with one of the card's commands, and drives it while it is shown.
    void Apri(QAbstractButton* comando, const std::function<void(ElencoImpegni*)>& guida) {
        fake->Rispondi(guida);
        QTest::mouseClick(comando, Qt::LeftButton);
    }
    QAbstractButton* Comando(const QString& nome) const {
        return scheda->findChild<QAbstractButton*>(nome);
    }
    static int Trova(ElencoImpegni* f, const QString& testo) {
        f->txtTrova->setText(testo);
        QTest::mouseClick(f->btnTrova, Qt::LeftButton);
        return f->lstRecords->Selezionata();
    }

private slots:
    void init() {
        Prepara(fake, scheda);
        fake->adesso = QDateTime(QDate(2021, 4, 10), QTime(23, 59, 0));
        scheda->ImpostaAnno(2021, (fake->cartella() + "2021.rcd").toStdString());
    }
    void cleanup() { Smonta(fake, scheda); }

    void eachListTakesTheRecordsOfItsRule_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("righe");
        // In list order, by reason.
        QTest::newRow("to confirm") << "cmdDaConfermare"
                                    << "TfrmDaConfermare"
                                    << " Riepilogo appuntamenti da confermare" << Righe({2, 3});
        QTest::newRow("not fulfilled")
            << "cmdDaEffettuare"
            << "TfrmConfermati"
            << " Riepilogo impegni non assolti" << Righe({3, 6, 1, 8, 7, 0});
        // The damaged date is skipped and the records after it are still listed.
        QTest::newRow("expired") << "cmdEffettuate"
                                 << "TfrmNonConfermati"
                                 << " Riepilogo impegni scaduti e non assolti" << Righe({8, 7, 0});
    }
    void eachListTakesTheRecordsOfItsRule() {
        QFETCH(QString, comando);
        QFETCH(QString, finestra);
        QFETCH(QString, titolo);
        QFETCH(QStringList, righe);
        AccodaScadenze(2021, Impegni());
        Apri(Comando(comando), [&](ElencoImpegni* f) {
            QCOMPARE(f->objectName(), finestra);
            QCOMPARE(f->windowTitle(), titolo);
            QCOMPARE(f->lstRecords->Righe(), righe);
            QVERIFY(!f->findChild<QWidget*>("lblTrovate"));
            QVERIFY(!f->findChild<QWidget*>("panAvvio"));
        });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QVERIFY(!scheda->findChild<QDialog*>());  // destroyed after use
    }

    void theExpiredListTakesTodayFromTheClock() {
        AccodaScadenze(2021, Impegni());
        fake->adesso = QDateTime(QDate(2021, 4, 11), QTime(0, 0, 1));
        Apri(Comando("cmdEffettuate"), [](ElencoImpegni* f) {
            QCOMPARE(f->lstRecords->Righe(), Righe({1, 8, 7, 0}));
        });
        fake->adesso = QDateTime(QDate(2021, 1, 14), QTime(12, 0));
        Apri(Comando("cmdEffettuate"),
             [](ElencoImpegni* f) { QCOMPARE(f->lstRecords->count(), 0); });
    }

    void anEmptyListAnswersTrovaWithTheMessage() {
        AccodaScadenze(2021, {Impegno("assolto", "01/04/2021", "Sì")});
        Apri(Comando("cmdDaConfermare"), [](ElencoImpegni* f) {
            QCOMPARE(f->lstRecords->count(), 0);
            QCOMPARE(Trova(f, "assolto"), -1);
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo,
                 QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    }

    void showFocusesTheFindFieldAndEachWindowRemembersItsOwnText() {
        AccodaScadenze(2021, Impegni());
        Apri(Comando("cmdDaEffettuare"), [](ElencoImpegni* f) {
            QCOMPARE(Trova(f, "non assolto"), 1);
            QCOMPARE(Trova(f, "non assolto"), 2);
        });
        // Another list has a remembered text of its own: a new search starts at the top.
        Apri(Comando("cmdEffettuate"), [](ElencoImpegni* f) {
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            QVERIFY(f->txtTrova->hasFocus());
            QCOMPARE(Trova(f, "non assolto"), 0);
            QTest::keyClick(f->txtTrova, Qt::Key_Return);
            QVERIFY(f->btnTrova->hasFocus());
            QCOMPARE(f->lstRecords->Selezionata(), 0);  // Enter did not press "Trova"
        });
    }

    void aPickShowsTheRecordOnTheCardAtItsPosition() {
        AccodaScadenze(2021, Impegni());
        scheda->chkEffettuata->setChecked(true);
        scheda->chkDaConfermare->setChecked(true);
        Apri(Comando("cmdEffettuate"), [](ElencoImpegni* f) {
            ListaRisultati* l = f->lstRecords;
            QVERIFY(l->Riga(1).startsWith("ieri non assolto"));
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                               l->RettangoloRiga(1).center());
            QVERIFY(!f->isVisible());
            QCOMPARE(l->count(), 0);  // emptied on close
        });
        QCOMPARE(scheda->txtDettagli->text(), QString("ieri non assolto"));
        QCOMPARE(scheda->lblData->text(), QString("09/04/2021"));
        QCOMPARE(scheda->lblPosizione->text(), QString("8"));
        QVERIFY(!scheda->chkEffettuata->isChecked());
        QVERIFY(!scheda->chkDaConfermare->isChecked());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void anArchiveThatCannotBeOpenedGivesAnEmptyListWithoutMessage() {
        std::filesystem::create_directory(FileAnno(2021));
        Apri(Comando("cmdDaEffettuare"),
             [](ElencoImpegni* f) { QCOMPARE(f->lstRecords->count(), 0); });
        QCOMPARE(fake->chiamate.size(), 1);  // only the window itself, no message
        QCOMPARE(fake->Ultima().operazione, QString("MostraModale"));
    }

    void theExpiredListPrintsUnderItsTitleInListOrder() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake->stampanteAccettata = true;
        AccodaScadenze(2021, Impegni());
        Apri(Comando("cmdEffettuate"),
             [](ElencoImpegni* f) { QTest::mouseClick(f->btnStampa, Qt::LeftButton); });
        QProcess p;
        p.start("pdftotext", {"-layout", fake->cartella() + "stampa.pdf", "-"});
        QVERIFY(p.waitForFinished());
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const qsizetype titolo = testo.indexOf("Riepilogo impegni scaduti e non assolti"),
                        g = testo.indexOf("gennaio non assolto"),
                        i = testo.indexOf("ieri non assolto"),
                        o = testo.indexOf("oggi non assolto");
        QVERIFY2(titolo >= 0 && titolo < g && g < i && i < o, qPrintable(testo));
        QVERIFY(!testo.contains("domani"));
    }
};

QTEST_MAIN(TestElencoImpegni)
#include "tst_elenco_impegni.moc"
