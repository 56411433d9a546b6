#pragma once
// Typing filters of the edit fields: what a keystroke may leave in the field.
#include <functional>

class QLineEdit;
class QWidget;

void FiltroMaiuscole(QLineEdit* campo);      // trim + capitals after every keystroke
void FiltroSoloMaiuscole(QLineEdit* campo);  // capitals after every keystroke
void FiltroRifila(QLineEdit* campo);         // trim after every keystroke and on leaving
void FiltroCifre(QLineEdit* campo, bool virgola = false);  // digits (and the comma)
// The upper-case filter once, now (a field it watches may also be changed without typing).
void ApplicaMaiuscole(QLineEdit* campo);
// Refuses, as it is typed, pasted or dropped, a character the archives cannot store (one
// Windows-1252 has no form for): the edit does not happen, the field keeps what it had and
// `rifiutato` says why. Nothing is replaced behind the user's back. A line edit, or an
// editable combo's; a validator the field already has still has its say.
void FiltroWindows1252(QWidget* campo, std::function<void()> rifiutato);
