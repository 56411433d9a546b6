#pragma once
// The three message boxes, through the platform.
#include <QString>

#include "gui/app/Piattaforma.h"

class QWidget;

void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo);
Risposta ChiediConferma(QWidget* genitore, const QString& testo);
void MostraMessaggio(QWidget* genitore, const QString& testo);

// A window that only reads, on show, could not read its archive: says so with the
// program's access message once the window is on screen, so that an empty window is
// never taken for an empty archive.
void AvvisaArchivioIlleggibile(QWidget* finestra);
