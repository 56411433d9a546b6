#pragma once
#include <exception>
// A card window: one record of an archive at a time on a full-screen window. Both cards
// share its chrome: the command column with the decorative picture below it, the
// navigation strip with its four arrows and the position label, and the status line with
// one rule (over a described control it shows the description; over anything else that
// takes no typing it empties). The record side (fields and controls, save, copy, browsing)
// is FinestraArchivio; a card declares its layout, its commands and its rules.
#include <QRect>
#include <cstdint>
#include <iterator>

#include "core/archive/Navigazione.h"
#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"
#include "gui/app/RigaStato.h"

// Descriptions that read the same on both cards.
namespace descrizioni {
inline constexpr const char* Nuovo =
    "Prepara la schermata per la registrazione di una nuova scheda.";
inline constexpr const char* Duplica =
    "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.";
inline constexpr const char* Salva = "Salva la scheda corrente in archivio.";
inline constexpr const char* Trova = "Trova una scheda in archivio.";
inline constexpr const char* Anteprima = "Visualizza l'anteprima di stampa.";
inline constexpr const char* Stampa = "Stampa la scheda corrente.";
inline constexpr const char* Esporta =
    "Esporta le schede in archivio in un file di Microsoft Excel.";
inline constexpr const char* CodFisc = "Controlla il codice fiscale.";
}  // namespace descrizioni

class FinestraScheda : public FinestraIntera {
    Q_OBJECT
public:
    QLabel* panInfo = nullptr;       // the status line
    QLabel* lblPosizione = nullptr;  // shows Posizione(), empty for a card never stored
    Immagine* cmdPrimo = nullptr;
    Immagine* cmdIndietro = nullptr;
    Immagine* cmdAvanti = nullptr;
    Immagine* cmdUltimo = nullptr;

    void cmdNuovoClick() { PulisciScheda(); }
    virtual void cmdDuplicaClick() = 0;
    virtual void cmdSalvaClick() = 0;
    void cmdPrimoClick() { Naviga(Navigazione::Primo); }
    void cmdIndietroClick() { Naviga(Navigazione::Indietro); }
    void cmdAvantiClick() { Naviga(Navigazione::Avanti); }
    void cmdUltimoClick() { Naviga(Navigazione::Ultimo); }
    void cmdEsciClick() { close(); }

    // Card reset: a new card, the focus on the first field.
    virtual void PulisciScheda() = 0;

    // The record number the card stands on; 0 for a card never stored. Saving overwrites
    // that record, or appends when there is none.
    std::int64_t Posizione() const { return posizione_; }
    void ImpostaPosizione(std::int64_t posizione);

protected:
    struct Cornice {
        QColor sfondo;         // the window's gradient, from this colour to white
        QColor fondoPannello;  // fill of the whole content panel, if any
        QColor bordo;          // border of the white panels, if any
        int yPosizione;        // line of the position label in the navigation strip
    };
    FinestraScheda(const QString& nome, const QString& titolo, const Cornice& cornice);

    // A command picture: a word in the command column, placed in the order of the table,
    // or a small picture at its own place; `membro` is where the card keeps it, if it does.
    template <class Finestra>
    struct Comando {
        const char* nome;
        const char* parola;  // nullptr for a small picture
        const char* descrizione;
        void (Finestra::*azione)();  // nullptr: nothing to do yet
        QRect r = {};
        const char* risorsa = nullptr;
        Immagine* Finestra::*membro = nullptr;
    };
    template <class Finestra, std::size_t N>
    void AggiungiComandi(const Comando<Finestra> (&comandi)[N]) {
        auto* finestra = static_cast<Finestra*>(this);
        for (const Comando<Finestra>& c : comandi) {
            Immagine* i = AggiungiComando(c.nome, c.parola, c.r, c.risorsa, c.descrizione);
            if (c.azione) connect(i, &QAbstractButton::clicked, finestra, c.azione);
            if (c.membro) finestra->*c.membro = i;
        }
    }
    // A label the card keeps hidden, showing a path or a record field it fills itself.
    QLabel* EtichettaNascosta(const char* nome);
    // The status line's text over a control that is not a command (the check boxes).
    void Descrivi(QWidget* controllo, const char* descrizione);
    // The Enter chain of the fields; its first field takes the focus on a new card.
    void ImpostaCatena(const QList<QWidget*>& campi);
    QWidget* PrimoCampo() const { return primo_; }
    // Once every control is there: the status line's rule over all of them.
    void CollegaRigaStato();

    // The archive access failure, as every command that touches the archive reports it.
    void ErroreAccesso(const std::exception& e);
    // A character the archive cannot store was refused in a field: said in the status line.
    void CarattereRifiutato();

    void FormShow() override { PulisciScheda(); }
    virtual void Naviga(Navigazione comando) = 0;

private:
    Immagine* AggiungiComando(const char* nome, const char* parola, QRect r, const char* risorsa,
                              const char* descrizione);

    RigaStato* stato_ = nullptr;
    int inColonna_ = 0;
    QWidget* primo_ = nullptr;
    std::int64_t posizione_ = 0;
};
