#pragma once
// What the viewer's calendar marks in a month: the days holding at least one deadline (the
// days whose day list is not empty) and the national holidays.
#include <bitset>
#include <filesystem>

namespace visualizzatore {

struct SegniMese {
    std::bitset<32> scadenze;  // bit g: day g has a deadline
    std::bitset<32> feste;     // bit g: day g is a national holiday
};

// The national holidays of a month: bit g for day g.
std::bitset<32> FesteDelMese(int anno, int mese);

// The marks of `mese` of `anno`, from that year's file in `cartella`, read only: a missing
// file has no deadlines and is not created. Archive failures throw ErroreAccessoArchivio.
SegniMese Segni(const std::filesystem::path& cartella, int anno, int mese);

}  // namespace visualizzatore
