#include "gui/app/Avvisi.h"

#include <QWidget>

#include "core/text/Messaggi.h"
#include "gui/app/TestoQt.h"

void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo) {
    piattaforma().MostraAvviso(genitore, testo, tipo);
}

Risposta ChiediConferma(QWidget* genitore, const QString& testo) {
    return piattaforma().ChiediConferma(genitore, testo);
}

void MostraMessaggio(QWidget* genitore, const QString& testo) {
    piattaforma().MostraMessaggio(genitore, testo);
}

void AvvisaArchivioIlleggibile(QWidget* finestra) {
    QMetaObject::invokeMethod(
        finestra, [finestra] { MostraMessaggio(finestra, Q(messaggi::AccessoArchivio)); },
        Qt::QueuedConnection);
}
