#pragma once
// What every harness shares: a check that stops the run in any build (assert is gone under
// NDEBUG), and the input cut into pieces at a separator byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define VERIFICA(condizione)                                                              \
    do {                                                                                  \
        if (!(condizione)) {                                                              \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,         \
                         #condizione);                                                    \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

inline std::string_view Testo(const std::uint8_t* dati, std::size_t n) {
    return {reinterpret_cast<const char*>(dati), n};
}

inline std::vector<std::string> Pezzi(std::string_view s, char separatore) {
    std::vector<std::string> out;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t fine = s.find(separatore, inizio);
        out.emplace_back(s.substr(inizio, fine == std::string_view::npos ? fine : fine - inizio));
        if (fine == std::string_view::npos) return out;
        inizio = fine + 1;
    }
}
