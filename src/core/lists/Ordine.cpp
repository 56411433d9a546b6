#include "core/lists/Ordine.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory_resource>
#include <utility>

#include "core/lists/Righe.h"
#include "core/memory/Allocatore.h"
#include "core/text/Testo.h"

namespace elenco {

bool PrimaDi(std::string_view a, std::string_view b) {
    return testo::ConfrontaSenzaMaiuscole(a, b) < 0;
}

namespace {

// Sorts lines by their whole keys, given in one buffer (key i from inizi[i] to inizi[i+1],
// in the order the lines came), eight key bytes at a time held in the sort's own elements:
// first past the bytes all keys share, on the next eight; then each run of lines that tie
// there likewise, and so on. A long stretch alike in many lines (a padded column, the same
// name) thus costs one pass over it, not a comparison of it at every step. Equal keys keep
// the order of arrival.
class OrdineChiavi {
public:
    OrdineChiavi(std::string_view chiavi, const std::vector<std::size_t>& inizi)
        : chiavi_(chiavi), inizi_(inizi), voci_(inizi.size() - 1) {
        for (std::size_t i = 0; i < voci_.size(); ++i)
            voci_[i].indice = static_cast<std::uint32_t>(i);
        Ordina(0, voci_.size(), 0);
    }
    // Position k of the order: which line.
    std::uint32_t operator[](std::size_t k) const { return voci_[k].indice; }

private:
    struct Voce {
        std::uint64_t parola;  // eight key bytes from the run's depth, high first, zero-filled
        std::uint32_t resto;   // key bytes left from that depth, up to eight
        std::uint32_t indice;  // the line, in the order it came
    };
    // A zero filling a short key stands for no byte: among equal words the key with fewer
    // bytes left comes first, being the start of the others.
    static bool Prima(const Voce& a, const Voce& b) {
        if (a.parola != b.parola) return a.parola < b.parola;
        if (a.resto != b.resto) return a.resto < b.resto;
        return a.indice < b.indice;
    }

    std::string_view Chiave(std::uint32_t i) const {
        return chiavi_.substr(inizi_[i], inizi_[i + 1] - inizi_[i]);
    }

    // Sorts voci_[da, a), whose keys share their first `profondita` bytes.
    void Ordina(std::size_t da, std::size_t a, std::size_t profondita) {
        while (a - da > 1) {
            if (a - da <= 16) {
                // A few lines: plain comparisons past the shared bytes.
                std::sort(voci_.begin() + da, voci_.begin() + a, [&](const Voce& x, const Voce& y) {
                    const int c = Chiave(x.indice)
                                      .substr(profondita)
                                      .compare(Chiave(y.indice).substr(profondita));
                    return c != 0 ? c < 0 : x.indice < y.indice;
                });
                return;
            }
            profondita += Comuni(da, a, profondita);
            for (std::size_t i = da; i < a; ++i) Parola(voci_[i], profondita);
            if (a - da <= 64)
                std::sort(voci_.begin() + da, voci_.begin() + a, Prima);
            else
                Radice(da, a);
            // Runs equal on the word with eight or more bytes left go on past it; the rest
            // are in their final order. Every such run but the last recurses; the last loops.
            std::size_t inizio = da, ultimo = a, ultimoFine = a;
            for (std::size_t i = da + 1; i <= a; ++i) {
                if (i < a && voci_[i].parola == voci_[inizio].parola &&
                    voci_[i].resto == voci_[inizio].resto)
                    continue;
                if (i - inizio > 1 && voci_[inizio].resto == 8) {
                    if (ultimo != a) Ordina(ultimo, ultimoFine, profondita + 8);
                    ultimo = inizio;
                    ultimoFine = i;
                }
                inizio = i;
            }
            if (ultimo == a) return;
            da = ultimo;
            a = ultimoFine;
            profondita += 8;
        }
    }

