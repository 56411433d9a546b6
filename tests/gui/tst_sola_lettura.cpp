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

#include "core/app/Messaggi.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/contacts/TfrmRicontatta.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/TfrmRicordario.h"
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
    TSchedaContatto s;
    s.Cliente = nome;
    s.Ricontatta = ricontatta;
    s.Questioni = "telefonare";
    return s;
}

TSchedaScadenza Scadenza(const char* giorno, const char* causale) {
    TSchedaScadenza s;
    s.Giorno = giorno;
    s.Mese = "Marzo";
    s.Anno = "2026";
    s.Data = std::string(giorno) + "/03/2026";
    s.OreApp = "09";
    s.MinutiApp = "30";
    s.Ora = "09:30";
    s.Avviso = "3";
    s.Pagatore = "Rossi Mario";
    s.Dettagli = causale;
    s.Costo = "10,00";
    s.DaConfermare = std::string(flag::No);
    s.Effettuata = std::string(flag::No);
    return s;
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
        SalvaScadenza(TArchivioScadenze::Percorso(Dati(), 2026), 0, Scadenza("05", "Rata"));
        SalvaScadenza(TArchivioScadenze::Percorso(Dati(), 2026), 0, Scadenza("09", "Visita"));
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
        fake->allaModale = [&](QDialog* d) {
            if (auto* f = qobject_cast<TfrmTrovaClienti*>(d)) {
                f->txtCliente->setText("rossi");
                QTest::mouseClick(f->btnCerca, Qt::LeftButton);
                trovate = f->lstRecords->count();
            } else if (auto* f = qobject_cast<TfrmRicontatta*>(d)) {
                daRicontattare = f->lstRecords->count();
            }
            return 0;
        };
        const auto nessuna = [](std::int64_t, const TSchedaContatto&) {};
        TfrmTrovaClienti::Apri(&w, QStringLiteral("clienti"), nessuna);
        TfrmRicontatta::Apri(&w, nessuna);
        QCOMPARE(trovate, 1);
        QCOMPARE(daRicontattare, 2);
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QCOMPARE(Contenuto(Dati()), prima);
    }

    void theDeadlineCardBrowsesAndASaveChangesNothing() {
        TfrmRicordario s;
        s.lblAnno->setText("2026");
        s.lblFile->setText(QString::fromStdString(TArchivioScadenze::Percorso(Sola(), 2026).string()));
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
