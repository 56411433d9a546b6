#pragma once
// What a command says when its archive failed: another program keeping the archive past
// the wait says so, naming it, so the user knows to try again; any other failure is the
// access message every archive command shares.
#include <QString>
#include <exception>

#include "core/archive/FileArchivio.h"
#include "core/text/Messaggi.h"

inline QString MessaggioAccesso(const std::exception& e) {
    if (dynamic_cast<const ErroreArchivioInUso*>(&e)) return QString::fromUtf8(e.what());
    return QString::fromUtf8(messaggi::AccessoArchivio);
}
