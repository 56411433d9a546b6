#include "core/archive/CartellaDati.h"

#include <fstream>
#include <iterator>
#include <string>

#include "core/archive/FileIntero.h"
#include "core/archive/Permessi.h"
#include "core/help/Guida.h"
#include "core/password/Password.h"

namespace fs = std::filesystem;

namespace cartella_dati {
namespace {

bool Presente(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

}  // namespace

fs::path Scegli(const fs::path& cartellaEseguibile, const fs::path& cartellaUtente) {
    std::error_code ec;
    if (fs::is_regular_file(password::Percorso(cartellaEseguibile), ec)) return cartellaEseguibile;
    return cartellaUtente;
}

void Prepara(const fs::path& dati, const fs::path& installati) {
    permessi::SoloProprietario();
    fs::create_directories(dati);
    const fs::path password = password::Percorso(dati);
    const fs::path primoAccesso = password::Percorso(installati);
    if (!Presente(password) && Presente(primoAccesso)) {
        // Its content, not the file: a copy would take the installed file's mode, readable
        // by all.
        std::ifstream in(primoAccesso, std::ios::binary);
        const std::string contenuto{std::istreambuf_iterator<char>(in), {}};
        if (!in.good() && !in.eof()) throw ErroreScritturaFile("cannot read " + primoAccesso.string());
        SostituisciFile(password, contenuto);
    }
    for (const char* nome : {guida::FileManuale, FileAvviso}) {
        const fs::path sorgente = installati / nome;
        if (Presente(dati / nome) || !Presente(sorgente)) continue;
        std::error_code ec;
        fs::create_symlink(sorgente, dati / nome, ec);
        // Where links cannot be made, a copy serves as well.
        if (ec) fs::copy_file(sorgente, dati / nome, ec);
    }
}

}  // namespace cartella_dati
