#pragma once
// "Trova" in a list: the next line holding a text, with the remembered text of the last find.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace elenco {

// Line i of a list of `numero` lines.
using Riga = std::function<std::string(std::size_t)>;

struct EsitoTrova {
    // The line to select; none only for an empty list.
    std::optional<std::size_t> selezione;
    bool trovata = false;
};

// The "Trova" command of a list. `testo` is the find field as typed; `ricordato` is the
// remembered (lower-cased) text of the last find, updated here. A new text starts at the
// first line and tests it first; the same text again steps on from the selected line,
// wrapping round, and tests the selected line last. With no selection the first line is
// selected; when nothing matches the selection stays as it is.
EsitoTrova TrovaNellaLista(std::size_t numero, const Riga& riga,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato);
EsitoTrova TrovaNellaLista(const std::vector<std::string>& righe,
                           std::optional<std::size_t> selezionata, std::string_view testo,
                           std::string& ricordato);

}  // namespace elenco
