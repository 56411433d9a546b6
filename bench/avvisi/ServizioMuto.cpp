// A notification service that takes the desktop's name and never answers: every call is
// kept waiting for a reply that does not come. Prints "pronto" once it holds the name and,
// on exit, how many calls it left unanswered.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <csignal>
#include <cstdio>

class ServizioMuto : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    int chiamate = 0;

public slots:
    void GetCapabilities(const QDBusMessage& m) { Taci(m); }
    void Notify(const QString&, uint, const QString&, const QString&, const QString&,
                const QStringList&, const QVariantMap&, int, const QDBusMessage& m) {
        Taci(m);
    }

private:
    void Taci(const QDBusMessage& m) {
        m.setDelayedReply(true);
        ++chiamate;
        std::fprintf(stderr, "servizio muto: %s senza risposta\n", qPrintable(m.member()));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::signal(SIGTERM, [](int) { QCoreApplication::quit(); });
    ServizioMuto servizio;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/Notifications", &servizio,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        std::fprintf(stderr, "servizio muto: the name is taken or there is no session bus\n");
        return 1;
    }
    std::printf("pronto\n");
    std::fflush(stdout);
    return app.exec();
}

#include "ServizioMuto.moc"
