#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

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

    Programma programma;
    // For screenshots: RICORDARIO_SCHERMATA names a window to show instead of the password.
    const QString schermata = qEnvironmentVariable("RICORDARIO_SCHERMATA");
    if (schermata == "ricordario") {
        programma.menuRicordario()->Apri();
    } else if (schermata == "scheda") {
        // The card on this year's archive, at its last record.
        programma.menuRicordario()->Apri();
        programma.menuRicordario()->btnApriPreventiviClick();
        programma.ricordario()->cmdUltimoClick();
    } else {
        programma.Avvia();
    }
    return app.exec();
}
