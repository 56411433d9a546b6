#include "core/app/Elenco.h"

#include <algorithm>

#include "core/app/Testo.h"

namespace elenco {

std::size_t FiltriPieni(std::span<const std::string> filtri) {
    return static_cast<std::size_t>(
        std::count_if(filtri.begin(), filtri.end(),
                      [](const std::string& f) { return !testo::Rifila(f).empty(); }));
}

bool Corrisponde(std::string_view filtro, std::string_view campo) {
    if (filtro.empty()) return false;
    return testo::MinuscoleAZ(campo).find(testo::MinuscoleAZ(filtro)) != std::string::npos;
}

bool PrimaDi(std::string_view a, std::string_view b) {
    return testo::ConfrontaSenzaMaiuscole(a, b) < 0;
}

void Ordina(std::vector<std::string>& righe) {
    std::stable_sort(righe.begin(), righe.end(),
                     [](const std::string& a, const std::string& b) { return PrimaDi(a, b); });
}

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

bool RigheUguali(std::string_view a, std::string_view b) {
    return testo::Rifila(a) == testo::Rifila(b);
}

}  // namespace elenco
