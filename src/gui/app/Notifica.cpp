#include "gui/app/Notifica.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace notifica {
namespace {

constexpr int kAttesaMs = 5000;

QDBusMessage Chiamata(const QString& metodo) {
    return QDBusMessage::createMethodCall(Servizio, Oggetto, Interfaccia, metodo);
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
    QDBusConnection connessione(bus);
    const QDBusMessage capacita = connessione.call(Chiamata("GetCapabilities"), QDBus::Block,
                                                   kAttesaMs);
    const bool marcatura = capacita.type() == QDBusMessage::ReplyMessage &&
                           capacita.arguments().value(0).toStringList().contains("body-markup");

    QVariantMap suggerimenti;
    suggerimenti.insert("desktop-entry", QStringLiteral("ricordario"));
    suggerimenti.insert("urgency", QVariant::fromValue<uchar>(1));  // normal
    QDBusMessage notifica = Chiamata("Notify");
    notifica << QStringLiteral("Ricordario") << 0u << QStringLiteral("ricordario") << titolo
             << (marcatura ? SenzaMarcatura(corpo) : corpo) << QStringList() << suggerimenti
             << -1;
    const QDBusMessage risposta = connessione.call(notifica, QDBus::Block, kAttesaMs);
    return risposta.type() == QDBusMessage::ReplyMessage;
}

}  // namespace notifica
