#include "core/interchange/RigheContenuto.h"

#include <cstdint>
#include <cstring>

namespace interscambio {
namespace {

char Maiuscola(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool Contiene(std::string_view s, std::string_view parola) {
    if (parola.size() > s.size()) return false;
    for (std::size_t i = 0; i + parola.size() <= s.size(); ++i)
        if (Uguale(s.substr(i, parola.size()), parola)) return true;
    return false;
}

// A quoted-printable value cut by a soft line break: the line ends in "=".
bool QuotedPrintableAperta(std::string_view riga) {
    if (riga.empty() || riga.back() != '=') return false;
    const std::size_t duePunti = riga.find(':');
    return duePunti != std::string_view::npos && Contiene(riga.substr(0, duePunti), "QUOTED-PRINTABLE");
}

}  // namespace

std::string_view LettoreRighe::RigaFisica() {
    const std::size_t da = pos_;
    const void* a = std::memchr(testo_.data() + da, '\n', testo_.size() - da);
    const std::size_t fine = a ? static_cast<std::size_t>(static_cast<const char*>(a) - testo_.data())
                               : testo_.size();
    pos_ = a ? fine + 1 : fine;
    std::string_view riga = testo_.substr(da, fine - da);
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    return riga;
}

bool LettoreRighe::Prossima(RigaContenuto& r) {
    std::string_view riga;
    do {
        if (pos_ >= testo_.size()) return false;
        inizio_ = pos_;
        riga = RigaFisica();
    } while (riga.empty());
    bool unita = false;
    const auto Unisci = [&](std::string_view pezzo, bool togliUguale) {
        if (!unita) {
            unita_.assign(riga);
            unita = true;
        }
        if (togliUguale) unita_.pop_back();
        unita_.append(pezzo);
        riga = unita_;
    };
    while (pos_ < testo_.size()) {
        const bool bianco = testo_[pos_] == ' ' || testo_[pos_] == '\t';
        if (quotedPrintable_ && QuotedPrintableAperta(riga)) {
            const std::string_view f = RigaFisica();
            Unisci(bianco ? f.substr(1) : f, true);
        } else if (bianco) {
            Unisci(RigaFisica().substr(1), false);
        } else {
            break;
        }
    }
    r = RigaContenuto{};
    r.intera = riga;
    // The name ends at the first ';' or ':'; the value begins after the first colon
    // outside double quotes (a parameter value may hold one).
    std::size_t fineNome = 0;
    while (fineNome < riga.size() && riga[fineNome] != ';' && riga[fineNome] != ':') ++fineNome;
    if (fineNome == riga.size()) return true;
    std::size_t duePunti = fineNome;
    bool virgolette = false;
    while (duePunti < riga.size() && (virgolette || riga[duePunti] != ':')) {
        if (riga[duePunti] == '"') virgolette = !virgolette;
        ++duePunti;
    }
    if (duePunti == riga.size()) return true;
    std::string_view nome = riga.substr(0, fineNome);
    if (const std::size_t punto = nome.rfind('.'); punto != std::string_view::npos)
        nome.remove_prefix(punto + 1);
    if (nome.empty()) return true;
    r.nome = nome;
    r.parametri = riga.substr(fineNome, duePunti - fineNome);
    r.valore = riga.substr(duePunti + 1);
    r.valida = true;
    return true;
}

bool Uguale(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Maiuscola(a[i]) != Maiuscola(b[i])) return false;
    return true;
}

bool IniziaCon(std::string_view s, std::string_view prefisso) {
    return s.size() >= prefisso.size() && Uguale(s.substr(0, prefisso.size()), prefisso);
}

std::string_view Parametro(std::string_view parametri, std::string_view nome) {
    std::string_view trovato;
    bool giaTrovato = false;
    PerOgniParametro(parametri, [&](std::string_view n, std::string_view v) {
        if (giaTrovato || !Uguale(n, nome)) return;
        giaTrovato = true;
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        trovato = v;
    });
    return trovato;
}

void AccodaSenzaEscape(std::string& out, std::string_view v) {
    while (!v.empty()) {
        const void* b = std::memchr(v.data(), '\\', v.size());
        if (!b) {
            out.append(v);
            return;
        }
        const std::size_t i = static_cast<std::size_t>(static_cast<const char*>(b) - v.data());
        out.append(v.substr(0, i));
        if (i + 1 == v.size()) {
            out += '\\';
            return;
        }
        const char c = v[i + 1];
        out += (c == 'n' || c == 'N') ? '\n' : c;
        v.remove_prefix(i + 2);
    }
}

bool Utf8Valido(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        // Eight ASCII bytes at a time, the common case.
        if (i + 8 <= s.size()) {
            std::uint64_t w;
            std::memcpy(&w, s.data() + i, 8);
            if ((w & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace interscambio
