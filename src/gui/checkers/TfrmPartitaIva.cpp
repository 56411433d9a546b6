#include "gui/checkers/TfrmPartitaIva.h"

#include "core/checkers/PartitaIva.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* chiamante)
    : FinestraControllo(chiamante, "TfrmPartitaIva", " Controllo partita IVA", "txtPartitaIva", 11,
                        "Immettere il numero di partita IVA e premere il pulsante di controllo.",
                        {.cifre = true}, &controlli::ControllaPartitaIva),
      txtPartitaIva(Campo()) {}

void TfrmPartitaIva::Apri(QWidget* chiamante, const QString& partitaIva) {
    ApriCon<TfrmPartitaIva>(chiamante, partitaIva);
}
