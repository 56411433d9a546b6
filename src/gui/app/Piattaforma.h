#pragma once
// The platform seam: everything a test must not really do goes through here: message
// boxes, modal showing of per-use windows, the open-file dialog, the shell "open", the
// sound player, the print dialog and the clock. Production uses Qt; tests install a fake
// that records every call and answers from a script.
#include <QDateTime>
#include <filesystem>
#include <QString>
#include <QUrl>

#include "core/text/DataOra.h"

class QDialog;
class QPrinter;
class QWidget;

enum class TipoAvviso { Informazione, Avvertimento, Errore };
enum class Risposta { Si, No };

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // Title "Information"/"Warning"/"Error", the kind's icon, buttons OK and Cancel.
    virtual void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo) = 0;
    // Title "Confirm", question icon, Yes (default) and No.
    virtual Risposta ChiediConferma(QWidget* genitore, const QString& testo) = 0;
    // No title, no icon, OK.
    virtual void MostraMessaggio(QWidget* genitore, const QString& testo) = 0;

    // Shows a per-use window modally and returns its result code.
    virtual int MostraModale(QDialog* finestra) = 0;
    // The open-file dialog with one filter entry (its text as the user reads it, patterns
    // in brackets); empty when cancelled.
    virtual QString ScegliFile(QWidget* genitore, const QString& titolo,
                               const QString& filtro) = 0;
    // The desktop shell's "open" of a file URL, a web address or a mailto: address.
    virtual void ApriUrl(const QUrl& url) = 0;

    // The print dialog on `stampante`; false when cancelled or no printer is there.
    virtual bool ChiediStampante(QWidget* genitore, QPrinter& stampante) = 0;

    // The alarm sound: load by path (true when it loaded), play, stop.
    virtual bool CaricaSuono(const QString& percorso) = 0;
    virtual void Suona() = 0;
    virtual void FermaSuono() = 0;

    // The clock: today and now.
    virtual QDateTime Adesso() = 0;

    // Ends the program after the current event.
    virtual void Termina() = 0;
};

// The platform in use: the Qt one unless a test has installed its own.
Piattaforma& piattaforma();
// Installs `p` (not owned) as the platform; nullptr goes back to the Qt one.
void ImpostaPiattaforma(Piattaforma* p);

// A calendar day as the core takes it, and today by the platform's clock.
Data DataDi(const QDate& giorno);
Data Oggi();

// The program folder, with its trailing separator: the folder of the executable when it
// holds the password file (a portable folder), otherwise the user's data folder
// (~/.local/share/Ricordario) of an installed program. Tests point it elsewhere with
// ImpostaCartellaProgramma.
QString CartellaProgramma();
// At start of the windowed program: an installed program's data folder is created, with the
// first-access password file, when missing. False when it could not be made ready.
bool PreparaCartellaProgramma();
void ImpostaCartellaProgramma(const QString& cartella);
// Path of a file in the program folder, as the core takes it.
std::filesystem::path PercorsoProgramma(const QString& nomeFile);
