#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QtTest>
#include <sstream>
#include <stdexcept>

#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/RigaDiComando.h"
#include "support/FakePiattaforma.h"

// A notification service standing in for the desktop's: records every Notify call. It
// lives in a thread of its own, so that the program's blocking call finds it answering.
class FakeNotifiche : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notifica {
        QString applicazione, icona, titolo, corpo;
        QStringList azioni;
        QVariantMap suggerimenti;
        int scadenza = 0;
    };
    QList<Notifica> Ricevute() {
        QMutexLocker l(&mutex_);
        return ricevute_;
    }
    void ImpostaCapacita(const QStringList& c) {
        QMutexLocker l(&mutex_);
        capacita_ = c;
    }

public slots:
    QStringList GetCapabilities() {
        QMutexLocker l(&mutex_);
        return capacita_;
    }
    uint Notify(const QString& applicazione, uint, const QString& icona, const QString& titolo,
                const QString& corpo, const QStringList& azioni, const QVariantMap& suggerimenti,
                int scadenza) {
        QMutexLocker l(&mutex_);
        ricevute_.append({applicazione, icona, titolo, corpo, azioni, suggerimenti, scadenza});
        return static_cast<uint>(ricevute_.size());
    }

private:
    QMutex mutex_;
    QList<Notifica> ricevute_;
    QStringList capacita_;
};

namespace {

TSchedaScadenza Scheda(const QString& data, const QString& ora, const QString& motivo,
                       const QString& segno) {
    return prova::NuovaScadenza()
        .Data(data.toStdString())
        .Ora(ora.toStdString())
        .Dettagli(motivo.toStdString())
        .Note(segno.toStdString())
        .Avviso("1")
        .Costo("0,00")
        .Spunte(false, false);
}

// The test's rule: the note tells whether the record is imminent on the day the clock
// shows, so that the cases hold whatever the program's own rule decides.
bool Segnata(const VistaScheda<TSchedaScadenza>& s, const Data& oggi) {
    if (oggi != Data{10, 3, 2021}) throw std::logic_error("not the test's day");
    return s.Testo(&TSchedaScadenza::Note) == "imminente";
}

}  // namespace

class TestAvvisi : public QObject {
    Q_OBJECT
private:
    QProcess bus_;
    QString indirizzo_;
    QTemporaryDir configurazione_;
    QThread filo_;
    FakeNotifiche* servizio_ = nullptr;

    QDBusConnection Cliente() { return QDBusConnection::connectToBus(indirizzo_, "cliente"); }

    void Archivio(FakePiattaforma& fake, const QList<TSchedaScadenza>& schede) {
        const auto file =
            TArchivioScadenze::Percorso(std::filesystem::path(fake.cartella().toStdString()), 2021);
        for (const auto& s : schede) SalvaScheda<TArchivioScadenze>(file, 0, s);
    }

    struct Esito {
        int stato;
        QString out, err;
    };
    Esito Esegui(const QDBusConnection& bus) {
        std::ostringstream out, err;
        const int stato = riga_di_comando::Avvisi(Segnata, bus, out, err);
        return {stato, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
    }

private slots:
    void initTestCase() {
        // A private session bus: nothing of the machine's desktop takes part.
        QFile conf(configurazione_.filePath("bus.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(
            ("<busconfig><type>session</type><listen>unix:dir=" + configurazione_.path().toUtf8() +
             "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
             "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
             "<allow own=\"*\"/></policy></busconfig>"));
        conf.close();
        bus_.start("dbus-daemon",
                   {"--config-file=" + conf.fileName(), "--nofork", "--print-address=1"});
        QVERIFY2(bus_.waitForStarted(), "dbus-daemon is needed (scripts/setup installs it)");
        QVERIFY(bus_.waitForReadyRead(10000));
        indirizzo_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QVERIFY(!indirizzo_.isEmpty());

        servizio_ = new FakeNotifiche;
        servizio_->moveToThread(&filo_);
        filo_.start();
        QDBusConnection servizio = QDBusConnection::connectToBus(indirizzo_, "servizio");
        QVERIFY(servizio.isConnected());
        QVERIFY(servizio.registerObject("/org/freedesktop/Notifications", servizio_,
                                        QDBusConnection::ExportAllSlots));
        QVERIFY(servizio.registerService("org.freedesktop.Notifications"));
    }

    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus("cliente");
        QDBusConnection::disconnectFromBus("servizio");
        filo_.quit();
        filo_.wait();
        delete servizio_;
        bus_.terminate();
        bus_.waitForFinished();
    }

    // 0, 1 and 3 imminent deadlines among others: no notification, then one naming one,
    // then one naming three, nearest first; each printed one a line.
    void oneNotificationNamingTheImminentOnes() {
        FakePiattaforma fake;
        fake.adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        const TSchedaScadenza altra = Scheda("20/03/2021", "10:00", "Non ancora", "altro");

        Archivio(fake, {altra});
        Esito e = Esegui(Cliente());
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.out, QString());
        QCOMPARE(servizio_->Ricevute().size(), 0);

        Archivio(fake, {Scheda("12/03/2021", "09:30", "Pagamento IVA", "imminente")});
        e = Esegui(Cliente());
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.out.count('\n'), 1);
        QVERIFY(e.out.startsWith("Pagamento IVA"));
        QCOMPARE(servizio_->Ricevute().size(), 1);
        FakeNotifiche::Notifica n = servizio_->Ricevute().last();
        QCOMPARE(n.applicazione, QString("Ricordario"));
        QCOMPARE(n.icona, QString("ricordario"));
        QCOMPARE(n.titolo, QString("1 scadenza imminente"));
        QCOMPARE(n.corpo, QString("12/03/2021 09:30 Pagamento IVA"));
        QCOMPARE(n.suggerimenti.value("desktop-entry").toString(), QString("ricordario"));
        QCOMPARE(n.scadenza, -1);

