#pragma once
// Builders for the usual controls, placed at panel coordinates, and the behaviours fields
// share: the focus highlight, the Enter chains, the busy label.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPoint>
#include <QRect>
#include <functional>

#include "gui/app/Figure.h"

class QAbstractButton;
class QComboBox;
class QPushButton;

QLabel* Etichetta(QWidget* genitore, const QString& nome, const QString& testo, QPoint pos,
                  const QFont& f, const QColor& colore = Qt::black);
// A push button that never acts as a dialog's default (Enter in a field must not press it);
// Enter on the button itself presses it.
QPushButton* Pulsante(QWidget* genitore, const QString& nome, const QString& testo, QRect r,
                      const QFont& f);
QLineEdit* CampoTesto(QWidget* genitore, const QString& nome, QRect r, int lunghezzaMassima,
                      const QFont& f);
QComboBox* ComboProvincia(QWidget* genitore, const QString& nome, QRect r, const QFont& f);
QComboBox* ComboSoloLista(QWidget* genitore, const QString& nome, QRect r, const QFont& f,
                          const QStringList& voci);

// Focus highlight: a rectangle "eff" + field name without prefix, 4 units larger on every
// side, behind the field, visible only while the field has the focus.
Rettangolo* Evidenzia(QWidget* campo);
// Runs `azione` when the field loses the focus to another control of its window; a message
// box or the field's own drop-down list taking the focus is not leaving the field.
void QuandoEsce(QWidget* campo, std::function<void()> azione);
// Enter moves along the chain, the last field back to the first; tab order follows it.
void CatenaInvio(const QList<QWidget*>& campi);
// Enter in the field moves the focus to the button without pressing it.
void InvioAlPulsante(QWidget* campo, QWidget* pulsante);
// Busy label: shown as soon as the mouse is pressed on the command's button.
void CollegaAttesa(QAbstractButton* pulsante, QLabel* attendere);
