// The password file and the scrambling: any bytes as the password file, then a new
// password written into it; any text scrambled and back.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Verifica.h"
#include "core/password/Password.h"

namespace {

// One file for the whole run, in memory when the system offers a folder there: every
// write of the password file is forced to disk.
const std::filesystem::path& File() {
    static const std::filesystem::path file = [] {
        std::error_code ec;
        const auto base = std::filesystem::is_directory("/dev/shm", ec)
                              ? std::filesystem::path("/dev/shm")
                              : std::filesystem::temp_directory_path();
        const auto cartella = base / ("ricordario-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(cartella);
        return password::Percorso(cartella);
    }();
    return file;
}

void Scrivi(std::string_view contenuto) {
    std::ofstream out(File(), std::ios::binary | std::ios::trunc);
    out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
}

// The bytes as Latin-1 characters in UTF-8.
std::string Latin1(std::string_view byte) {
    std::string out;
    for (const unsigned char b : byte) {
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view ingresso = Testo(dati, n);

    // Scrambling gives two upper-case digits per character and comes back unchanged.
    const std::string testo = Latin1(ingresso.substr(0, 255));
    const std::string cifrato = password::Cifra(testo);
    VERIFICA(cifrato.size() == 2 * std::min<std::size_t>(n, 255));
    VERIFICA(password::Decifra(cifrato) == testo);
    try {
        password::Decifra(ingresso);
    } catch (const password::ErroreValoreNonEsadecimale&) {
    }

    // Whatever the file holds, reading answers or refuses; a file that reads takes a new
    // password, keeps reading, and gives that password back.
    Scrivi(ingresso);
    bool leggibile = true;
    try {
        password::LeggiPassword(File());
    } catch (const password::ErrorePassword&) {
        leggibile = false;
    }
    if (n > password::DimensioneMassima) VERIFICA(!leggibile);
    try {
        password::ScriviPassword(File(), " nuova Parola ");
        VERIFICA(password::LeggiPassword(File()) == "NUOVA PAROLA");
        VERIFICA(password::VerificaPassword(File(), "Nuova parola"));
    } catch (const password::ErrorePassword&) {
        // Only a file too large to read, or one that grew past the limit with the new line.
        VERIFICA(!leggibile || n + 64 > password::DimensioneMassima);
    }
    return 0;
}
