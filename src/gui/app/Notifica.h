#pragma once
// One desktop notification through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus), as every Linux desktop offers.
#include <QDBusConnection>
#include <QString>

namespace notifica {

inline constexpr const char* Servizio = "org.freedesktop.Notifications";
inline constexpr const char* Oggetto = "/org/freedesktop/Notifications";
inline constexpr const char* Interfaccia = "org.freedesktop.Notifications";

// Shows `titolo` and `corpo` (plain text; escaped when the service reads markup) with the
// program's icon. False when no service answered: no bus, no service, or an error reply.
bool Invia(const QDBusConnection& bus, const QString& titolo, const QString& corpo);

}  // namespace notifica
