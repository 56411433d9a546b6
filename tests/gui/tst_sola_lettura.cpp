// The program folder on a read-only medium: browsing, searching and listing work; a save
// answers with the access message and changes nothing.
//
// The medium is a read-only bind mount of a temporary folder, made in a mount namespace of
// this test program's own before the application starts. Unlike file permissions it holds
// for root. Where the system allows no such mount, the tests are skipped.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/text/Messaggi.h"
#include "gui/app/FinestraGriglia.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/contacts/TfrmRicontatta.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/ElencoImpegni.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "gui/export/TfrmExpClienti.h"
#include "gui/summary/TfrmMenuRiepCosti.h"
#include "gui/summary/TfrmRiepCosti.h"
#include "gui/viewer/TfrmScadenze.h"
#include "support/FakePiattaforma.h"

namespace fs = std::filesystem;

namespace {

// "dati" can be written; "sola" shows the same files, read-only.
fs::path gRadice;
bool gMontato = false;

fs::path Dati() { return gRadice / "dati"; }
fs::path Sola() { return gRadice / "sola"; }

bool MontaSolaLettura() {
    gRadice = fs::temp_directory_path() / ("ricordario-sola-" + std::to_string(getpid()));
    fs::create_directories(Dati());
    fs::create_directories(Sola());
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(Dati().c_str(), Sola().c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, Sola().c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

std::string Byte(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file of the folder with its content.
std::map<std::string, std::string> Contenuto(const fs::path& cartella) {
    std::map<std::string, std::string> out;
    for (const auto& v : fs::directory_iterator(cartella))
        out[v.path().filename().string()] = Byte(v.path());
    return out;
}

TSchedaContatto Contatto(const char* nome, const char* ricontatta) {
    return prova::NuovoContatto().Cliente(nome).Ricontatta(ricontatta).Questioni("telefonare");
}

TSchedaScadenza Scadenza(const char* giorno, const char* causale) {
    return prova::NuovaScadenza()
        .Il(std::string(giorno) + "/03/2026")
        .Alle("09:30")
        .Avviso("3")
        .Pagatore("Rossi Mario")
        .Dettagli(causale)
        .Costo("10,00")
        .DaConfermare(flag::No)
        .Effettuata(flag::No);
}

}  // namespace

class TestSolaLettura : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    std::map<std::string, std::string> prima;

    void ControllaAccessoNegato() {
        QCOMPARE(fake->Di("MostraAvviso").size(), 1);
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo, QString::fromUtf8(messaggi::AccessoArchivio));
        QCOMPARE(Contenuto(Dati()), prima);
    }

private slots:
    void init() {
        if (!gMontato) QSKIP("no read-only bind mount allowed here");
        for (const auto& v : fs::directory_iterator(Dati())) fs::remove_all(v.path());
        {
            TArchivioContatti a;
            a.Apri(TArchivioContatti::Percorso(Dati()));
            a.AccodaScheda(Contatto("Verdi Giuseppe", "No"));
            a.AccodaScheda(Contatto("Rossi Mario", "S\xC3\xAC"));
            a.AccodaScheda(Contatto("Bianchi Anna", "S\xC3\xAC"));
        }
        SalvaScheda<TArchivioScadenze>(TArchivioScadenze::Percorso(Dati(), 2026), 0,
                                       Scadenza("05", "Rata"));
        SalvaScheda<TArchivioScadenze>(TArchivioScadenze::Percorso(Dati(), 2026), 0,
                                       Scadenza("09", "Visita"));
        prima = Contenuto(Dati());
        fake = new FakePiattaforma;
        ImpostaCartellaProgramma(QString::fromStdString(Sola().string()));
    }
    void cleanup() { delete fake; }

    void theContactCardBrowsesAndASaveChangesNothing() {
        TfrmClienti w;
        w.Apri();
        auto* cliente = w.findChild<QLineEdit*>("txtCliente");
        auto* posizione = w.findChild<QLabel*>("lblPosizione");
        QTest::mouseClick(w.findChild<QAbstractButton*>("cmdUltimo"), Qt::LeftButton);
        QCOMPARE(cliente->text(), QString("Bianchi Anna"));
        QCOMPARE(posizione->text(), QString("3"));
        QTest::mouseClick(w.findChild<QAbstractButton*>("cmdIndietro"), Qt::LeftButton);
        QCOMPARE(cliente->text(), QString("Rossi Mario"));
        QVERIFY(fake->Di("MostraAvviso").isEmpty());

        cliente->setText("Rossi Mario Luigi");
        QTest::mouseClick(w.findChild<QAbstractButton*>("cmdSalva"), Qt::LeftButton);
        ControllaAccessoNegato();
        QCOMPARE(posizione->text(), QString("2"));
    }

    void aNewContactCannotBeAddedEither() {
        TfrmClienti w;
        w.Apri();
        w.findChild<QLineEdit*>("txtCliente")->setText("Nuovo Contatto");
        QTest::mouseClick(w.findChild<QAbstractButton*>("cmdSalva"), Qt::LeftButton);
        ControllaAccessoNegato();
        QVERIFY(w.findChild<QLabel*>("lblPosizione")->text().isEmpty());
    }

    void theSearchAndTheRecontactListRead() {
        TfrmClienti w;
        int trovate = -1, daRicontattare = -1;
        fake->Rispondi(
            [&](TfrmTrovaClienti* f) {
                f->txtCliente->setText("rossi");
                QTest::mouseClick(f->btnCerca, Qt::LeftButton);
                trovate = f->lstRecords->count();
            },
            [&](TfrmRicontatta* f) { daRicontattare = f->lstRecords->count(); });
        const auto nessuna = [](std::int64_t, const TSchedaContatto&) {};
        TfrmTrovaClienti::Apri(&w, nessuna);
        TfrmRicontatta::Apri(&w, nessuna);
        QCOMPARE(trovate, 1);
        QCOMPARE(daRicontattare, 2);
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QCOMPARE(Contenuto(Dati()), prima);
    }

    void theDeadlineCardBrowsesAndASaveChangesNothing() {
        TfrmRicordario s;
        s.ImpostaAnno(2026, TArchivioScadenze::Percorso(Sola(), 2026));
        s.Apri();
        QTest::mouseClick(s.findChild<QAbstractButton*>("cmdPrimo"), Qt::LeftButton);
        QCOMPARE(s.txtDettagli->text(), QString("Rata"));
        QTest::mouseClick(s.findChild<QAbstractButton*>("cmdAvanti"), Qt::LeftButton);
        QCOMPARE(s.txtDettagli->text(), QString("Visita"));
        QVERIFY(fake->Di("MostraAvviso").isEmpty());

        s.txtDettagli->setText("Visita di controllo");
        QTest::mouseClick(s.findChild<QAbstractButton*>("cmdSalva"), Qt::LeftButton);
        ControllaAccessoNegato();
    }

    void theDeadlineSearchAndTheThreeListsRead() {
        fake->adesso = QDateTime(QDate(2026, 3, 7), QTime(9, 0));
        std::map<QString, int> righe;
        fake->Rispondi(
            [&](TfrmTrovaRicordario* f) {
                f->txtDettagli->setText("visita");
                QTest::mouseClick(f->btnCerca, Qt::LeftButton);
                righe[QStringLiteral("ricerca")] = f->lstRecords->count();
            },
            [&](ElencoImpegni* f) { righe[f->objectName()] = f->lstRecords->count(); });
        QWidget scheda;
        const auto archivio = TArchivioScadenze::Percorso(Sola(), 2026);
        const auto nessuna = [](std::int64_t, const TSchedaScadenza&) {};
        TfrmTrovaRicordario::Apri(&scheda, archivio, nessuna);
        TfrmDaConfermare::Apri(&scheda, archivio, nessuna);
        TfrmConfermati::Apri(&scheda, archivio, nessuna);
        TfrmNonConfermati::Apri(&scheda, archivio, nessuna);
        QCOMPARE(righe, (std::map<QString, int>{{"ricerca", 1},
                                                {"TfrmDaConfermare", 0},
                                                {"TfrmConfermati", 2},
                                                {"TfrmNonConfermati", 1}}));
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QCOMPARE(Contenuto(Dati()), prima);
    }

    void theSummaryListsAndTotalsTheYear() {
        fake->adesso = QDateTime(QDate(2026, 3, 7), QTime(9, 0));
        TfrmMenuRiepCosti menu;
        menu.show();
        QCOMPARE(menu.txtAnno->text(), QString("2026"));
        const std::pair<QComboBox*, const char*> intervallo[] = {{menu.txtGiornoInizio, "01"},
                                                                 {menu.txtMeseInizio, "Gennaio"},
                                                                 {menu.txtGiornoFine, "31"},
                                                                 {menu.txtMeseFine, "Dicembre"}};
        for (const auto& [c, voce] : intervallo) c->setCurrentIndex(c->findText(voce));
        int elencate = -1;
        QString totale;
        fake->Rispondi([&](TfrmRiepCosti* f) {
            elencate = f->lstRecords->count();
            totale = f->lblTotCosti->text();
        });
        QTest::mouseClick(menu.btnVisualizza, Qt::LeftButton);
        QCOMPARE(elencate, 2);
        QCOMPARE(totale, QString("20,00"));
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QCOMPARE(Contenuto(Dati()), prima);
    }

    void theViewerChecksTheYearForImminentDeadlines() {
        fake->adesso = QDateTime(QDate(2026, 3, 7), QTime(9, 0));
        TfrmScadenze w;
        w.show();
        QVERIFY(w.imgPresenti->isVisibleTo(&w));
        QVERIFY(!w.imgAssenti->isVisibleTo(&w));
        QCOMPARE(Contenuto(Dati()), prima);
    }

    void theContactsGridFillsAndItsExportCannotBeWrittenThere() {
        TfrmClienti w;
        int righe = -1;
        fake->Rispondi([&](FinestraGriglia* f) {
            righe = f->grdRecords->model()->rowCount();
            QTest::mouseClick(f->cmdEsporta, Qt::LeftButton);
        });
        TfrmExpClienti::Apri(&w);
        QCOMPARE(righe, 3);
        // The spreadsheet goes to the program folder, which is read-only here.
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QCOMPARE(Contenuto(Dati()), prima);
    }
};

int main(int argc, char** argv) {
    // Before any thread exists: a mount namespace is private to a whole process.
    gMontato = MontaSolaLettura();
    QApplication app(argc, argv);
    TestSolaLettura t;
    const int esito = QTest::qExec(&t, argc, argv);
    std::error_code ec;
    if (gMontato) umount2(Sola().c_str(), MNT_DETACH);
    fs::remove_all(gRadice, ec);
    return esito;
}

#include "tst_sola_lettura.moc"
