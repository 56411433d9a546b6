#pragma once
// The summary request for the whole generated year, typed into the request window.
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "GeneratoreDati.h"
#include "gui/summary/TfrmMenuRiepCosti.h"

inline void ChiediAnnoIntero(TfrmMenuRiepCosti& menu) {
    menu.txtAnno->setText(QString::number(generatore::kAnno));
    menu.txtGiornoInizio->setCurrentIndex(0);
    menu.txtMeseInizio->setCurrentIndex(0);
    menu.txtGiornoFine->setCurrentIndex(30);
    menu.txtMeseFine->setCurrentIndex(11);
}
