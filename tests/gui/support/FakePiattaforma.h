#pragma once
// The test platform: records every call, answers from a script, hands per-use windows to
// the test, and has a settable clock. Installing it also points the program folder at a
// fresh temporary folder.
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "gui/app/Piattaforma.h"

struct Chiamata {
    QString operazione;  // "MostraAvviso", "ChiediConferma", "MostraMessaggio", "ApriUrl", ...
    QString tipo;        // MostraAvviso: "Information", "Warning", "Error"; ScegliFile: filter
    QString testo;       // message text, URL, file path...
};

class FakePiattaforma : public Piattaforma {
public:
    FakePiattaforma();
    ~FakePiattaforma() override;

    void MostraAvviso(QWidget*, const QString& testo, TipoAvviso tipo) override;
    Risposta ChiediConferma(QWidget*, const QString& testo) override;
    void MostraMessaggio(QWidget*, const QString& testo) override;
    int MostraModale(QDialog* finestra) override;
    QString ScegliFile(QWidget*, const QString& titolo, const QString& filtro) override;
    void ApriUrl(const QUrl& url) override;
    bool ChiediStampante(QWidget*, QPrinter& stampante) override;
    bool CaricaSuono(const QString& percorso) override;
    void Suona() override;
    void FermaSuono() override;
    QDateTime Adesso() override { return adesso; }
    void Termina() override { chiamate.append({"Termina", QString(), QString()}); }

    // Everything recorded so far, in order.
    QList<Chiamata> chiamate;
    // Calls of one operation.
    QList<Chiamata> Di(const QString& operazione) const;
    // The last call, or an empty one.
    Chiamata Ultima() const { return chiamate.isEmpty() ? Chiamata{} : chiamate.last(); }

    // Script: answers to ChiediConferma in order (Yes when the queue is empty),
    // files for ScegliFile (empty text when the queue is empty), and the print dialog.
    QList<Risposta> risposte;
    QStringList fileScelti;
    bool stampanteAccettata = false;
    // Called with each per-use window while it is "shown"; its return value is the
    // window's result. By default the window is not driven and returns Rejected.
    std::function<int(QDialog*)> allaModale;
    QDateTime adesso{QDate(2026, 12, 9), QTime(10, 30, 0)};

    QString cartella() const { return dir_.path() + QLatin1Char('/'); }

private:
    QTemporaryDir dir_;
};
