#include "gui/checkers/TfrmCarta.h"

#include "core/checkers/CartaCredito.h"

TfrmCarta::TfrmCarta(QWidget* chiamante)
    : FinestraControllo(
          chiamante, "TfrmCarta", " Controllo carta di credito", "txtNumero", 30,
          "Immettere il numero di carta di credito e premere il pulsante di controllo.",
          {.maiuscole = true, .cifre = true}, &controlli::ControllaCartaCredito),
      txtNumero(Campo()) {}

void TfrmCarta::Apri(QWidget* chiamante, const QString& numero) {
    ApriCon<TfrmCarta>(chiamante, numero);
}
