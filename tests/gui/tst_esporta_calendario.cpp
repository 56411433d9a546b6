#include <QProcess>
#include <QtTest>
#include <sstream>

#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "gui/app/RigaDiComando.h"
#include "gui/export/EsportaCalendario.h"
#include "support/FakePiattaforma.h"

namespace {

TSchedaScadenza Scheda(const char* data, const char* motivo) {
    return prova::NuovaScadenza()
        .Data(data)
        .Ora("09:30")
        .Avviso("2")
        .Dettagli(motivo)
        .Costo("0,00")
        .Spunte(false, false);
}

std::filesystem::path Percorso(const QString& p) { return std::filesystem::path(p.toStdString()); }

// Two records, the second with a date that does not exist.
QString ArchivioDiProva(const QString& cartella) {
    const QString file = cartella + "2021.rcd";
    SalvaScheda<TArchivioScadenze>(Percorso(file), 0, Scheda("15/03/2021", "Pagamento IVA"));
    SalvaScheda<TArchivioScadenze>(Percorso(file), 0, Scheda("31/02/2021", "Data sbagliata"));
    return file;
}

QByteArray Contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestEsportaCalendario : public QObject {
    Q_OBJECT
private slots:
    // The export window's calendar command: the first question, then the file, then the
    // second question naming the records left out, then the shell's open.
    void questionsThenFileThenOpen() {
        FakePiattaforma fake;
        ArchivioDiProva(fake.cartella());
        const QString ics = fake.cartella() + "Scadenze_2021.ics";

        fake.risposte = {Risposta::No};
        EsportaInCalendario(nullptr, 2021, Percorso(fake.cartella()));
        QVERIFY(!QFileInfo::exists(ics));
        QCOMPARE(fake.chiamate.size(), 1);
        QCOMPARE(fake.Ultima().testo, QString::fromUtf8(calendario::DomandaEsporta));

        fake.chiamate.clear();
        fake.risposte = {Risposta::Si, Risposta::No};
        EsportaInCalendario(nullptr, 2021, Percorso(fake.cartella()));
        QVERIFY(Contenuto(ics).contains("SUMMARY:Pagamento IVA"));
        QVERIFY(!Contenuto(ics).contains("Data sbagliata"));
        QCOMPARE(fake.Di("ChiediConferma").size(), 2);
        QCOMPARE(
            fake.Ultima().testo,
            QString::fromUtf8("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                              "1 scheda con una data non valida non è stata esportata.\r\n\r\n"
                              "Si vuole aprire il file del calendario?"));
        QCOMPARE(fake.Di("ApriUrl").size(), 0);

        fake.chiamate.clear();
        fake.risposte = {Risposta::Si, Risposta::Si};
        EsportaInCalendario(nullptr, 2021, Percorso(fake.cartella()));
        QCOMPARE(fake.Di("ApriUrl").size(), 1);
        QCOMPARE(fake.Ultima().testo, QUrl::fromLocalFile(ics).toString());
    }

    // A folder where the file goes: the failure message, and the folder left standing.
    void failureMessage() {
        FakePiattaforma fake;
        ArchivioDiProva(fake.cartella());
        QVERIFY(QDir().mkdir(fake.cartella() + "Scadenze_2021.ics"));
        fake.risposte = {Risposta::Si};
        EsportaInCalendario(nullptr, 2021, Percorso(fake.cartella()));
        QCOMPARE(fake.Ultima().operazione, QString("MostraMessaggio"));
        QCOMPARE(fake.Ultima().testo, QString::fromUtf8(calendario::EsportazioneFallita));
        QVERIFY(QFileInfo(fake.cartella() + "Scadenze_2021.ics").isDir());
    }

    // Ricordario --calendario ANNO: the file in the program folder and what it says; the
    // year archive is read, never created.
    void commandLine() {
        FakePiattaforma fake;
        ArchivioDiProva(fake.cartella());
        struct Caso {
            QString anno;
            int stato;
            QString out, err;
        };
        const QString cartella = fake.cartella();
        const Caso casi[] = {
            {"2021", 0,
             cartella + "Scadenze_2021.ics: 1 scadenza esportata.\n"
                        "1 scheda con una data non valida non è stata esportata.\n",
             ""},
            {"2030", 0, cartella + "Scadenze_2030.ics: 0 scadenze esportate.\n", ""},
            {"21", 2, "", "Uso: Ricordario --avvisi\n     Ricordario --calendario ANNO\n"},
            {"anno", 2, "", "Uso: Ricordario --avvisi\n     Ricordario --calendario ANNO\n"},
        };
        for (const Caso& c : casi) {
            std::ostringstream out, err;
            QCOMPARE(riga_di_comando::Calendario(c.anno, out, err), c.stato);
            QCOMPARE(QString::fromStdString(out.str()), c.out);
            QCOMPARE(QString::fromStdString(err.str()), c.err);
        }
        QVERIFY(!QFileInfo::exists(cartella + "2030.rcd"));

        QVERIFY(QDir().mkdir(cartella + "2022.rcd"));
        std::ostringstream out, err;
        QCOMPARE(riga_di_comando::Calendario("2022", out, err), 1);
        QVERIFY(QString::fromStdString(err.str()).contains("impossibile leggere l'archivio"));
        QVERIFY(!QFileInfo::exists(cartella + "Scadenze_2022.ics"));
    }

    // The program itself, installed (no password file beside it): --calendario opens no
    // window (no display platform exists here) and works in the user's data folder.
    void installedProgramFromTheCommandLine() {
        QTemporaryDir t;
        const QString bin = t.filePath("bin");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::copy(RICORDARIO_ESEGUIBILE, bin + "/Ricordario"));
        const QString dati = t.filePath("dati/Ricordario/");
        QVERIFY(QDir().mkpath(dati));
        ArchivioDiProva(dati);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", t.filePath("dati"));
        env.insert("QT_QPA_PLATFORM", "nessuna");
        p.setProcessEnvironment(env);
        p.start(bin + "/Ricordario", {"--calendario", "2021"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).section('\n', 0, 0),
                 dati + "Scadenze_2021.ics: 1 scadenza esportata.");
        QVERIFY(Contenuto(dati + "Scadenze_2021.ics").contains("SUMMARY:Pagamento IVA"));
        QCOMPARE(QDir(bin).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"Ricordario"});

        p.start(bin + "/Ricordario", {"--calendario"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_MAIN(TestEsportaCalendario)
#include "tst_esporta_calendario.moc"
