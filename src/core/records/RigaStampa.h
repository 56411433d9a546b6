#pragma once
// One caption/value row of a printed card (24 rows on the page).
#include <array>
#include <string>

struct RigaStampa {
    std::string titolo;
    std::string valore;
};

using RigheScheda = std::array<RigaStampa, 24>;
