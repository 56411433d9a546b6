#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "../core/LimiteFile.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/archive/FileIntero.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/FinestraGriglia.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "support/FakePiattaforma.h"
#include "support/Griglie.h"

namespace {

const QString kDomandaEsporta(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kDomandaApri(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");
const QString kFallita(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
    "Excel non sia già aperto.");

std::string Byte(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScriviByte(const std::filesystem::path& p, const std::string& b) {
    std::ofstream(p, std::ios::binary) << b;
}

// The data rows of an exported file, each as its cell texts (still in Windows-1252).
QList<QStringList> Righe(const std::string& file) {
    QList<QStringList> righe;
    const QString t = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
    const QString apri = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    for (const QString& riga : t.split("<tr>").mid(2)) {
        QStringList celle;
        for (const QString& c : riga.split(apri).mid(1)) celle << c.left(c.indexOf("</td>"));
        righe << celle;
    }
    return righe;
}

QString Cella(QTableView* g, int r, int c) { return g->model()->index(r, c).data().toString(); }

// Types into a grid cell as the user does: the cell's editor opens and gets the keys.
void Digita(QTableView* g, int r, int c, const QString& testo) {
    const QModelIndex i = g->model()->index(r, c);
    g->setCurrentIndex(i);
    g->edit(i);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(i));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
}

}  // namespace

class TestEsporta : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmClienti* clienti = nullptr;
    TfrmRicordario* ricordario = nullptr;

    std::filesystem::path Programma(const char* nome) const {
        return PercorsoProgramma(QString::fromLatin1(nome));
    }
    void Contatti(const std::vector<TSchedaContatto>& schede) {
        TArchivioContatti a;
        a.Apri(Programma(TArchivioContatti::NomeFile));
        for (const auto& s : schede) a.AccodaScheda(s);
    }
    // Opens a card's export window and drives it while it is shown.
    void Apri(QWidget* scheda, const std::function<void(FinestraGriglia*)>& guida) {
        QVERIFY(GuidaGriglia(
            *fake,
            [scheda] {
                QTest::mouseClick(scheda->findChild<QAbstractButton*>("cmdEsporta"),
                                  Qt::LeftButton);
            },
            guida));
        QVERIFY(!scheda->findChild<FinestraGriglia*>());  // destroyed after use
    }
    static void Esporta(FinestraGriglia* f) { QTest::mouseClick(f->cmdEsporta, Qt::LeftButton); }

private slots:
    void init() {
        fake = new FakePiattaforma;
        clienti = new TfrmClienti;
        ricordario = new TfrmRicordario;
        ricordario->ImpostaAnno(2021, (fake->cartella() + "2021.rcd").toStdString());
    }
    void cleanup() {
        delete ricordario;
        delete clienti;
        delete fake;
    }

    void theContactsGridShowsEveryRecordInFileOrder() {
        const TSchedaContatto roma = prova::NuovoContatto()
                                         .Cliente("Rossi Mario")
                                         .ComuneNasc("Roma")
                                         .ProvNasc("RM")
                                         .PartitaIva("00945300507");
        const TSchedaContatto senza =
            prova::NuovoContatto(roma).Cliente("Bianchi Anna").ProvNasc("");
        Contatti({roma, senza, prova::NuovoContatto().Cliente("Verdi")});
        Apri(clienti, [](FinestraGriglia* f) {
            QCOMPARE(f->objectName(), QString("TfrmExpClienti"));
            QCOMPARE(f->windowTitle(), QString(" Esporta archivio contatti in Microsoft Excel"));
            QCOMPARE(f->size(), QSize(862, 560));
            QCOMPARE(f->grdRecords->size(), QSize(821, 409));
            QCOMPARE(f->grdRecords->verticalHeader()->defaultSectionSize(), 21);
            QVERIFY(f->grdRecords->alternatingRowColors());
            QCOMPARE(f->panInfo->text(), QString("Esportazione archivio in Microsoft Excel."));

            QAbstractItemModel* m = f->grdRecords->model();
            QCOMPARE(m->columnCount(), 26);
            QCOMPARE(m->rowCount(), 3);
            const struct {
                int colonna;
                const char* testata;
                int larghezza;
                bool modificabile;
            } colonne[] = {{0, "N.", 60, false},
                           {3, "Comune / Stato estero di nascita", 250, false},
                           {6, "Comune di residenza", 250, true},
                           {14, "Partita IVA", 150, true},
                           {16, "Scadenza", 160, true},
                           {17, "IBAN", 250, true},
                           {25, "Note", 350, true}};
            for (const auto& c : colonne) {
                QCOMPARE(m->headerData(c.colonna, Qt::Horizontal).toString(), QString(c.testata));
                QCOMPARE(f->grdRecords->columnWidth(c.colonna), c.larghezza);
                QCOMPARE(bool(m->flags(m->index(0, c.colonna)) & Qt::ItemIsEditable),
                         c.modificabile);
            }
            for (int r = 0; r < 3; ++r)
                QCOMPARE(Cella(f->grdRecords, r, 0), QString::number(r + 1));
            QCOMPARE(Cella(f->grdRecords, 0, 1), QString("Rossi Mario"));
            QCOMPARE(Cella(f->grdRecords, 1, 1), QString("Bianchi Anna"));
            QCOMPARE(Cella(f->grdRecords, 2, 1), QString("Verdi"));
            QCOMPARE(Cella(f->grdRecords, 0, 3), QString("Roma RM"));
            QCOMPARE(Cella(f->grdRecords, 1, 3), QString("Roma "));
            Esporta(f);
        });
        const auto righe = Righe(Byte(Programma("Contatti.xls")));
        QCOMPARE(righe.size(), 3);
        for (const auto& r : righe) QCOMPARE(r.size(), 25);
        QCOMPARE(righe[0][0], QString("Rossi Mario"));
        QCOMPARE(righe[0][2], QString("Roma RM"));
        QCOMPARE(righe[1][2], QString("Roma"));
        QCOMPARE(righe[0][13], QString("00945300507"));
        QCOMPARE(righe[2][0], QString("Verdi"));
        QCOMPARE(fake->Di("ChiediConferma").size(), 2);
        QCOMPARE(fake->Di("ChiediConferma")[0].testo, kDomandaEsporta);
        QCOMPARE(fake->Di("ChiediConferma")[1].testo, kDomandaApri);
        // Yes to the second question: the shell opens the file.
        QCOMPARE(fake->Di("ApriUrl").size(), 1);
        QCOMPARE(fake->Ultima().testo,
                 QUrl::fromLocalFile(fake->cartella() + "Contatti.xls").toString());
    }

    void whatIsTypedInTheGridReachesTheFileAndNotTheArchive() {
        Contatti(
            {prova::NuovoContatto().Cliente("Rossi Mario").Iban("IT00A0000000000000000000000")});
        const std::string archivio = Byte(Programma(TArchivioContatti::NomeFile));
        Apri(clienti, [](FinestraGriglia* f) {
            const QModelIndex nome = f->grdRecords->model()->index(0, 1);
            QVERIFY(!f->grdRecords->model()->setData(nome, "Altro"));  // not an editable column
            Digita(f->grdRecords, 0, 17, "IT60X0542811101000000123456");
            Digita(f->grdRecords, 0, 25, "=1+1 & <b>");
            // Still typing in the cell when the export is pressed.
            QVERIFY(f->grdRecords->indexWidget(f->grdRecords->model()->index(0, 25)));
            Esporta(f);
            QCOMPARE(Cella(f->grdRecords, 0, 17), QString("IT60X0542811101000000123456"));
        });
        const auto righe = Righe(Byte(Programma("Contatti.xls")));
        QCOMPARE(righe.size(), 1);
        QCOMPARE(righe[0][0], QString("Rossi Mario"));
        QCOMPARE(righe[0][16], QString("IT60X0542811101000000123456"));
        QCOMPARE(righe[0][24], QString("=1+1 &amp; &lt;b&gt;"));
        QCOMPARE(Byte(Programma(TArchivioContatti::NomeFile)), archivio);
    }

    void noToTheFirstQuestionLeavesTheOldFileNoToTheSecondLeavesItUnopened() {
        Contatti({TSchedaContatto{}});
        const auto file = Programma("Contatti.xls");
        ScriviByte(file, "esportazione precedente");
        fake->risposte = {Risposta::No};
        Apri(clienti, Esporta);
        QCOMPARE(Byte(file), std::string("esportazione precedente"));
        QCOMPARE(fake->Di("ChiediConferma").size(), 1);

        fake->chiamate.clear();
        fake->risposte = {Risposta::Si, Risposta::No};
        Apri(clienti, Esporta);
        QVERIFY(Byte(file).starts_with("<html "));
        QCOMPARE(fake->Di("ChiediConferma").size(), 2);
        QVERIFY(fake->Di("ApriUrl").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aFailedExportShowsTheMessageAndKeepsWhatWasThere() {
        const auto file = Programma("Contatti.xls");
        // A folder standing at the file's path.
        std::filesystem::create_directories(file / "dentro");
        Apri(clienti, [](FinestraGriglia* f) {
            Esporta(f);
            QVERIFY(f->isVisible());  // the window stays, and the command may be repeated
            Esporta(f);
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 2);
        QCOMPARE(fake->Ultima().testo, kFallita);
        QCOMPARE(fake->Di("ChiediConferma").size(), 2);  // no second question after a failure
        QVERIFY(std::filesystem::is_directory(file / "dentro"));

        // The disk fills up while the new file is written: the old export stays byte for byte.
        std::filesystem::remove_all(file);
        ScriviByte(file, "esportazione precedente");
        fake->chiamate.clear();
        Apri(clienti, [](FinestraGriglia* f) {
            LimiteFile disco(100);
            Esporta(f);
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo, kFallita);
        QCOMPARE(Byte(file), std::string("esportazione precedente"));
    }

    void anEmptyArchiveGivesNoRowsAndAFileWithTheHeaderOnly() {
        Apri(ricordario, [](FinestraGriglia* f) {
            QCOMPARE(f->objectName(), QString("TfrmExpRicordario"));
            QCOMPARE(f->grdRecords->model()->rowCount(), 0);
            QCOMPARE(f->grdRecords->model()->columnCount(), 19);
            Esporta(f);
        });
        QVERIFY(std::filesystem::is_regular_file(fake->cartella().toStdString() + "2021.rcd"));
        const std::string file = Byte(Programma("Scadenze_e_Appuntamenti.xls"));
        QVERIFY(file.find("<x:Name>Scadenze e Appuntamenti</x:Name>") != std::string::npos);
        QCOMPARE(Righe(file).size(), 0);
        QVERIFY(file.ends_with(
            "<td style=\"text-align: left; font-weight: bold;\" width=200>Impegno assolto</td>"
            "</tr></table></body></html>"));
    }

    void theDeadlinesGridShowsTheCardsYearAndExportsWhatIsTyped() {
        const TSchedaScadenza fatta =
            prova::NuovaScadenza().Data("18/03/2021").Ora("09:15").Costo("10,00").Effettuata("Sì");
        const TSchedaScadenza aperta =
            prova::NuovaScadenza(fatta).Data("20/03/2021").Effettuata("No");
        const auto archivio = std::filesystem::path(fake->cartella().toStdString() + "2021.rcd");
        for (const auto& s : {fatta, aperta}) SalvaScheda<TArchivioScadenze>(archivio, 0, s);
        const std::string prima = Byte(archivio);
        Apri(ricordario, [](FinestraGriglia* f) {
            QCOMPARE(f->windowTitle(), QString(" Esporta archivio scadenze e appuntamenti"));
            QAbstractItemModel* m = f->grdRecords->model();
            QCOMPARE(m->rowCount(), 2);
            QCOMPARE(m->headerData(18, Qt::Horizontal).toString(), QString("Impegno assolto"));
            QCOMPARE(f->grdRecords->columnWidth(9), 180);
            QCOMPARE(Cella(f->grdRecords, 0, 0), QString("1"));
            QCOMPARE(Cella(f->grdRecords, 0, 1), QString("18/03/2021"));
            QCOMPARE(Cella(f->grdRecords, 0, 18), QString("Sì"));
            QCOMPARE(Cella(f->grdRecords, 1, 18), QString("No"));
            Digita(f->grdRecords, 1, 6, "99,90");
            Esporta(f);
        });
        const auto righe = Righe(Byte(Programma("Scadenze_e_Appuntamenti.xls")));
        QCOMPARE(righe.size(), 2);
        for (const auto& r : righe) QCOMPARE(r.size(), 18);
        QCOMPARE(righe[0][17], QString("S\u00EC"));  // "Sì" in Windows-1252, read as Latin-1
        QCOMPARE(righe[0][5], QString("10,00"));
        QCOMPARE(righe[1][5], QString("99,90"));
        QCOMPARE(Byte(archivio), prima);
    }

    // The deadlines export's second command writes the card's year as a calendar file,
    // asking first; the contacts export has no such command.
    void theCalendarCommandWritesTheYearsCalendarFile() {
        const TSchedaScadenza s = prova::NuovaScadenza()
                                      .Data("15/03/2021")
                                      .Ora("09:30")
                                      .Avviso("2")
                                      .Dettagli("Pagamento IVA")
                                      .DaConfermare("No")
                                      .Effettuata("No");
        SalvaScheda<TArchivioScadenze>(Programma("2021.rcd"), 0, s);
        fake->risposte = {Risposta::Si, Risposta::No};
        Apri(ricordario, [](FinestraGriglia* f) {
            auto* calendario = f->findChild<QAbstractButton*>("cmdCalendario");
            QVERIFY(calendario);
            QCOMPARE(calendario->geometry(), QRect(618, 15, 49, 50));
            QCOMPARE(calendario->cursor().shape(), Qt::PointingHandCursor);
            const QString descrizione("Esporta le scadenze dell'anno come calendario (iCalendar).");
            QCOMPARE(calendario->toolTip(), descrizione);
            QEvent entra(QEvent::Enter);
            QCoreApplication::sendEvent(calendario, &entra);
            QCOMPARE(f->panInfo->text(), descrizione);
            QTest::mouseClick(calendario, Qt::LeftButton);
            QVERIFY(f->isVisible());
        });
        const std::string ics = Byte(Programma("Scadenze_2021.ics"));
        QVERIFY(ics.starts_with("BEGIN:VCALENDAR"));
        QVERIFY(ics.find("SUMMARY:Pagamento IVA") != std::string::npos);
        QCOMPARE(fake->Di("ChiediConferma").size(), 2);
        QVERIFY(fake->Di("ChiediConferma")[1].testo.endsWith(
            "Si vuole aprire il file del calendario?"));
        QVERIFY(fake->Di("ApriUrl").isEmpty());
        QVERIFY(!std::filesystem::exists(Programma("Scadenze_e_Appuntamenti.xls")));

        Apri(clienti,
             [](FinestraGriglia* f) { QVERIFY(!f->findChild<QAbstractButton*>("cmdCalendario")); });
    }

    void statusLineHelpAndExit() {
        QStringList pagine;
        std::function<void(FinestraGriglia*)> guida;
        fake->Rispondi([&](FinestraGriglia* f) { guida(f); },
                       [&](QDialog* d) { pagine << d->findChild<QLabel*>("lblTitolo")->text(); });
        guida = [](FinestraGriglia* f) {
            const struct {
                QWidget* controllo;
                const char* testo;
            } casi[] = {
                {f->cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
                {f->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
                {f->cmdEsci, "Esci da questo ambiente di lavoro."},
            };
            for (const auto& c : casi) {
                QEvent entra(QEvent::Enter);
                QCoreApplication::sendEvent(c.controllo, &entra);
                QCOMPARE(f->panInfo->text(), QString(c.testo));
            }
            QMouseEvent muovi(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f->imgLogo, &muovi);
            QCOMPARE(f->panInfo->text(), QString());

            QTest::mouseClick(f->cmdGuida, Qt::LeftButton);
            QVERIFY(f->isVisible());
            QTest::mouseClick(f->cmdEsci, Qt::LeftButton);
            QVERIFY(!f->isVisible());
        };
        QTest::mouseClick(clienti->findChild<QAbstractButton*>("cmdEsporta"), Qt::LeftButton);
        guida = [](FinestraGriglia* f) { QTest::mouseClick(f->cmdGuida, Qt::LeftButton); };
        QTest::mouseClick(ricordario->findChild<QAbstractButton*>("cmdEsporta"), Qt::LeftButton);
        QCOMPARE(pagine, QStringList({"Esportazione archivio contatti in Microsoft Excel.",
                                      "Esportazione scadenze e appuntamenti in Microsoft Excel."}));
        QVERIFY(fake->Di("ChiediConferma").isEmpty());
    }
};

QTEST_MAIN(TestEsporta)
#include "tst_esporta.moc"
