// The commands that bring data in from other programs and send it out to them: vCard on
// the contact card, the .ics import of the deadlines export window, and the .xlsx export
// of every grid window.
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "SchedeDiProva.h"
#include "Zip.h"
#include "core/archive/ArchivioScheda.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/FinestraGriglia.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/export/TfrmExpClienti.h"
#include "gui/export/TfrmExpRicordario.h"
#include "gui/viewer/TfrmExpGiornaliere.h"
#include "gui/viewer/TfrmExpImminenti.h"
#include "gui/viewer/TfrmExpMensili.h"
#include "support/FakePiattaforma.h"

namespace {

std::string Contenuto(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScriviByte(const std::filesystem::path& p, const std::string& b) {
    std::ofstream(p, std::ios::binary) << b;
}

template <class Archivio>
std::int64_t Quante(const std::filesystem::path& file) {
    Archivio a;
    a.Apri(file);
    return a.NumeroSchede();
}

QAbstractButton* Pulsante(QWidget* w, const char* nome) {
    auto* b = w->findChild<QAbstractButton*>(nome);
    if (!b) qFatal("no button %s", nome);
    return b;
}

QString StatoSu(QWidget* controllo, QLabel* riga) {
    QEvent entra(QEvent::Enter);
    QCoreApplication::sendEvent(controllo, &entra);
    return riga->text();
}

const QString kDomandaVCard(
    "L'esportazione dei contatti in formato vCard può richiedere diversi minuti a seconda del "
    "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kApriVCard(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
    "dei contatti?");
const QString kFallitaVCard(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file dei "
    "contatti non sia già aperto.");

}  // namespace

class TestInterscambio : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmClienti* clienti = nullptr;

    std::filesystem::path Programma(const char* nome) const {
        return PercorsoProgramma(QString::fromUtf8(nome));
    }
    void Contatti(const std::vector<TSchedaContatto>& schede) {
        for (const auto& s : schede)
            SalvaScheda<TArchivioContatti>(Programma(TArchivioContatti::NomeFile), 0, s);
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        clienti = new TfrmClienti;
    }
    void cleanup() {
        delete clienti;
        delete fake;
    }

    // The two commands sit on the plate over the decorative picture, below the command
    // column, and move nothing the card already had.
    void theCardsVCardCommandsAndTheirStatusLine() {
        auto* stato = clienti->findChild<QLabel*>("panInfo");
        QVERIFY(stato);
        const struct {
            const char* nome;
            QRect posto;
            const char* descrizione;
        } casi[] = {
            {"cmdEsportaVCard", {814, 537, 148, 32},
             "Esporta le schede in archivio in un file vCard per la rubrica di altri programmi."},
            {"cmdImportaVCard", {814, 576, 148, 32},
             "Aggiunge in archivio i contatti di un file vCard."},
        };
        for (const auto& c : casi) {
            QAbstractButton* b = Pulsante(clienti, c.nome);
            QCOMPARE(b->geometry(), c.posto);
            QCOMPARE(b->toolTip(), QString());
            QCOMPARE(StatoSu(b, stato), QString::fromUtf8(c.descrizione));
        }
        QCOMPARE(Pulsante(clienti, "cmdEsci")->geometry(), QRect(814, 459, 148, 32));
        QCOMPARE(clienti->findChild<QWidget*>("imgDecoro")->geometry(), QRect(800, 512, 177, 121));
    }

