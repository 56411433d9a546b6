#pragma once
// Deadline entry starts here: the user chooses the year whose archive the deadline card is
// to work on. The window only names the year file for the card; it opens nothing itself.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <optional>

#include "gui/app/Figure.h"
#include "gui/app/Finestre.h"

class TfrmMenuRicordario : public FinestraIntera {
    Q_OBJECT
public:
    // The chosen year and the path of its archive, handed over once this window has closed.
    using SceltaAnno = std::function<void(int anno, const std::filesystem::path& file)>;

    TfrmMenuRicordario();
    // What takes the year when one is chosen (without one the window goes back to the
    // launcher).
    void Collega(SceltaAnno annoScelto) { annoScelto_ = std::move(annoScelto); }

    QLabel* lblInfo;
    QLabel* intAnnoPreventivi;
    QLabel* titAnnoPreventivi;
    QLineEdit* txtAnnoPreventivi;
    QPushButton* btnApriPreventivi;
    Immagine* imgGuida;
    Immagine* imgEsci;
    void btnApriPreventiviClick();
    // Chooses the year as "Apri" does once the year field is checked: its file is named in
    // the program folder and the window closes, on to what takes the year.
    void ApriAnno(int anno);
    void imgGuidaClick();
    void imgEsciClick() { close(); }

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Scelta {
        int anno;
        std::filesystem::path file;
    };
    std::optional<Scelta> scelta_;  // a year was chosen: the card follows, not the launcher
    SceltaAnno annoScelto_;
};
