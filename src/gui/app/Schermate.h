#pragma once
// Direct opening of one window by name, for screenshots and checks (RICORDARIO_SCHERMATA):
// each name opens its window as the user would reach it from the launcher, through the
// windows' own commands.
#include <QString>

class Programma;

// Opens the window named `nome`; false when no window has that name.
bool ApriSchermata(Programma& programma, const QString& nome);
