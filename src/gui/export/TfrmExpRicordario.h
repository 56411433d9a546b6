#pragma once
// Every deadline of one year archive in a grid, exported as "Scadenze_e_Appuntamenti.xls".
#include <filesystem>

#include "gui/app/FinestraGriglia.h"

class TfrmExpRicordario : public FinestraGriglia {
    Q_OBJECT
public:
    // `archivio`: the year file the deadline card has open; `anno`: its year, for the
    // calendar export.
    TfrmExpRicordario(QWidget* scheda, const std::filesystem::path& archivio, int anno);
    // The deadline card's "Esporta archivio": a new window, shown modally, then destroyed.
    static void Apri(QWidget* scheda, const std::filesystem::path& archivio, int anno);
};
