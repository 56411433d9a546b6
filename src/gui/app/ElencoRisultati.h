#pragma once
// The result list every search and list window shares: the list box `lstRecords` with its
// lines kept in list order and drawn in fixed columns, the find command over it with its
// remembered text, printing the lines, and the pick of a line by double click. A window
// builds it (usually with its whole result panel) and says only what differs: which
// records, which line, where a picked record goes, the printed title.
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/Archivio.h"
#include "core/lists/Elenco.h"
#include "gui/reports/Modelli.h"

class QPushButton;
class ModelloRighe;

// The list box: a view over a model that holds the lines packed in one block (see
// elenco::Righe), so that 100,000 lines stay light, and frees them when emptied. Lines are
// kept in the core's list order (Qt's own sorting is another order), drawn in Courier New
// 12 black whatever the style says, each 1600 wide so that long lines scroll sideways.
class ListaRisultati : public QListView {
    Q_OBJECT
public:
    ListaRisultati(QWidget* genitore, const QString& nome, QRect r);
    // An empty set of lines to fill and add, in the list's own kind of memory.
    elenco::Righe NuoveRighe() const;
    // Adds lines, each in its place in list order; equal lines keep their arrival order.
    void Aggiungi(elenco::Righe righe);
    void Aggiungi(const std::vector<std::string>& righe);
    // Empties the list and gives its memory back.
    void clear();
    int count() const;
    // Line i, as shown and as the core has it.
    QString Riga(int i) const;
    std::string_view Testo(int i) const;
    QStringList Righe() const;
    // Row of the selected line, -1 when none is.
    int Selezionata() const;
    // Selects line i and scrolls to it.
    void Seleziona(int i);
    // Where line i is drawn, in the viewport.
    QRect RettangoloRiga(int i) const;
    // Bytes the lines hold.
    std::size_t Memoria() const;

signals:
    // A double click anywhere on the list, on a line or not.
    void DoppioClic();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    ModelloRighe* modello_;
};

class ElencoRisultati : public QObject {
    Q_OBJECT
public:
    // `ricordato` is the remembered find text: one per window class (or, for a list that
    // keeps it between windows, one for the program). It must outlive the list.
    ElencoRisultati(ListaRisultati* lista, QLineEdit* txtTrova, std::string& ricordato);

    ListaRisultati* Lista() const { return lista_; }

    // "Trova": selects the next line holding the find text (see elenco::TrovaNellaLista);
    // on an empty list says so. Errors are swallowed.
    void Trova();
    // On show: the remembered text and the find field are emptied.
    void Dimentica();

    // Empties the list, opens the archive (created empty when missing) and lists the line
    // of every record `prendi` takes, in list order. Both see each record as stored and
    // convert only the fields they read. A failure propagates once the lines read so far
    // are in the list.
    template <class Scheda>
    void Elenca(const std::filesystem::path& file,
                const std::function<bool(const VistaScheda<Scheda>&)>& prendi,
                const elenco::FormaRiga<Scheda>& forma);

    // The pick (double click): rereads the archive and hands every record whose line
    // equals the selected one to `copia`, in file order, so the last one stays; then
    // closes the window. A failure, or no line selected, just ends the pick: what was
    // copied stays copied and the window closes all the same, without a message.
    template <class Scheda>
    void Scegli(const std::filesystem::path& file, const elenco::FormaRiga<Scheda>& forma,
                const std::function<void(std::int64_t, const Scheda&)>& copia);

    // The selected line; throws when there is none.
    std::string RigaScelta() const;

    // "Stampa": the list template gets the title and every line in list order, then the
    // `aggiunte` lines, and is printed without preview.
    void Stampa(QWidget* genitore, const QString& titolo, const QStringList& aggiunte = {});

private:
    ListaRisultati* lista_;
    QLineEdit* txtTrova_;
    std::string& ricordato_;
    report::Modello frxReport_ = report::ModelloElenco();  // the window's list template
};

// The result panel of the search and status list windows: two instruction lines, the
// find field and "Trova", the list, the pick hint, the count label when asked for,
// "Stampa" and "Chiudi". A window holding it derives from it, so the controls are its own
// members, and builds it with Costruisci.
struct PannelloRisultati {
    QLineEdit* txtTrova = nullptr;
    QPushButton* btnTrova = nullptr;
    ListaRisultati* lstRecords = nullptr;
    QLabel* lblTrovate = nullptr;  // only when asked for
    QPushButton* btnStampa = nullptr;
    QPushButton* btnChiudi = nullptr;
    ElencoRisultati* risultati = nullptr;

    // Lays the panel out on `pannello` (kDialogoElenco). Enter in the find field goes to
    // "Trova"; "Trova" finds, "Stampa" prints under `titolo`, "Chiudi" closes the window.
    void Costruisci(QWidget* pannello, std::string& ricordato, const QString& titolo,
                    bool conConteggio);
};
// Size and top background colour of a search or list dialog that holds that panel.
inline constexpr QSize kDialogoElenco(860, 600);
inline constexpr quint32 kColoreElenco = 0xFF8BB2D3;

// --- templates ---------------------------------------------------------------------------

template <class Scheda>
void ElencoRisultati::Elenca(const std::filesystem::path& file,
                             const std::function<bool(const VistaScheda<Scheda>&)>& prendi,
                             const elenco::FormaRiga<Scheda>& forma) {
    elenco::Righe righe = lista_->NuoveRighe();
    try {
        Archivio<Scheda> archivio;
        archivio.Apri(file, Accesso::SolaLettura);
        lista_->clear();
        elenco::AccodaRighe(archivio, prendi, forma.componi, righe);
        archivio.Chiudi();
    } catch (...) {
        lista_->Aggiungi(std::move(righe));
        throw;
    }
    lista_->Aggiungi(std::move(righe));
}

template <class Scheda>
void ElencoRisultati::Scegli(const std::filesystem::path& file,
                             const elenco::FormaRiga<Scheda>& forma,
                             const std::function<void(std::int64_t, const Scheda&)>& copia) {
    try {
        const std::string riga = RigaScelta();
        Archivio<Scheda> archivio;
        archivio.Apri(file, Accesso::SolaLettura);
        elenco::CopiaSchedeUguali<Scheda>(archivio, riga, forma, copia);
        archivio.Chiudi();
    } catch (...) {
        // Nothing to say: the window closes as after a pick.
    }
    lista_->window()->close();
}
