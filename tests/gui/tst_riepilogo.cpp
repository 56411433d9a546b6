#include <QtTest>
#include <filesystem>
#include <functional>

#include "SchedeDiProva.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/text/Messaggi.h"
#include "gui/app/Programma.h"
#include "gui/app/TfrmGuida.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/summary/TfrmRiepCosti.h"
#include "support/FakePiattaforma.h"

namespace {

TSchedaScadenza Scadenza(const char* pagatore, const char* dettagli, const char* data,
                         const char* costo, const char* tipo = "Pagamento") {
    return prova::NuovaScadenza()
        .Pagatore(pagatore)
        .Dettagli(dettagli)
        .Data(data)
        .Ora("09:30")
        .Beneficiario(tipo)
        .Costo(costo);
}

QString Riga(const TSchedaScadenza& s) {
    return QString::fromStdString(
        scadenza::RigaScadenza(SchedaMemorizzata<TSchedaScadenza>(s).Vista()));
}

const QString kNonEsiste = QStringLiteral(
    " non esiste.\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data "
    "valida.");

}  // namespace

class TestRiepilogo : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Programma* programma = nullptr;
    TfrmAvvio* avvio = nullptr;
    TfrmMenuRiepCosti* menu = nullptr;
    QString paginaGuida;

    std::filesystem::path FileAnno(const char* anno = "2021") const {
        return std::filesystem::path((fake->cartella() + anno + ".rcd").toStdString());
    }
    void Scrivi(const std::vector<TSchedaScadenza>& schede, const char* anno = "2021") {
        TArchivioScadenze a;
        a.Apri(FileAnno(anno));
        for (const auto& s : schede) a.AccodaScheda(s);
        a.Chiudi();
    }
    void ApriDalLanciatore() {
        avvio->Apri();
        QVERIFY(QTest::qWaitForWindowExposed(avvio));
        QTest::mouseClick(avvio->findChild<QAbstractButton*>("btnApp04"), Qt::LeftButton);
        QVERIFY(menu->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }
    static void Scegli(QComboBox* c, const QString& voce) {
        c->setCurrentIndex(c->findText(voce));
        QCOMPARE(c->currentText(), voce);
    }
    void Intervallo(const QString& gi, const QString& mi, const QString& gf, const QString& mf) {
        Scegli(menu->txtGiornoInizio, gi);
        Scegli(menu->txtMeseInizio, mi);
        Scegli(menu->txtGiornoFine, gf);
        Scegli(menu->txtMeseFine, mf);
    }
    // Asks for the summary as the user does, and drives the summary window while it is shown.
    void Visualizza(const std::function<void(TfrmRiepCosti*)>& guida) {
        fake->Rispondi([&guida](TfrmRiepCosti* f) { guida(f); },
                       [this](TfrmGuida* g) {
                           paginaGuida = g->lblTitolo->text();  // a window the summary opened
                       });
        QTest::mouseClick(menu->btnVisualizza, Qt::LeftButton);
        fake->SmettiDiRispondere();
    }
    // The whole year, no filters.
    void AnnoIntero(const std::function<void(TfrmRiepCosti*)>& guida) {
        Intervallo("01", "Gennaio", "31", "Dicembre");
        Visualizza(guida);
    }
    static void Trova(TfrmRiepCosti* f, const QString& testo) {
        f->txtTrova->setText(testo);
        QTest::mouseClick(f->btnTrova, Qt::LeftButton);
    }
    QStringList Messaggi(const QString& operazione) const {
        QStringList t;
        for (const auto& c : fake->Di(operazione)) t << c.testo;
        return t;
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        fake->adesso = QDateTime(QDate(2021, 6, 15), QTime(9, 0));
        TfrmRiepCosti::TestoRicordato().clear();
        programma = new Programma;
        avvio = programma->avvio();
        menu = programma->menuRiepCosti();
        ApriDalLanciatore();
    }
    void cleanup() {
        delete programma;
        delete fake;
    }

    // --- The request window -------------------------------------------------------------------

    void everyShowingFromTheLauncherResetsTheRequest() {
        QVERIFY(!avvio->isVisible());
        QCOMPARE(menu->windowTitle(), QString(" Ricordario Diz 3.0 - Riepilogo scadenze"));
        QCOMPARE(menu->txtAnno->text(), QString("2021"));
        QCOMPARE(menu->lblAnnoInizio->text(), QString("2021"));
        QCOMPARE(menu->lblAnnoFine->text(), QString("2021"));
        QVERIFY(menu->txtCliente->hasFocus());
        QVERIFY(!menu->lblAttendere->isVisible());

        menu->txtCliente->setText("Rossi");
        menu->txtTarga->setText("Affitto");
        menu->txtAnno->setText("1999");
        Intervallo("05", "Marzo", "06", "Aprile");
        QTest::mouseClick(menu->btnEsci, Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        QVERIFY(avvio->isVisible());

        fake->adesso = QDateTime(QDate(2024, 1, 2), QTime(8, 0));
        ApriDalLanciatore();
        QCOMPARE(menu->txtAnno->text(), QString("2024"));
        QCOMPARE(menu->lblAnnoInizio->text(), QString("2024"));
        for (QLineEdit* e : {menu->txtCliente, menu->txtTarga}) QVERIFY(e->text().isEmpty());
        for (QComboBox* c :
             {menu->txtGiornoInizio, menu->txtMeseInizio, menu->txtGiornoFine, menu->txtMeseFine}) {
            QCOMPARE(c->currentText(), QString());
            QCOMPARE(c->currentIndex(), -1);
        }
    }

    void theYearLabelsFollowEveryKeyAndTheYearTakesOnlyDigits() {
        menu->txtAnno->setFocus();
        menu->txtAnno->selectAll();
        QTest::keyClick(menu->txtAnno, Qt::Key_Backspace);
        QCOMPARE(menu->lblAnnoInizio->text(), QString());
        QTest::keyClicks(menu->txtAnno, "2a0-");
        QCOMPARE(menu->txtAnno->text(), QString("20"));
        QCOMPARE(menu->lblAnnoInizio->text(), QString("20"));
        QCOMPARE(menu->lblAnnoFine->text(), QString("20"));
        QTest::keyClicks(menu->txtAnno, "2");
        QCOMPARE(menu->lblAnnoFine->text(), QString("202"));
        QTest::keyClicks(menu->txtAnno, "45");  // four characters at most
        QCOMPARE(menu->txtAnno->text(), QString("2024"));
        QCOMPARE(menu->lblAnnoInizio->text(), QString("2024"));
        QCOMPARE(menu->lblAnnoFine->text(), QString("2024"));
    }

    void listFieldsIgnoreTypingAndAreEmptiedWhenLeftWithoutAnItem() {
        menu->txtGiornoInizio->setFocus();
        QTest::keyClicks(menu->txtGiornoInizio, "12");
        QCOMPARE(menu->txtGiornoInizio->currentText(), QString());
        QTest::keyClicks(menu->txtMeseFine, "Marzo");
        QCOMPARE(menu->txtMeseFine->currentText(), QString());

        // Texts put there otherwise: a day must be "01" to "31", a month a month's name.
        struct Caso {
            QComboBox* campo;
            const char* testo;
            const char* resta;
        } casi[] = {
            {menu->txtGiornoInizio, "32", ""}, {menu->txtGiornoInizio, "7", ""},
            {menu->txtGiornoFine, "07", "07"}, {menu->txtMeseInizio, "marzo", "marzo"},
            {menu->txtMeseFine, "Marz", ""},   {menu->txtMeseFine, " APRILE ", " APRILE "},
        };
        for (const auto& c : casi) {
            c.campo->setFocus();
            c.campo->setEditText(c.testo);
            menu->txtTarga->setFocus();
            QCOMPARE(c.campo->currentText(), QString(c.resta));
        }
    }

    void enterMovesAlongTheFieldsAndStopsOnTheButton() {
        menu->txtAnno->setFocus();
        QWidget* attesi[] = {menu->txtCliente,    menu->txtTarga,      menu->txtGiornoInizio,
                             menu->txtMeseInizio, menu->txtGiornoFine, menu->txtMeseFine,
                             menu->btnVisualizza};
        for (QWidget* atteso : attesi) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), atteso);
        }
        QVERIFY(fake->chiamate.isEmpty());  // reaching the button did not press it
    }

    void theChecksAnswerWithTheirMessagesAndFocus() {
        struct Caso {
            const char* anno;
            QStringList intervallo;
            const char* operazione;
            QString testo;
            QWidget* fuoco;  // nullptr: where it was (the button just pressed)
        } casi[] = {
            {"202",
             {"01", "Gennaio", "31", "Dicembre"},
             "MostraAvviso",
             messaggi::AnnoQuattroCifre,
             menu->txtAnno},
            {"2021",
             {"", "", "", ""},
             "MostraAvviso",
             "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
             "cascata.",
             menu->txtGiornoInizio},
            {"2021",
             {"01", "Gennaio", "01", ""},
             "MostraAvviso",
             "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a "
             "cascata.",
             menu->txtMeseFine},
            {"2021",
             {"31", "Aprile", "31", "Dicembre"},
             "MostraMessaggio",
             "Attenzione: la data 31/04/2021 di inizio intervallo" + kNonEsiste,
             menu->txtGiornoInizio},
            {"2021",
             {"01", "Aprile", "30", "Febbraio"},
             "MostraMessaggio",
             "Attenzione: la data 30/02/2021 di fine intervallo" + kNonEsiste,
             menu->txtGiornoFine},
            {"2021",
             {"15", "Marzo", "10", "Marzo"},
             "MostraMessaggio",
             "Attenzione: la data di fine intervallo (10/03/2021) non può essere anteriore a "
             "quella di inizio intervallo (15/03/2021).\n\r\n\rPer poter visualizzare il "
             "riepilogo è necessario indicare un intervallo di tempo valido.",
             nullptr},
        };
        for (const auto& c : casi) {
            fake->chiamate.clear();
            menu->txtAnno->setText(c.anno);
            QComboBox* liste[] = {menu->txtGiornoInizio, menu->txtMeseInizio, menu->txtGiornoFine,
                                  menu->txtMeseFine};
            for (int i = 0; i < 4; ++i)
                liste[i]->setCurrentIndex(
                    c.intervallo[i].isEmpty() ? -1 : liste[i]->findText(c.intervallo[i]));
            QTest::mousePress(menu->btnVisualizza, Qt::LeftButton);
            QVERIFY(menu->lblAttendere->isVisible());  // busy from the press on
            QTest::mouseRelease(menu->btnVisualizza, Qt::LeftButton);
            QCOMPARE(fake->chiamate.size(), 1);
            QCOMPARE(fake->Ultima().operazione, QString(c.operazione));
            if (fake->Ultima().operazione == "MostraAvviso")
                QCOMPARE(fake->Ultima().tipo, QString("Warning"));
            QCOMPARE(fake->Ultima().testo, c.testo);
            QCOMPARE(QApplication::focusWidget(), c.fuoco ? c.fuoco : menu->btnVisualizza);
            QVERIFY(!menu->lblAttendere->isVisible());
        }
    }

    void aYearWithoutItsFileGivesAnEmptySummaryAndTheFile() {
        menu->txtCliente->setText("   ");
        menu->txtTarga->setText("");
        QVERIFY(!std::filesystem::exists(FileAnno()));
        bool mostrato = false;
        AnnoIntero([&](TfrmRiepCosti* f) {
            mostrato = true;
            QVERIFY(menu->lblAttendere->isVisible());  // busy while the summary is up
            QCOMPARE(f->windowTitle(), QString(" Ricordario Diz 3.0 - Riepilogo scadenze"));
            QCOMPARE(f->lstRecords->Righe(), QStringList());
            QCOMPARE(f->lblTotCosti->text(), QString("0,00"));
            QCOMPARE(f->lblIntervallo->text(), QString("Dal   01/01/2021   al   31/12/2021"));
            QCOMPARE(f->titTipologia->text(), QString("- - -"));
            QCOMPARE(f->focusWidget(), f->txtTrova);
        });
        QVERIFY(mostrato);
        QCOMPARE(fake->Di("MostraModale").size(), 1);
        QVERIFY(std::filesystem::is_regular_file(FileAnno()));
        QCOMPARE(std::filesystem::file_size(FileAnno()), 0u);
        QVERIFY(!menu->lblAttendere->isVisible());
        // The request stays as it was, for the next one.
        QCOMPARE(menu->txtGiornoFine->currentText(), QString("31"));
        QCOMPARE(menu->txtCliente->text(), QString("   "));
        QVERIFY(menu->isVisible());
    }

    void theContactSearchPickFillsTheContactField() {
        TArchivioContatti contatti;
        contatti.Apri(PercorsoProgramma(TArchivioContatti::NomeFile));
        contatti.AccodaScheda(prova::NuovoContatto().Cliente("Rossi Mario"));
        contatti.Chiudi();
        bool cercato = false;
        fake->Rispondi([&](TfrmTrovaClienti* ricerca) {
            cercato = true;
            QTest::mouseClick(ricerca->btnCerca, Qt::LeftButton);
            auto* l = ricerca->lstRecords;
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                               l->visualRect(l->model()->index(0, 0)).center());
        });
        QTest::mouseClick(menu->impCliente, Qt::LeftButton);
        QVERIFY(cercato);
        QCOMPARE(menu->txtCliente->text(), QString("Rossi Mario"));
    }

    // --- The summary --------------------------------------------------------------------------

    void theWholeYearWithoutFiltersListsEveryRecordInListOrderWithTheSum() {
        const std::vector<TSchedaScadenza> schede = {
            Scadenza("Verdi", "Bolletta luce", "03/02/2021", "10,00"),
            Scadenza("Rossi", "Affitto", "12/01/2021", "2,5"),
            Scadenza("Bianchi", "affitto", "01/12/2021", "0,25"),
            Scadenza("Neri", "Affitto", "05/01/2021", "0"),
            Scadenza("Gialli", "Bolletta gas", "31/12/2021", "-1,25"),
        };
        Scrivi(schede);
        AnnoIntero([&](TfrmRiepCosti* f) {
            // Affitto before Bolletta; within a reason by the date's text, so 05/01 comes
            // before 12/01 and after 01/12.
            QCOMPARE(f->lstRecords->Righe(),
                     (QStringList{Riga(schede[2]), Riga(schede[3]), Riga(schede[1]),
                                  Riga(schede[4]), Riga(schede[0])}));
            QCOMPARE(f->lblTotCosti->text(), QString("11,50"));
        });
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
    }

    void theFiltersTakeEveryCaseAndBothMustMatch() {
        Scrivi({Scadenza("Rossi Mario", "Affitto marzo", "05/03/2021", "1"),
                Scadenza("ROSSI", "Bolletta", "06/03/2021", "2"),
                Scadenza("rossi anna", "AFFITTO aprile", "07/04/2021", "4"),
                Scadenza("Verdi", "Affitto", "08/04/2021", "8")});
        menu->txtCliente->setText("rossi");
        AnnoIntero([](TfrmRiepCosti* f) {
            QCOMPARE(f->lstRecords->Righe().size(), qsizetype(3));
            QCOMPARE(f->lblTotCosti->text(), QString("7,00"));
            QCOMPARE(f->titTipologia->text(), QString("rossi"));
        });
        menu->txtTarga->setText("affitto");
        Visualizza([](TfrmRiepCosti* f) {
            QCOMPARE(f->lstRecords->Righe().size(), qsizetype(2));
            for (const QString& r : f->lstRecords->Righe()) QVERIFY(r.contains("ossi"));
            QCOMPARE(f->lblTotCosti->text(), QString("5,00"));
        });
    }

    void bothEndsAreIncludedAndTheDayBeforeIsNot() {
        Scrivi({Scadenza("A", "x", "09/03/2021", "1"), Scadenza("A", "x", "10/03/2021", "2"),
                Scadenza("A", "x", "20/03/2021", "4"), Scadenza("A", "x", "21/03/2021", "8")});
        Intervallo("10", "Marzo", "20", "Marzo");
        Visualizza([](TfrmRiepCosti* f) {
            QCOMPARE(f->lstRecords->Righe().size(), qsizetype(2));
            QCOMPARE(f->lblTotCosti->text(), QString("6,00"));
            QCOMPARE(f->lblIntervallo->text(), QString("Dal   10/03/2021   al   20/03/2021"));
        });
        Intervallo("20", "Marzo", "20", "Marzo");  // one day
        Visualizza([](TfrmRiepCosti* f) { QCOMPARE(f->lblTotCosti->text(), QString("4,00")); });
    }

    void totalsAreExactAndRoundedHalfAwayFromZero() {
        const struct {
            std::vector<const char*> importi;
            const char* totale;
        } casi[] = {
            {{"10,00", "2,5", "0,25"}, "12,75"}, {{"7"}, "7,00"},     {{"-5,5"}, "-5,50"},
            {{"0,125", "0,125"}, "0,25"},        {{"1,005"}, "1,01"}, {{"1234"}, "1234,00"},
        };
        int anno = 2030;
        for (const auto& c : casi) {
            std::vector<TSchedaScadenza> schede;
            for (const char* i : c.importi) schede.push_back(Scadenza("A", "x", "", i));
            const QString testoAnno = QString::number(++anno);
            for (auto& s : schede) s.Data = "01/06/" + testoAnno.toStdString();
            Scrivi(schede, testoAnno.toLatin1().constData());
            menu->txtAnno->setText(testoAnno);
            AnnoIntero([&](TfrmRiepCosti* f) {
                QCOMPARE(f->lstRecords->Righe().size(), static_cast<qsizetype>(c.importi.size()));
                QCOMPARE(f->lblTotCosti->text(), QString(c.totale));
            });
        }
    }

    void anUnreadableRecordIsLeftOutAndTheWarningSaysSo() {
        const std::vector<TSchedaScadenza> schede = {
            Scadenza("Rossi", "Prima", "01/02/2021", "10,00"),
            Scadenza("Rossi", "Seconda", "02/02/2021", "abc"),
            Scadenza("Rossi", "Terza", "03/02/2021", "2,75"),
        };
        Scrivi(schede);
        AnnoIntero([&](TfrmRiepCosti* f) {
            QCOMPARE(f->lstRecords->Righe(), (QStringList{Riga(schede[0]), Riga(schede[2])}));
            QCOMPARE(f->lblTotCosti->text(), QString("12,75"));
            QCOMPARE(f->lblIntervallo->text(), QString("Dal   01/01/2021   al   31/12/2021"));
            // The warning comes once the summary is on screen.
            QVERIFY(fake->Di("MostraAvviso").isEmpty());
            QTRY_COMPARE(fake->Di("MostraAvviso").size(), 1);
        });
        const Chiamata avviso = fake->Di("MostraAvviso").first();
        QCOMPARE(avviso.tipo, QString("Warning"));
        QCOMPARE(avviso.testo,
                 QString("Attenzione: 1 scheda dell'archivio non è stata inclusa né nel riepilogo "
                         "né nel totale degli importi:\n\r\n\r- 1 con un importo non valido."
                         "\n\r\n\rPer includerla, correggere la scheda nell'applicazione "
                         "Inserimento scadenze."));
    }

    void anArchiveThatCannotBeReadShowsNothingWithoutAMessage() {
        std::filesystem::create_directory(FileAnno());  // a folder where the file should be
        AnnoIntero([](TfrmRiepCosti* f) {
            QCOMPARE(f->lstRecords->Righe().size(), qsizetype(0));
            QCOMPARE(f->lblTotCosti->text(), QString("0,00"));
            QCOMPARE(f->lblIntervallo->text(), QString("Dal gg/mm/aaaa al gg/mm/aaaa"));
        });
        QCOMPARE(fake->chiamate.size(), 1);  // only the window itself
        QCOMPARE(fake->Ultima().operazione, QString("MostraModale"));
    }

    void theRememberedFindTextCarriesIntoTheNextSummary() {
        Scrivi({Scadenza("A", "Affitto", "01/02/2021", "1"),
                Scadenza("B", "Affitto", "02/02/2021", "1"),
                Scadenza("C", "Bolletta", "03/02/2021", "1")});
        AnnoIntero([](TfrmRiepCosti* f) {
            Trova(f, "AFFITTO");
            QCOMPARE(f->lstRecords->Selezionata(), 0);  // a new text tests the first line first
        });
        QCOMPARE(TfrmRiepCosti::TestoRicordato(), std::string("affitto"));
        AnnoIntero([](TfrmRiepCosti* f) {
            QCOMPARE(f->txtTrova->text(), QString());
            // The same text again is a repeated search: the first line is tested last.
            Trova(f, "affitto");
            QCOMPARE(f->lstRecords->Selezionata(), 1);
            Trova(f, "affitto");
            QCOMPARE(f->lstRecords->Selezionata(), 0);
        });
        AnnoIntero([](TfrmRiepCosti* f) {
            Trova(f, "bolletta");  // a new text
            QCOMPARE(f->lstRecords->Selezionata(), 2);
        });
    }

    void findingInAnEmptySummarySaysSo() {
        AnnoIntero([](TfrmRiepCosti* f) { Trova(f, "x"); });
        QCOMPARE(Messaggi("MostraMessaggio"), QStringList{messaggi::ListaVuota});
    }

    void printingAsksAndEndsWithTheThreeExtraLines() {
        // An empty summary prints nothing.
        AnnoIntero([](TfrmRiepCosti* f) { QTest::mouseClick(f->btnStampa, Qt::LeftButton); });
        QCOMPARE(Messaggi("MostraAvviso"),
                 QStringList{"Operazione di stampa non applicabile: il riepilogo non contiene "
                             "nessuna voce."});
        QCOMPARE(fake->Di("MostraAvviso").first().tipo, QString("Warning"));
        QVERIFY(fake->Di("ChiediConferma").isEmpty());

        Scrivi({Scadenza("Rossi", "Affitto", "01/02/2021", "10"),
                Scadenza("Rossi", "Bolletta", "02/02/2021", "2,5")});
        // No to the question: nothing printed.
        fake->risposte = {Risposta::No};
        menu->txtCliente->setText("Ross");
        AnnoIntero([](TfrmRiepCosti* f) { QTest::mouseClick(f->btnStampa, Qt::LeftButton); });
        QCOMPARE(Messaggi("ChiediConferma"),
                 QStringList{"Si vuole stampare il presente riepilogo?"});
        QVERIFY(fake->Di("ChiediStampante").isEmpty());

        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake->stampanteAccettata = true;
        AnnoIntero([](TfrmRiepCosti* f) { QTest::mouseClick(f->btnStampa, Qt::LeftButton); });
        QCOMPARE(fake->Di("ChiediStampante").size(), 1);
        QProcess p;
        p.start("pdftotext", {"-layout", fake->cartella() + "stampa.pdf", "-"});
        QVERIFY(p.waitForFinished());
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList attese = {"Riepilogo scadenze - Contatto: Ross",
                                    "Affitto",
                                    "Bolletta",
                                    "- - - - - - - - - - - - - - - -",
                                    "INTERVALLO SELEZIONATO: Dal 01/01/2021 al 31/12/2021",
                                    "TOTALE IMPORTI: € 12,50",
                                    "Stampa eseguita in data"};
        // pdftotext keeps the order; runs of blanks are read as one here.
        QString semplice = testo;
        semplice.replace(QRegularExpression(" +"), " ");
        qsizetype da = 0;
        for (const QString& a : attese) {
            const qsizetype i = semplice.indexOf(a, da);
            QVERIFY2(i >= 0, qPrintable(a + " not after the previous line in:\n" + semplice));
            da = i + a.size();
        }
    }

    void helpOpensItsPage() {
        AnnoIntero([](TfrmRiepCosti* f) { QTest::mouseClick(f->imgGuida, Qt::LeftButton); });
        QCOMPARE(fake->Di("MostraModale").size(), 2);
        QCOMPARE(paginaGuida, QString("Applicazione Riepilogo scadenze."));
    }
};

QTEST_MAIN(TestRiepilogo)
#include "tst_riepilogo.moc"
