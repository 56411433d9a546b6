#include "core/deadlines/Avvisi.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <tuple>

#include "core/app/Testo.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace avvisi {
namespace {

// Date and time as numbers; texts that cannot be read sort last, in file order.
auto Quando(const TSchedaScadenza& s) {
    const auto data = DataDaTesto(s.Data);
    const auto ora = OraDaTesto(s.Ora);
    return std::make_tuple(!data, data.value_or(Data{}), !ora, ora.value_or(OraMinuti{}));
}

// A reason typed over several lines stays on one line of the list.
std::string SuUnaRiga(std::string_view t) {
    std::string r = testo::Rifila(t);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    return r;
}

}  // namespace

Imminenti CercaImminenti(const std::filesystem::path& cartella, const Data& oggi,
                         const RegolaImminenza& imminente) {
    Imminenti trovate;
    for (TSchedaScadenza& s :
         LeggiScadenzeSenzaCreare(TArchivioScadenze::Percorso(cartella, oggi.anno))) {
        bool si = false;
        try {
            si = imminente(s, oggi);
        } catch (const std::exception&) {
            ++trovate.saltate;
        }
        if (si) trovate.schede.push_back(std::move(s));
    }
    std::stable_sort(trovate.schede.begin(), trovate.schede.end(),
                     [](const auto& a, const auto& b) { return Quando(a) < Quando(b); });
    return trovate;
}

std::string RigaElenco(const TSchedaScadenza& s) { return SuUnaRiga(scadenza::RigaScadenza(s)); }

std::string TitoloNotifica(std::size_t quante) {
    return std::to_string(quante) + (quante == 1 ? " scadenza imminente" : " scadenze imminenti");
}

std::string CorpoNotifica(const std::vector<TSchedaScadenza>& schede, std::size_t massimo) {
    std::string corpo;
    for (std::size_t i = 0; i < schede.size() && i < massimo; ++i) {
        if (!corpo.empty()) corpo += '\n';
        corpo += testo::Rifila(schede[i].Data) + ' ' + testo::Rifila(schede[i].Ora) + ' ' +
                 SuUnaRiga(schede[i].Dettagli);
    }
    const std::size_t oltre = schede.size() > massimo ? schede.size() - massimo : 0;
    if (oltre == 1) corpo += "\n... e un'altra.";
    if (oltre > 1) corpo += "\n... e altre " + std::to_string(oltre) + '.';
    return corpo;
}

}  // namespace avvisi
