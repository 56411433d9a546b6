#include "core/deadlines/Avvisi.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/text/Testo.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/viewer/RegoleVisualizzatore.h"

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

// The imminent records of one year file, nearest first.
Imminenti CercaNellAnno(const std::filesystem::path& cartella, int anno, const Data& oggi,
                        const RegolaImminenza& imminente) {
    Imminenti trovate;
    ScorriScadenzeSenzaCreare(
        TArchivioScadenze::Percorso(cartella, anno),
        [&](std::int64_t, const VistaScheda<TSchedaScadenza>& s) {
            bool si = false;
            try {
                si = imminente(s, oggi);
            } catch (const std::exception&) {
                ++trovate.saltate;
            }
            if (si) trovate.schede.push_back(s.Tutta());
            return true;
        });
    // Each record's date and time read once, not at every comparison.
    using Chiave = decltype(Quando(std::declval<const TSchedaScadenza&>()));
    std::vector<std::pair<Chiave, std::size_t>> ordine;
    ordine.reserve(trovate.schede.size());
    for (std::size_t i = 0; i < trovate.schede.size(); ++i)
        ordine.emplace_back(Quando(trovate.schede[i]), i);
    // Equal dates and times keep file order: the index decides.
    std::sort(ordine.begin(), ordine.end());
    // The records move into their places along the cycles of the order, in place.
    auto& schede = trovate.schede;
    for (std::size_t i = 0; i < ordine.size(); ++i) {
        if (ordine[i].second == i) continue;
        TSchedaScadenza prima = std::move(schede[i]);
        std::size_t j = i;
        for (std::size_t da = ordine[j].second; da != i; da = ordine[j].second) {
            schede[j] = std::move(schede[da]);
            ordine[j].second = j;
            j = da;
        }
        schede[j] = std::move(prima);
        ordine[j].second = j;
    }
    return trovate;
}

}  // namespace

Imminenti CercaImminenti(const std::filesystem::path& cartella, const Data& oggi,
                         const RegolaImminenza& imminente) {
    Imminenti trovate = CercaNellAnno(cartella, oggi.anno, oggi, imminente);
    // Next year's deadlines may already be in their warning period; they come after this
    // year's.
    if (oggi.anno < 9999) {
        Imminenti dopo = CercaNellAnno(cartella, oggi.anno + 1, oggi, imminente);
        trovate.schede.insert(trovate.schede.end(), std::make_move_iterator(dopo.schede.begin()),
                              std::make_move_iterator(dopo.schede.end()));
        trovate.saltate += dopo.saltate;
    }
    return trovate;
}

bool Valutabile(const VistaScheda<TSchedaScadenza>& s) {
    using S = TSchedaScadenza;
    if (testo::RifilaVista(s.Byte(&S::Effettuata)) != flag::No) return true;
    return DataDaTesto(s.Byte(&S::Data)) && visualizzatore::GiorniAvviso(s.Byte(&S::Avviso));
}

std::string RigaElenco(const TSchedaScadenza& s) {
    return SuUnaRiga(scadenza::RigaScadenza(SchedaMemorizzata<TSchedaScadenza>(s).Vista()));
}

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