    // Yes, then No to opening: the file is written and not opened. No to the first question
    // leaves an older file as it was; a folder at the file's path gives the failure message.
    void theVCardExportAsksWritesAndOffersToOpen() {
        Contatti({prova::NuovoContatto().Cliente("Rossi, Mario").TelCasa("06 1234567"),
                  prova::NuovoContatto().Cliente("Bianchi Anna").Email("anna@example.it")});
        const auto vcf = Programma("Contatti.vcf");

        fake->risposte = {Risposta::Si, Risposta::No};
        QTest::mouseClick(Pulsante(clienti, "cmdEsportaVCard"), Qt::LeftButton);
        const std::string scritto = Contenuto(vcf);
        QVERIFY(scritto.starts_with("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
        QVERIFY(scritto.find("FN:Rossi\\, Mario\r\n") != std::string::npos);
        QVERIFY(scritto.find("EMAIL:anna@example.it\r\n") != std::string::npos);
        const auto domande = fake->Di("ChiediConferma");
        QCOMPARE(domande.size(), 2);
        QCOMPARE(domande[0].testo, kDomandaVCard);
        QCOMPARE(domande[1].testo, kApriVCard);
        QVERIFY(fake->Di("ApriUrl").isEmpty());

        fake->chiamate.clear();
        ScriviByte(vcf, "precedente");
        fake->risposte = {Risposta::No};
        QTest::mouseClick(Pulsante(clienti, "cmdEsportaVCard"), Qt::LeftButton);
        QCOMPARE(Contenuto(vcf), std::string("precedente"));
        QCOMPARE(fake->chiamate.size(), 1);

        fake->chiamate.clear();
        fake->risposte = {Risposta::Si, Risposta::Si};
        QTest::mouseClick(Pulsante(clienti, "cmdEsportaVCard"), Qt::LeftButton);
        QCOMPARE(Contenuto(vcf), scritto);
        QCOMPARE(fake->Ultima().operazione, QString("ApriUrl"));
        QCOMPARE(fake->Ultima().testo, QUrl::fromLocalFile(fake->cartella() + "Contatti.vcf").toString());

        std::filesystem::remove(vcf);
        std::filesystem::create_directories(vcf / "dentro");
        fake->chiamate.clear();
        QTest::mouseClick(Pulsante(clienti, "cmdEsportaVCard"), Qt::LeftButton);
        QCOMPARE(fake->Di("ChiediConferma").size(), 1);
        QCOMPARE(fake->Ultima().operazione, QString("MostraMessaggio"));
        QCOMPARE(fake->Ultima().testo, kFallitaVCard);
        QVERIFY(std::filesystem::is_directory(vcf / "dentro"));
    }

    // A phone's 3.0 card is added, one already in the archive is skipped, one without a
    // name is unreadable and one the archive cannot hold is refused; the message counts them.
    void theVCardImportCountsWhatItDid() {
        Contatti({prova::NuovoContatto().Cliente("Rossi Mario").TelCasa("06 1234567")});
        const auto vcf = Programma("Rubrica telefono.vcf");
        ScriviByte(vcf,
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bianchi;Anna;;;\r\nFN:Bianchi Anna\r\n"
                   "TEL;TYPE=CELL:333 1234567\r\nEMAIL;TYPE=INTERNET:anna@example.it\r\n"
                   "END:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Rossi Mario\r\nTEL;TYPE=home:06 1234567\r\n"
                   "END:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:0123\r\nEND:VCARD\r\n"
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\r\n"
                   "END:VCARD\r\n");
        fake->fileScelti = {QString::fromStdString(vcf.string())};
        QTest::mouseClick(Pulsante(clienti, "cmdImportaVCard"), Qt::LeftButton);

        const auto scelte = fake->Di("ScegliFile");
        QCOMPARE(scelte.size(), 1);
        QVERIFY(scelte[0].tipo.contains("*.vcf"));
        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), 1);
        QCOMPARE(avvisi[0].tipo, QString("Information"));
        QCOMPARE(avvisi[0].testo,
                 QString("Importazione completata.\n\nContatti aggiunti: 1\n"
                         "Contatti già presenti, non aggiunti: 1\nSchede illeggibili: 1\n"
                         "Schede rifiutate perché contengono caratteri che l'archivio non può "
                         "conservare: 1"));
        TArchivioContatti a;
        a.Apri(Programma(TArchivioContatti::NomeFile));
        QCOMPARE(a.NumeroSchede(), 2);
        const TSchedaContatto nuova = a.LeggiScheda(2);
        QCOMPARE(nuova.Cliente, std::string("Bianchi Anna"));
        QCOMPARE(nuova.TelCel, std::string("333 1234567"));
    }

