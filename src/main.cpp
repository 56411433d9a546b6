#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <iostream>

#include "gui/app/Programma.h"
#include "core/viewer/RegoleVisualizzatore.h"
#include "gui/app/RigaDiComando.h"

namespace {
// The deadlines the login warning (--avvisi) names: those the viewer announces as imminent
// on the same day, by the viewer's own rule.
const avvisi::RegolaImminenza kRegolaAvvisi = visualizzatore::ScadenzaImminente;
}  // namespace

int main(int argc, char** argv) {
    // --avvisi and --calendario ANNO run without any window.
    if (riga_di_comando::Richiesta(argc, argv))
        return riga_di_comando::Esegui(argc, argv, kRegolaAvvisi);

    QApplication app(argc, argv);
    app.setApplicationName("Ricordario");
    // The windows are hidden and shown again; the program ends only when told to.
    app.setQuitOnLastWindowClosed(false);
    if (!PreparaCartellaProgramma())
        std::cerr << "Ricordario: impossibile preparare la cartella dei dati "
                  << CartellaProgramma().toStdString() << '\n';

    // Message box buttons in Italian.
    QTranslator qtItaliano;
    if (qtItaliano.load(QLocale(QLocale::Italian), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtItaliano);

    Programma programma;
    // RICORDARIO_SCHERMATA=clienti opens that window at once, for screenshots.
    programma.Avvia(qEnvironmentVariable("RICORDARIO_SCHERMATA"));
    return app.exec();
}
