#pragma once
// The sound player behind the platform's sound operations. It lives in a module of its own,
// loaded the first time a sound is needed: the multimedia libraries it pulls in are not
// loaded at start, where nothing plays.
#include <QString>

class LettoreSuono {
public:
    virtual ~LettoreSuono() = default;
    // Loads the file; false when it cannot be played.
    virtual bool Carica(const QString& percorso) = 0;
    virtual void Suona() = 0;
    virtual void Ferma() = 0;
};

// The module's name beside the executable, and the function it exports to make a player.
inline constexpr const char* kModuloSuono = "ricordario_suono";
inline constexpr const char* kCreaLettoreSuono = "CreaLettoreSuono";
using CreaLettore = LettoreSuono* (*)();
