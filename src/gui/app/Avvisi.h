#pragma once
// The three message boxes, through the platform.
#include <QString>

#include "gui/app/Piattaforma.h"

class QWidget;

void MostraAvviso(QWidget* genitore, const QString& testo, TipoAvviso tipo);
Risposta ChiediConferma(QWidget* genitore, const QString& testo);
void MostraMessaggio(QWidget* genitore, const QString& testo);
