#include "core/contacts/Allegati.h"

#include <fstream>
#include <vector>

#include "core/archive/FileIntero.h"
#include "core/text/Testo.h"

namespace fs = std::filesystem;

namespace allegati {
namespace {

fs::path DaUtf8(std::string_view s) { return fs::path(std::u8string(s.begin(), s.end())); }

}  // namespace

bool NomeSicuro(std::string_view nome) {
    if (nome.empty()) return false;
    if (nome.find_first_of(std::string_view("/\\:\0", 4)) != std::string_view::npos) return false;
    // ".." is refused anywhere in the name, not only alone: Windows drops trailing dots
    // and blanks, so "... " would name the parent folder there.
    return nome.find("..") == std::string_view::npos && nome != ".";
}

bool NomeConservabile(std::string_view nome) {
    return testo::DaArchivio(testo::PerArchivio(nome, CapacitaNome)) == nome;
}

fs::path Cartella(const fs::path& programma) { return programma / NomeCartella; }

std::optional<fs::path> Percorso(const fs::path& programma, std::string_view nome) {
    const std::string n = testo::Rifila(nome);
    if (!NomeSicuro(n)) return std::nullopt;
    return Cartella(programma) / DaUtf8(n);
}

void PreparaCartella(const fs::path& programma) {
    std::error_code ec;
    const fs::path cartella = Cartella(programma);
    fs::create_directories(cartella, ec);
    // create_directories reports no error when a file already has the folder's name.
    if (ec || !fs::is_directory(cartella, ec))
        throw ErroreAllegato("cannot create " + cartella.string());
}

StatoCopia Stato(const fs::path& origine, const fs::path& destinazione) {
    std::error_code ec;
    if (!fs::exists(destinazione, ec)) return StatoCopia::Nuova;
    if (fs::equivalent(origine, destinazione, ec)) return StatoCopia::GiaPresente;
    return StatoCopia::Sovrascrive;
}

void Copia(const fs::path& origine, const fs::path& destinazione) {
    try {
        std::error_code ec;
        if (!fs::is_regular_file(origine, ec)) throw ErroreAllegato("not a file");
        std::ifstream in(origine, std::ios::binary);
        if (!in) throw ErroreAllegato("cannot open");
        FileProvvisorio copia(destinazione);
        std::vector<char> blocco(1 << 16);
        while (in) {
            in.read(blocco.data(), static_cast<std::streamsize>(blocco.size()));
            copia.Scrivi(blocco.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (in.bad()) throw ErroreAllegato("cannot read");
        copia.Sostituisci();
    } catch (const std::exception&) {
        throw ErroreAllegato("cannot copy " + origine.string() + " to " + destinazione.string());
    }
}

}  // namespace allegati