    // Cancelling the dialog does nothing; a file that cannot be read is said so, and the
    // archive is not touched; an archive that cannot be opened gives its access message.
    void theVCardImportCancelledUnreadableOrFailing() {
        QTest::mouseClick(Pulsante(clienti, "cmdImportaVCard"), Qt::LeftButton);
        QCOMPARE(fake->chiamate.size(), 1);
        QCOMPARE(fake->Ultima().operazione, QString("ScegliFile"));

        const auto cartella = Programma("una cartella.vcf");
        std::filesystem::create_directories(cartella);
        fake->fileScelti = {QString::fromStdString(cartella.string())};
        QTest::mouseClick(Pulsante(clienti, "cmdImportaVCard"), Qt::LeftButton);
        QCOMPARE(fake->Ultima().operazione, QString("MostraAvviso"));
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: il sistema non permette di leggere il file scelto."));
        QVERIFY(!std::filesystem::exists(Programma(TArchivioContatti::NomeFile)));

        // A folder standing at the archive's path: the archive access message.
        const auto vcf = Programma("Rubrica.vcf");
        ScriviByte(vcf, "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Verdi\r\nEND:VCARD\r\n");
        std::filesystem::create_directories(Programma(TArchivioContatti::NomeFile));
        fake->fileScelti = {QString::fromStdString(vcf.string())};
        QTest::mouseClick(Pulsante(clienti, "cmdImportaVCard"), Qt::LeftButton);
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QVERIFY(fake->Ultima().testo.startsWith(
            "Attenzione: il sistema non permette di accedere all'archivio."));
    }

