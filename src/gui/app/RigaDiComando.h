#pragma once
// The program's command-line modes, which open no window:
//   Ricordario --avvisi           the imminent deadlines of today's year: printed one a line
//                                 and named in one desktop notification (the login warning)
//   Ricordario --calendario ANNO  writes the year's deadlines as Scadenze_<ANNO>.ics
#include <QDBusConnection>
#include <QString>
#include <iosfwd>

#include "core/deadlines/Avvisi.h"

namespace riga_di_comando {

// True when the arguments ask for one of the modes above (the first argument names it).
bool Richiesta(int argc, char** argv);

// Runs the mode the arguments ask for and returns the exit status. `imminente` is the rule
// that tells which deadlines --avvisi names.
int Esegui(int argc, char** argv, const avvisi::RegolaImminenza& imminente);

// --avvisi: today from the platform's clock, the archive from the program folder, read
// only and never created. Prints on `out`, notifies on `bus`; 0 in every case but an
// archive that cannot be read (1, reported on `err`).
int Avvisi(const avvisi::RegolaImminenza& imminente, const QDBusConnection& bus,
           std::ostream& out, std::ostream& err);

// --calendario ANNO: writes Scadenze_<ANNO>.ics in the program folder from <ANNO>.rcd (read
// only, never created). 0 when written, 1 when the archive or the file failed, 2 for a year
// that is not one.
int Calendario(const QString& anno, std::ostream& out, std::ostream& err);

}  // namespace riga_di_comando
