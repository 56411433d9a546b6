// The result lists: any lines put in list order, and "Trova" on them with any text.
#include <algorithm>
#include <numeric>

#include "Verifica.h"
#include "core/lists/Elenco.h"
#include "core/text/Testo.h"

namespace {

bool Contiene(const std::string& riga, const std::string& testo) {
    const std::string t = testo::MinuscoleAZ(testo);
    return !t.empty() && testo::MinuscoleAZ(riga).find(t) != std::string::npos;
}

}  // namespace

// The first line is the find text, the others the list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    std::vector<std::string> righe = Pezzi(Testo(dati, n), '\n');
    const std::string cerca = righe.front();
    righe.erase(righe.begin());

    // Sorted, the same lines, and equal lines in the order they came.
    std::vector<std::size_t> indici(righe.size());
    std::iota(indici.begin(), indici.end(), 0);
    std::stable_sort(indici.begin(), indici.end(), [&](std::size_t a, std::size_t b) {
        return elenco::PrimaDi(righe[a], righe[b]);
    });
    std::vector<std::string> ordinate = righe;
    elenco::Ordina(ordinate);
    for (std::size_t i = 0; i < ordinate.size(); ++i) {
        VERIFICA(ordinate[i] == righe[indici[i]]);
        VERIFICA(!elenco::PrimaDi(ordinate[i], ordinate[i]));
        if (i > 0) VERIFICA(!elenco::PrimaDi(ordinate[i], ordinate[i - 1]));
    }

    // A new search selects the first line holding the text; the same text again steps on
    // to the next one, wrapping round.
    std::string ricordato;
    const auto primo = elenco::TrovaNellaLista(ordinate, std::nullopt, cerca, ricordato);
    if (ordinate.empty()) {
        VERIFICA(!primo.selezione && !primo.trovata);
        return 0;
    }
    const auto prima = std::find_if(ordinate.begin(), ordinate.end(),
                                    [&](const std::string& r) { return Contiene(r, cerca); });
    VERIFICA(primo.trovata == (prima != ordinate.end()));
    const std::size_t attesa = primo.trovata ? static_cast<std::size_t>(prima - ordinate.begin()) : 0;
    VERIFICA(primo.selezione == attesa);

    const auto secondo = elenco::TrovaNellaLista(ordinate, primo.selezione, cerca, ricordato);
    VERIFICA(secondo.trovata == primo.trovata);
    if (secondo.trovata) {
        std::size_t i = attesa;
        do i = (i + 1) % ordinate.size();
        while (!Contiene(ordinate[i], cerca));
        VERIFICA(secondo.selezione == i);
    }
    for (std::size_t i = 0; i < ordinate.size(); ++i)
        VERIFICA(elenco::RigheUguali(ordinate[i], testo::Rifila(ordinate[i])));
    return 0;
}
