#pragma once
// The program's name, as its windows show it: every full-screen window's caption starts
// with it.
#include <QString>

inline constexpr const char* NomeProgramma = "Ricordario Diz 3.0";

// " Ricordario Diz 3.0", the launcher's caption.
inline QString Titolo() { return QStringLiteral(" ") + QString::fromUtf8(NomeProgramma); }
// " Ricordario Diz 3.0 - " followed by the application or window.
inline QString Titolo(const QString& finestra) {
    return Titolo() + QStringLiteral(" - ") + finestra;
}