    // Sorts voci_[da, a), which are in the order of arrival, as Prima does: a stable pass
    // for each byte, from the count of bytes left to the word's highest byte, skipping
    // those in which all agree.
    void Radice(std::size_t da, std::size_t a) {
        const std::size_t n = a - da;
        if (appoggio_.size() < n) appoggio_.resize(n);
        constexpr std::size_t kPassi = 9;  // the count of bytes left, then the eight bytes
        const auto Cifra = [](const Voce& v, std::size_t passo) -> unsigned {
            return passo == 0 ? v.resto
                              : static_cast<unsigned>(v.parola >> (8 * (passo - 1))) & 0xFF;
        };
        std::array<std::array<std::size_t, 256>, kPassi> conta{};
        for (std::size_t i = da; i < a; ++i)
            for (std::size_t passo = 0; passo < kPassi; ++passo)
                ++conta[passo][Cifra(voci_[i], passo)];
        Voce* da_ = voci_.data() + da;
        Voce* a_ = appoggio_.data();
        for (std::size_t passo = 0; passo < kPassi; ++passo) {
            auto& c = conta[passo];
            if (c[Cifra(*da_, passo)] == n) continue;
            std::size_t posto = 0;
            for (std::size_t& k : c) posto += std::exchange(k, posto);
            for (std::size_t i = 0; i < n; ++i) a_[c[Cifra(da_[i], passo)]++] = da_[i];
            std::swap(da_, a_);
        }
        if (da_ != voci_.data() + da) std::copy(da_, da_ + n, voci_.data() + da);
    }

    // How many bytes past `profondita` all keys of voci_[da, a) share.
    std::size_t Comuni(std::size_t da, std::size_t a, std::size_t profondita) const {
        const std::string_view primo = Chiave(voci_[da].indice).substr(profondita);
        std::size_t comuni = primo.size();
        for (std::size_t i = da + 1; i < a && comuni > 0; ++i) {
            const std::string_view k = Chiave(voci_[i].indice).substr(profondita);
            comuni = Uguali(primo, k, std::min(comuni, k.size()));
        }
        return comuni;
    }

    // How many of the first n bytes of a and b are equal, eight at a time.
    static std::size_t Uguali(std::string_view a, std::string_view b, std::size_t n) {
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t x, y;
            std::memcpy(&x, a.data() + i, 8);
            std::memcpy(&y, b.data() + i, 8);
            if (x != y) break;
        }
        while (i < n && a[i] == b[i]) ++i;
        return i;
    }

    void Parola(Voce& v, std::size_t profondita) const {
        const std::string_view k = Chiave(v.indice);
        const std::size_t resto = k.size() > profondita ? k.size() - profondita : 0;
        v.resto = static_cast<std::uint32_t>(std::min<std::size_t>(resto, 8));
        std::uint64_t x = 0;
        for (std::size_t b = 0; b < 8; ++b)
            x = (x << 8) | (b < v.resto ? static_cast<unsigned char>(k[profondita + b]) : 0u);
        v.parola = x;
    }

    std::string_view chiavi_;
    const std::vector<std::size_t>& inizi_;
    std::vector<Voce> voci_;
    std::vector<Voce> appoggio_;  // where a pass of Radice puts what it moves
};

// The order of n lines: indexes in list order. Each line's key (testo::AccodaChiaveOrdine)
// is made once. The lines are first sorted on the first 40 bytes of their keys, held in
// the sort's own elements and made in one pass over the lines in the order they came: most
// lines differ there. Lines that tie (the same name and telephone, the same padded first
// column) are then sorted on their whole keys, made for one group at a time in a buffer
// that is reused. Equal keys keep the order of arrival.
constexpr std::size_t kAvanti = 8;
void Anticipa(std::string_view riga) {
    for (std::size_t b = 0; b < riga.size(); b += 64) __builtin_prefetch(riga.data() + b);
}

template <class Riga>
std::vector<std::uint32_t, Allocatore<std::uint32_t>> Ordine(std::size_t n, const Riga& riga,
                                                             std::pmr::memory_resource* memoria) {
    constexpr std::size_t kParole = 5;  // 40 bytes of key
    struct Voce {
        std::array<std::uint64_t, kParole> parole;  // key bytes, high first, zero-filled
        std::uint32_t indice;
    };
    std::vector<Voce, Allocatore<Voce>> voci(n, Allocatore<Voce>(memoria));
    std::string chiave;
    for (std::size_t i = 0; i < n; ++i) {
        chiave.clear();
        testo::AccodaChiaveOrdine(chiave, riga(i), kParole * 8);
        chiave.resize(kParole * 8, '\0');
        Voce& v = voci[i];
        for (std::size_t p = 0; p < kParole; ++p) {
            std::uint64_t x = 0;
            for (std::size_t b = 0; b < 8; ++b)
                x = (x << 8) | static_cast<unsigned char>(chiave[p * 8 + b]);
            v.parole[p] = x;
        }
        v.indice = static_cast<std::uint32_t>(i);
    }
    // A zero filling a short key is never above the byte it stands for, so the first bytes
    // never contradict the whole keys; where they tie, the whole keys decide.
    std::sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) {
        for (std::size_t p = 0; p < kParole; ++p)
            if (a.parole[p] != b.parole[p]) return a.parole[p] < b.parole[p];
        return a.indice < b.indice;
    });

    std::vector<std::uint32_t, Allocatore<std::uint32_t>> ordine(n, memoria);
    std::string chiavi;
    std::vector<std::size_t> inizi;
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && voci[j].parole == voci[i].parole) ++j;
        if (j - i == 1) {
            ordine[i] = voci[i].indice;
        } else {
            // The group's keys, whole, side by side in the order the group is in (that of
            // arrival).
            chiavi.clear();
            inizi.clear();
            for (std::size_t k = i; k < j; ++k) {
                // The group's lines lie anywhere in the list's text: ask for those a few
                // ahead, so that they come while this one is read.
                if (k + kAvanti < j) Anticipa(riga(voci[k + kAvanti].indice));
                inizi.push_back(chiavi.size());
                testo::AccodaChiaveOrdine(chiavi, riga(voci[k].indice));
            }
            inizi.push_back(chiavi.size());
            const OrdineChiavi gruppo(chiavi, inizi);
            for (std::size_t k = i; k < j; ++k) ordine[k] = voci[i + gruppo[k - i]].indice;
        }
        i = j;
    }
    return ordine;
}

}  // namespace

