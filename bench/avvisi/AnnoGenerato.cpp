// Writes a generated year archive: anno_generato FILE YEAR COUNT.
#include <cstdio>
#include <cstdlib>

#include "GeneratoreDati.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: anno_generato FILE ANNO QUANTE\n");
        return 2;
    }
    const int anno = std::atoi(argv[2]);
    generatore::ScriviScadenze(argv[1], std::atoll(argv[3]),
                               [anno](std::int64_t n) { return generatore::Scadenza(n, anno); });
    return 0;
}
