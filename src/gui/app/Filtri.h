#pragma once
// Typing filters of the edit fields: what a keystroke may leave in the field.
class QLineEdit;

void FiltroMaiuscole(QLineEdit* campo);      // trim + capitals after every keystroke
void FiltroSoloMaiuscole(QLineEdit* campo);  // capitals after every keystroke
void FiltroRifila(QLineEdit* campo);         // trim after every keystroke and on leaving
void FiltroCifre(QLineEdit* campo, bool virgola = false);  // digits (and the comma)
// The upper-case filter once, now (a field it watches may also be changed without typing).
void ApplicaMaiuscole(QLineEdit* campo);