        Archivio(fake, {altra, Scheda("11/03/2021", "18:00", "Telefonare a Bianchi", "imminente"),
                        Scheda("10/03/2021", "16:15", "Visita <Rossi> & figli", "imminente")});
        e = Esegui(Cliente());
        QCOMPARE(e.stato, 0);
        const QStringList righe = e.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 3);
        QVERIFY(righe[0].startsWith("Visita <Rossi> & figli"));
        QCOMPARE(servizio_->Ricevute().size(), 2);
        n = servizio_->Ricevute().last();
        QCOMPARE(n.titolo, QString("3 scadenze imminenti"));
        QCOMPARE(n.corpo, QString("10/03/2021 16:15 Visita <Rossi> & figli\n"
                                  "11/03/2021 18:00 Telefonare a Bianchi\n"
                                  "12/03/2021 09:30 Pagamento IVA"));
    }

    // A service that reads markup gets the reason's "<" and "&" as text, not as tags.
    void markupIsEscapedForServicesThatReadIt() {
        FakePiattaforma fake;
        fake.adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        Archivio(fake, {Scheda("10/03/2021", "16:15", "Visita <Rossi> & figli", "imminente")});
        servizio_->ImpostaCapacita({"body", "body-markup"});
        const Esito e = Esegui(Cliente());
        servizio_->ImpostaCapacita({});
        QCOMPARE(e.stato, 0);
        QCOMPARE(servizio_->Ricevute().last().corpo,
                 QString("10/03/2021 16:15 Visita &lt;Rossi&gt; &amp; figli"));
    }

    // Without a notification service, or without any bus, the deadlines are only printed.
    void withoutAServiceOnlyPrints() {
        FakePiattaforma fake;
        fake.adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        Archivio(fake, {Scheda("12/03/2021", "09:30", "Pagamento IVA", "imminente")});
        const int prima = servizio_->Ricevute().size();

        QDBusConnection servizio = QDBusConnection::connectToBus(indirizzo_, "servizio");
        servizio.unregisterService("org.freedesktop.Notifications");
        Esito e = Esegui(Cliente());
        QVERIFY(servizio.registerService("org.freedesktop.Notifications"));
        QCOMPARE(e.stato, 0);
        QVERIFY(e.out.startsWith("Pagamento IVA"));
        QCOMPARE(e.err, QString());

        e = Esegui(QDBusConnection(QString()));
        QCOMPARE(e.stato, 0);
        QVERIFY(e.out.startsWith("Pagamento IVA"));
        QCOMPARE(servizio_->Ricevute().size(), prima);
    }

    // A folder at the archive's path: exit status 1, a message, no notification. A missing
    // archive is not created; records the rule cannot judge are left out and counted.
    void unreadableArchiveFailsAndNothingIsWritten() {
        FakePiattaforma fake;
        fake.adesso = QDateTime(QDate(2021, 3, 10), QTime(8, 0));
        const int prima = servizio_->Ricevute().size();
        const QString anno = fake.cartella() + "2021.rcd";

        Esito e = Esegui(Cliente());
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.out, QString());
        QVERIFY(!QFileInfo::exists(anno));
        QCOMPARE(QDir(fake.cartella()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());

        QVERIFY(QDir().mkdir(anno));
        e = Esegui(Cliente());
        QCOMPARE(e.stato, 1);
        QVERIFY(e.err.contains("impossibile leggere l'archivio " + anno));
        QCOMPARE(e.out, QString());
        QCOMPARE(servizio_->Ricevute().size(), prima);
    }

    // The day comes from the platform's clock: a record imminent for the test's rule on
    // 10/03/2021 is not looked for in another year's file.
    void todayComesFromTheClock() {
        FakePiattaforma fake;
        fake.adesso = QDateTime(QDate(2022, 3, 10), QTime(8, 0));
        Archivio(fake, {Scheda("12/03/2021", "09:30", "Pagamento IVA", "imminente")});
        const Esito e = Esegui(Cliente());
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.out, QString());
        QVERIFY(!QFileInfo::exists(fake.cartella() + "2022.rcd"));
    }
};

QTEST_MAIN(TestAvvisi)
#include "tst_avvisi.moc"
