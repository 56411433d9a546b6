#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/app/DateNumeri.h"
#include "gui/app/Programma.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Ricordario");
    // The windows are hidden and shown again; the program ends only when told to.
    app.setQuitOnLastWindowClosed(false);

    // Message box buttons in Italian.
    QTranslator qtItaliano;
    if (qtItaliano.load(QLocale(QLocale::Italian), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtItaliano);

    // Dates dd/mm/yyyy and the decimal comma for the whole process, once.
    ImpostaDateNumeri();

    Programma programma;
    // RICORDARIO_SCHERMATA=clienti opens that window at once, for screenshots.
    programma.Avvia(qEnvironmentVariable("RICORDARIO_SCHERMATA"));
    return app.exec();
}
