#pragma once
// Deadline entry starts here: the user chooses the year whose archive the deadline card is
// to work on. The window only names the year file for the card; it opens nothing itself.
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <optional>

#include "gui/app/Convenzioni.h"

class TfrmMenuRicordario : public FinestraIntera {
    Q_OBJECT
public:
    // The chosen year and the path of its archive, handed over once this window has closed.
    using SceltaAnno = std::function<void(const QString& anno, const std::filesystem::path& file)>;

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
    // Shows how the window was left: "avvio" (without a year) or "ricordario" (a year was
    // chosen).
    QLabel* lblMemory;

    void btnApriPreventiviClick();
    void imgGuidaClick();
    void imgEsciClick() { close(); }

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Scelta {
        QString anno;
        std::filesystem::path file;
    };
    std::optional<Scelta> scelta_;
    SceltaAnno annoScelto_;
};
