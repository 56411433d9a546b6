#include "gui/app/Avvisi.h"

void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo) {
    piattaforma().MostraAvviso(genitore, testo, tipo);
}

Risposta ChiediConferma(QWidget* genitore, const QString& testo) {
    return piattaforma().ChiediConferma(genitore, testo);
}

void MostraMessaggio(QWidget* genitore, const QString& testo) {
    piattaforma().MostraMessaggio(genitore, testo);
}
