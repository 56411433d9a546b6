#include "core/help/Guida.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/text/Testo.h"

namespace guida {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kInizioTitolo = "# ";

// Collects the paragraphs of the page being read.
class Raccoglitore {
public:
    void Riga(std::string_view riga) {
        if (!paragrafo_.empty()) paragrafo_ += ' ';
        paragrafo_ += riga;
    }
    void FineParagrafo() {
        if (paragrafo_.empty()) return;
        if (!testo_.empty()) testo_ += SeparatoreParagrafi;
        testo_ += paragrafo_;
        paragrafo_.clear();
    }
    std::string Testo() {
        FineParagrafo();
        return std::move(testo_);
    }

private:
    std::string paragrafo_;
    std::string testo_;
};

}  // namespace

std::vector<std::string> Paragrafi(std::string_view testo) {
    std::vector<std::string> paragrafi;
    while (!testo.empty()) {
        const auto fine = testo.find(SeparatoreParagrafi);
        paragrafi.emplace_back(testo.substr(0, fine));
        if (fine == std::string_view::npos) break;
        testo.remove_prefix(fine + SeparatoreParagrafi.size());
    }
    return paragrafi;
}

Guida Guida::DaTesto(std::string_view testo) {
    if (testo.starts_with(kBom)) testo.remove_prefix(kBom.size());
    Guida guida;
    Raccoglitore raccoglitore;
    bool inPagina = false;
    auto chiudiPagina = [&] {
        if (inPagina) guida.pagine_.back().testo = raccoglitore.Testo();
    };
    while (!testo.empty()) {
        const auto a_capo = testo.find('\n');
        const std::string riga = testo::Rifila(testo.substr(0, a_capo));
        const bool titolo = testo.starts_with(kInizioTitolo);
        testo.remove_prefix(a_capo == std::string_view::npos ? testo.size() : a_capo + 1);
        if (titolo) {
            chiudiPagina();
            guida.pagine_.push_back({testo::Rifila(riga.substr(1)), {}});  // after the '#'
            inPagina = true;
        } else if (!inPagina) {
            continue;  // nothing belongs to a page before its title
        } else if (riga.empty()) {
            raccoglitore.FineParagrafo();
        } else {
            raccoglitore.Riga(riga);
        }
    }
    chiudiPagina();
    return guida;
}

Guida Guida::DaFile(const std::filesystem::path& percorso) {
    std::error_code ec;
    std::ifstream file;
    if (std::filesystem::is_regular_file(percorso, ec)) file.open(percorso, std::ios::binary);
    if (!file.is_open()) {
        throw std::runtime_error("Impossibile leggere la guida: " + percorso.string());
    }
    return DaTesto(
        std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

const Pagina* Guida::Trova(std::string_view titolo) const {
    for (const auto& pagina : pagine_) {
        if (pagina.titolo == titolo) return &pagina;
    }
    return nullptr;
}

}  // namespace guida
