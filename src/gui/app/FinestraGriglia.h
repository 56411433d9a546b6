#pragma once
// The grid windows: a dialog with a white strip (logo, a hand pointing at the export
// picture, the export, help and exit pictures), the grid `grdRecords` over the rows'
// texts, and the status line. A grid window is a declaration: its column table (from the
// core) with how it draws each column, its export (file, worksheet, header cells), its help
// page, and how its rows are filled.
#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/export/Foglio.h"
#include "core/export/Griglia.h"
#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

// The rows' texts as the grid shows them; what is typed into an editable column stays
// here, for the export, and never reaches an archive.
class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelloGriglia(std::vector<griglia::Colonna> colonne, QObject* genitore);

    const griglia::TabellaTesti& Tabella() const { return tabella_; }
    const std::vector<griglia::Colonna>& Colonne() const { return colonne_; }
    // Fills the rows anew with `riempi`; whatever it put in before failing stays shown,
    // and the failure goes on to the caller.
    void Riempi(const std::function<void(griglia::TabellaTesti&)>& riempi);

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    std::vector<griglia::Colonna> colonne_;
    griglia::TabellaTesti tabella_;
};

// The export command of every grid window: asks, writes the file in the program folder
// whole, offers to open it; a failure is shown and leaves the old file as it was. Xlsx
// writes the same sheet as the workbook beside the HTML file ("Contatti.xls" →
// "Contatti.xlsx").
enum class FormatoFoglio { Xls, Xlsx };
void EsportaInFoglio(QWidget* genitore, std::string_view file, std::string_view foglio,
                     std::span<const foglio::Intestazione> intestazioni,
                     const foglio::Righe& righe, FormatoFoglio formato = FormatoFoglio::Xls);

// How a grid window draws a column: the column's control name and its width in pixels.
struct AspettoColonna {
    const char* nome;
    int larghezza;
};

class FinestraGriglia : public Dialogo {
    Q_OBJECT
public:
    // A command of its own, between the help and exit pictures: its picture, its
    // status-line text, and what it does. The strip has room for two, one above the other.
    struct Comando {
        const char* nome;         // objectName
        const char* figura;       // picture resource (42 x 50 alone, 42 x 30 for two)
        const char* descrizione;  // status-line text
        std::function<void(FinestraGriglia*)> azione;
    };

    // What makes one grid window.
    struct Dichiarazione {
        const char* classe;  // the window's class name, also its objectName
        const char* titolo;  // caption
        const char* guida;   // help page title
        std::vector<griglia::Colonna> colonne;
        std::span<const AspettoColonna> aspetto;  // one for each column
        griglia::Esportazione esportazione;
        // Fills the rows when the window is shown; a failure ends the filling, the rows
        // filled so far staying.
        std::function<void(griglia::TabellaTesti&)> riempi;
        std::vector<Comando> comandi = {};
        // A failure to fill is said with the access message (else it is silent).
        bool avvisaSeIlleggibile = false;
    };

    FinestraGriglia(QWidget* genitore, Dichiarazione dichiarazione);

    Immagine* imgLogo;
    Immagine* imgMano;
    Immagine* cmdEsporta;
    Immagine* cmdEsportaXlsx;
    Immagine* cmdGuida;
    Immagine* cmdEsci;
    QTableView* grdRecords;
    QLabel* panInfo;

    ModelloGriglia* Modello() const { return modello_; }
    // The column with that control name; -1 when the grid has none.
    int Colonna(std::string_view nome) const;

    // Fills the rows again from the archive, as when the window was shown.
    void Ricarica();

    void cmdEsportaClick();
    void cmdEsportaXlsxClick();
    void cmdGuidaClick();
    void cmdEsciClick() { close(); }

protected:
    void FormShow() override;

private:
    Dichiarazione d_;
    ModelloGriglia* modello_;
};

// The declaration of a grid window with one row for each record of an archive file, in
// file order.
template <class Scheda>
FinestraGriglia::Dichiarazione GrigliaDiArchivio(const char* classe, const char* titolo,
                                                 const char* guida,
                                                 const griglia::Dichiarazione<Scheda>& griglia,
                                                 std::span<const AspettoColonna> aspetto,
                                                 std::filesystem::path file) {
    return {classe,
            titolo,
            guida,
            griglia.Colonne(),
            aspetto,
            griglia.esportazione,
            [colonne = griglia.colonne, file = std::move(file)](griglia::TabellaTesti& t) {
                griglia::Riempi<Scheda>(t, colonne, file);
            }};
}

// Size of a grid window and of its content panel; background colour.
inline constexpr QSize kDialogoGriglia(862, 560);
inline constexpr QSize kPannelloGriglia(837, 533);
inline constexpr quint32 kColoreGriglia = 0xFFEEEDED;