    // From the deadlines export window: the events go to the year files of their dates; a
    // second import of the same file adds nothing and says so.
    void theCalendarImportGoesToTheYearFilesAndSaysWhatItDid() {
        const auto ics = Programma("Agenda.ics");
        ScriviByte(ics,
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Prova//IT\r\n"
                   "BEGIN:VEVENT\r\nUID:a@prova\r\nDTSTART;VALUE=DATE:20211231\r\n"
                   "SUMMARY:Bilancio\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nUID:b@prova\r\nDTSTART:20220103T093000\r\n"
                   "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Riunione\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n");
        const auto anno2021 = Programma("2021.rcd");
        TfrmExpRicordario finestra(nullptr, anno2021, 2021);
        finestra.show();
        QAbstractButton* esporta = Pulsante(&finestra, "cmdCalendario");
        QAbstractButton* importa = Pulsante(&finestra, "cmdImportaCalendario");
        // One above the other between the help and exit pictures.
        QCOMPARE(esporta->geometry(), QRect(722, 9, 42, 30));
        QCOMPARE(importa->geometry(), QRect(722, 42, 42, 30));
        QCOMPARE(importa->toolTip(), QString());
        QCOMPARE(StatoSu(importa, finestra.panInfo),
                 QString("Importa nell'archivio le scadenze di un calendario (iCalendar)."));

        QCOMPARE(finestra.Modello()->rowCount(), 0);
        fake->fileScelti = {QString::fromStdString(ics.string()), QString::fromStdString(ics.string())};
        QTest::mouseClick(importa, Qt::LeftButton);
        // The grid shows the year's new deadline at once.
        QCOMPARE(finestra.Modello()->rowCount(), 1);
        QTest::mouseClick(importa, Qt::LeftButton);
        const auto scelte = fake->Di("ScegliFile");
        QCOMPARE(scelte.size(), 2);
        QVERIFY(scelte[0].tipo.contains("*.ics"));
        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), 2);
        QCOMPARE(avvisi[0].testo,
                 QString("Importazione completata.\n\nScadenze aggiunte: 4\n"
                         "Scadenze già presenti, non aggiunte: 0\nEventi illeggibili: 0"));
        QCOMPARE(avvisi[1].testo,
                 QString("Importazione completata.\n\nScadenze aggiunte: 0\n"
                         "Scadenze già presenti, non aggiunte: 4\nEventi illeggibili: 0"));
        QCOMPARE(Quante<TArchivioScadenze>(anno2021), 1);
        QCOMPARE(Quante<TArchivioScadenze>(Programma("2022.rcd")), 3);
        QVERIFY(fake->Di("ChiediConferma").isEmpty());

        // A file that is no calendar is said as such, and nothing is written.
        const auto testo = Programma("Appunti.ics");
        ScriviByte(testo, "Non un calendario\r\n");
        fake->chiamate.clear();
        fake->fileScelti = {QString::fromStdString(testo.string())};
        QTest::mouseClick(importa, Qt::LeftButton);
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: il file scelto non contiene un calendario leggibile."));
        QCOMPARE(Quante<TArchivioScadenze>(anno2021), 1);
    }

    // Every kind of grid window writes the .xlsx beside its .xls: same worksheet name and
    // header cells, the grid's rows with every blank kept; the .xls is not written.
    void everyGridWindowWritesTheXlsx() {
        Contatti({prova::NuovoContatto().Cliente("Rossi Mario").IndirizzoRes("Via  Roma\t1")
                      .PartitaIva("00945300507")});
        SalvaScheda<TArchivioScadenze>(Programma("2026.rcd"), 0,
                                       prova::NuovaScadenza()
                                           .Il("09/12/2026")
                                           .Alle("11:00")
                                           .Avviso("3")
                                           .Dettagli("Rata  00 =1+1")
                                           .DaConfermare("No")
                                           .Effettuata("No"));
        const QDate oggi = fake->adesso.date();
        const struct {
            std::function<std::unique_ptr<FinestraGriglia>()> crea;
            const char* file;
            const char* foglio;        // the worksheet's name
            const char* intestazione;
            const char* cella;
        } casi[] = {
            {[] { return std::make_unique<TfrmExpClienti>(nullptr); }, "Contatti.xlsx",
             "Riepilogo Contatti", "Comune di nascita", "Via  Roma\t1"},
            {[this] {
                 return std::make_unique<TfrmExpRicordario>(nullptr, Programma("2026.rcd"), 2026);
             },
             "Scadenze_e_Appuntamenti.xlsx", "Scadenze e Appuntamenti", "Impegno assolto",
             "Rata  00 =1+1"},
            {[oggi] { return std::make_unique<TfrmExpGiornaliere>(nullptr, oggi); },
             "Scadenze_Giornaliere.xlsx", "Scadenze del giorno", nullptr, "Rata  00 =1+1"},
            {[oggi] { return std::make_unique<TfrmExpMensili>(nullptr, oggi); },
             "Scadenze_Mensili.xlsx", "Scadenze del mese", nullptr, "Rata  00 =1+1"},
            {[] { return std::make_unique<TfrmExpImminenti>(nullptr); },
             "Scadenze_Imminenti.xlsx", "Scadenze imminenti", nullptr, "Rata  00 =1+1"},
        };
        for (const auto& c : casi) {
            fake->chiamate.clear();
            fake->risposte = {Risposta::Si, Risposta::No};
            auto f = c.crea();
            f->show();
            QCOMPARE(f->cmdEsportaXlsx->geometry(), QRect(618, 15, 49, 50));
            QCOMPARE(f->cmdEsportaXlsx->toolTip(), QString());
            QCOMPARE(StatoSu(f->cmdEsportaXlsx, f->panInfo),
                     QString("Esporta l'archivio in formato Microsoft Excel 2007 e successivi "
                             "(.xlsx)."));
            QCOMPARE(f->grdRecords->model()->rowCount(), 1);
            QTest::mouseClick(f->cmdEsportaXlsx, Qt::LeftButton);
            const auto xlsx = Programma(c.file);
            QVERIFY2(Contenuto(xlsx).starts_with("PK"), c.file);
            auto xls = xlsx;
            xls.replace_extension(".xls");
            QVERIFY(!std::filesystem::exists(xls));
            const std::string foglio = MembroZip(xlsx, "xl/worksheets/sheet1.xml");
            QVERIFY2(foglio.find(std::string(">") + c.cella + "</t>") != std::string::npos, c.file);
            QVERIFY(foglio.find("<pane ") != std::string::npos);  // the header row frozen
            QVERIFY(MembroZip(xlsx, "xl/workbook.xml").find(std::string("name=\"") + c.foglio +
                                                               "\"") != std::string::npos);
            if (c.intestazione)
                QVERIFY(foglio.find(std::string(">") + c.intestazione + "</t>") !=
                        std::string::npos);
            const auto domande = fake->Di("ChiediConferma");
            QCOMPARE(domande.size(), 2);
            QVERIFY(domande[0].testo.endsWith("Si vuole esportare i dati adesso?"));
            QVERIFY(domande[1].testo.endsWith("Si vuole aprire il file di Excel?"));
        }
    }
};

QTEST_MAIN(TestInterscambio)
#include "tst_interscambio.moc"
