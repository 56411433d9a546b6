#include "gui/app/Notifica.h"

#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QStringList>
#include <QVariantMap>
#include <algorithm>

namespace notifica {
namespace {

// The whole wait on the service, both calls together: at each login a service that holds
// the name but never answers must not keep the warning waiting for long.
constexpr int kAttesaMs = 1500;

QDBusMessage Chiamata(const QString& metodo) {
    return QDBusMessage::createMethodCall(Servizio, Oggetto, Interfaccia, metodo);
}

bool Risposta(const QDBusMessage& m) { return m.type() == QDBusMessage::ReplyMessage; }

// No answer in time (as opposed to an error the service sent back).
bool Muto(const QDBusMessage& m) {
    return m.type() == QDBusMessage::ErrorMessage &&
           (m.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
            m.errorName() == QLatin1String("org.freedesktop.DBus.Error.Timeout"));
}

// Services that read markup would take "<" or "&" in a reason as the start of a tag.
QString SenzaMarcatura(QString t) {
    t.replace('&', QStringLiteral("&amp;"));
    t.replace('<', QStringLiteral("&lt;"));
    t.replace('>', QStringLiteral("&gt;"));
    return t;
}

}  // namespace

bool Invia(const QDBusConnection& bus, const QString& titolo, const QString& corpo) {
    if (!bus.isConnected()) return false;
    const QDeadlineTimer scadenza(kAttesaMs);
    QDBusConnection connessione(bus);
    const QDBusMessage capacita =
        connessione.call(Chiamata("GetCapabilities"), QDBus::Block, kAttesaMs);
    // A service that did not answer the first call would not answer the second either.
    if (Muto(capacita)) return false;
    const bool marcatura = Risposta(capacita) &&
                           capacita.arguments().value(0).toStringList().contains("body-markup");

    QVariantMap suggerimenti;
    suggerimenti.insert("desktop-entry", QStringLiteral("ricordario"));
    suggerimenti.insert("urgency", QVariant::fromValue<uchar>(1));  // normal
    QDBusMessage notifica = Chiamata("Notify");
    notifica << QStringLiteral("Ricordario") << 0u << QStringLiteral("ricordario") << titolo
             << (marcatura ? SenzaMarcatura(corpo) : corpo) << QStringList() << suggerimenti
             << -1;
    const int resto = std::max(1, static_cast<int>(scadenza.remainingTime()));
    return Risposta(connessione.call(notifica, QDBus::Block, resto));
}

}  // namespace notifica
