#include "core/viewer/SegniCalendario.h"

#include <string>
#include <string_view>

#include "core/deadlines/Festivita.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/text/DataOra.h"
#include "core/text/Testo.h"

namespace visualizzatore {

std::bitset<32> FesteDelMese(int anno, int mese) {
    std::bitset<32> feste;
    for (int g = 1; g <= GiorniNelMese(mese, anno); ++g)
        if (festivita::FestaNazionale({g, mese, anno})) feste.set(static_cast<std::size_t>(g));
    return feste;
}

SegniMese Segni(const std::filesystem::path& cartella, int anno, int mese) {
    SegniMese segni;
    const int giorni = GiorniNelMese(mese, anno);
    segni.feste = FesteDelMese(anno, mese);

    // "/mm/yyyy": the part every date of the month shares, as the day list compares it.
    const std::string coda = TestoData({1, mese, anno}).substr(2);
    ScorriScadenzeSenzaCreare(TArchivioScadenze::Percorso(cartella, anno),
                              [&](std::int64_t, const VistaScheda<TSchedaScadenza>& r) {
                                  const std::string_view data =
                                      testo::RifilaVista(r.Byte(&TSchedaScadenza::Data));
                                  if (data.size() != 10 || data.substr(2) != coda) return true;
                                  const char d = data[0], u = data[1];
                                  if (d < '0' || d > '9' || u < '0' || u > '9') return true;
                                  const int g = (d - '0') * 10 + (u - '0');
                                  if (g >= 1 && g <= giorni)
                                      segni.scadenze.set(static_cast<std::size_t>(g));
                                  return true;
                              });
    return segni;
}

}  // namespace visualizzatore
