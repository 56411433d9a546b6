#include "core/lists/TrovaNellaLista.h"

#include "core/text/Testo.h"

namespace elenco {

EsitoTrova TrovaNellaLista(std::size_t numero, const Riga& riga,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato) {
    EsitoTrova esito;
    if (numero == 0) return esito;
    std::size_t selezione = selezionata && *selezionata < numero ? *selezionata : 0;
    esito.selezione = selezione;

    const std::string t = testo::MinuscoleAZ(testo);
    const auto corrisponde = [&](std::size_t i) {
        return !t.empty() && testo::MinuscoleAZ(riga(i)).find(t) != std::string::npos;
    };

    const bool nuova = t != ricordato;
    const std::size_t inizio = nuova ? 0 : selezione;
    std::optional<std::size_t> trovata;
    if (nuova && corrisponde(inizio)) trovata = inizio;
    for (std::size_t i = inizio; !trovata;) {
        i = (i + 1) % numero;
        if (corrisponde(i)) trovata = i;
        if (i == inizio) break;
    }
    if (trovata) {
        esito.selezione = *trovata;
        esito.trovata = true;
    }
    ricordato = t;
    return esito;
}

EsitoTrova TrovaNellaLista(const std::vector<std::string>& righe,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato) {
    return TrovaNellaLista(
        righe.size(), [&righe](std::size_t i) { return righe[i]; }, selezionata, testo, ricordato);
}

}  // namespace elenco
