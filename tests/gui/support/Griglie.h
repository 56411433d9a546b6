#pragma once
// Driving a grid window that a command opens as a per-use window.
#include <functional>

#include "gui/app/FinestraGriglia.h"
#include "support/FakePiattaforma.h"

// Runs `premi` (a click on the command that opens the window) and hands the grid window to
// `guida` while it is shown; true when a grid window was opened.
bool GuidaGriglia(FakePiattaforma& fake, const std::function<void()>& premi,
                  const std::function<void(FinestraGriglia*)>& guida);
