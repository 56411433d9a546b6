#pragma once
// The desktop shell's "open", as the windows hand it a path or an address.
#include <QString>

// Hands a text to the desktop shell's "open": a file path (with or without the double
// quotes it is written with), a web address or a mailto: address.
class TMisc {
public:
    static void Open(const QString& testo);
};
