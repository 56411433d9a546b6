#pragma once
// The test platform: records every call, answers from a script, hands per-use windows to
// the test, and has a settable clock. Installing it also points the program folder at a
// fresh temporary folder.
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <type_traits>

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
    // Answers still queued when the fake goes fail the test.
    QList<Risposta> risposte;
    QStringList fileScelti;
    bool stampanteAccettata = false;
    QDateTime adesso{QDate(2026, 12, 9), QTime(10, 30, 0)};

    // Answers the per-use windows shown from now on. Each handler takes a pointer to a
    // window class (QDialog* takes any window) and may return the window's result
    // (Rejected otherwise); a window goes to the first handler of its class, and a window
    // no handler takes fails the test. An answer no window reached fails the test when it
    // is replaced or when the fake goes. Without an answer a window is not driven and
    // returns Rejected.
    template <class... Guide>
    void Rispondi(Guide... guide);
    // Stops answering; the answer given so far must have been used.
    void SmettiDiRispondere();

    QString cartella() const { return dir_.path() + QLatin1Char('/'); }

private:
    // The class a handler takes, and its answer to one window: false when not of that class.
    template <class F>
    struct ClasseDi : ClasseDi<decltype(&F::operator())> {};
    template <class C, class R, class T>
    struct ClasseDi<R (C::*)(T*) const> {
        using tipo = T;
    };
    template <class C, class R, class T>
    struct ClasseDi<R (C::*)(T*)> {
        using tipo = T;
    };
    template <class F>
    static bool Prova(F& guida, QDialog* d, int& esito) {
        using T = typename ClasseDi<F>::tipo;
        auto* f = qobject_cast<T*>(d);
        if (!f) return false;
        if constexpr (std::is_void_v<decltype(guida(f))>)
            guida(f);
        else
            esito = int(guida(f));
        return true;
    }
    template <class F>
    static QString Nome() {
        return QString::fromLatin1(ClasseDi<F>::tipo::staticMetaObject.className());
    }
    void Verifica(bool condizione, const QString& cosa) const;
    void VerificaRisposta() const;

    struct RispostaModale {
        std::function<bool(QDialog*, int&)> guida;
        QString per;  // the window classes it takes, for the failure message
        bool usata = false;
    };
    RispostaModale allaModale_;
    QTemporaryDir dir_;
};

template <class... Guide>
void FakePiattaforma::Rispondi(Guide... guide) {
    VerificaRisposta();
    allaModale_ = {};
    allaModale_.per = QStringList{Nome<Guide>()...}.join(QLatin1String(", "));
    allaModale_.guida = [... guide = std::move(guide)](QDialog* d, int& esito) mutable {
        return (Prova(guide, d, esito) || ...);
    };
}