void Ordina(std::vector<std::string>& righe) {
    const auto ordine = Ordine(
        righe.size(), [&righe](std::size_t i) -> std::string_view { return righe[i]; },
        std::pmr::get_default_resource());
    std::vector<std::string> ordinate;
    ordinate.reserve(righe.size());
    for (std::uint32_t i : ordine) ordinate.push_back(std::move(righe[i]));
    righe = std::move(ordinate);
}

std::vector<std::uint32_t> OrdineTesti(std::size_t n,
                                       const std::function<std::string_view(std::size_t)>& testo) {
    const auto ordine = Ordine(n, testo, std::pmr::get_default_resource());
    return std::vector<std::uint32_t>(ordine.begin(), ordine.end());
}

void Inserisci(Righe& elenco, Righe nuove) {
    if (nuove.empty()) return;
    auto ordine = Ordine(
        nuove.size(), [&nuove](std::size_t i) { return nuove.Testo(nuove.ordine_[i]); },
        elenco.Fonte());
    for (std::uint32_t& n : ordine) n = nuove.ordine_[n];
    // The new lines' text stays where it is: their blocks join the list's, which keeps its
    // own source of memory for what comes next.
    const std::uint32_t base = elenco.testi_.Unisci(std::move(nuove.testi_));
    if (elenco.empty()) {
        // The lines move in as they are. Room kept for lines that did not come is given
        // back.
        elenco.posti_ = std::move(nuove.posti_);
        if (base != 0)
            for (Righe::Pezzo& p : elenco.posti_) p.inizio += base;
        elenco.posti_.shrink_to_fit();
        elenco.ordine_ = std::move(ordine);
        return;
    }
    const auto primo = static_cast<std::uint32_t>(elenco.posti_.size());
    elenco.posti_.insert(elenco.posti_.end(), nuove.posti_.begin(), nuove.posti_.end());
    for (std::size_t n = primo; n < elenco.posti_.size(); ++n) elenco.posti_[n].inizio += base;
    // A merge: each line's key is made once as the two lists are walked.
    Righe::Vettore<std::uint32_t> unito(elenco.Fonte());
    unito.reserve(elenco.ordine_.size() + ordine.size());
    std::string chiaveVecchia, chiaveNuova;
    const auto Chiave = [&elenco](std::string& k, std::uint32_t n) {
        k.clear();
        testo::AccodaChiaveOrdine(k, elenco.Testo(n));
    };
    std::size_t i = 0, j = 0;
    if (j < ordine.size()) Chiave(chiaveNuova, primo + ordine[j]);
    for (; i < elenco.ordine_.size(); ++i) {
        Chiave(chiaveVecchia, elenco.ordine_[i]);
        while (j < ordine.size() && chiaveNuova < chiaveVecchia) {
            unito.push_back(primo + ordine[j]);
            if (++j < ordine.size()) Chiave(chiaveNuova, primo + ordine[j]);
        }
        unito.push_back(elenco.ordine_[i]);
    }
    for (; j < ordine.size(); ++j) unito.push_back(primo + ordine[j]);
    elenco.ordine_ = std::move(unito);
    elenco.posti_.shrink_to_fit();
}

}  // namespace elenco
