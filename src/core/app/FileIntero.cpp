#include "core/app/FileIntero.h"

#include <fstream>

void SostituisciFile(const std::filesystem::path& file, std::string_view contenuto) {
    std::filesystem::path temporaneo = file;
    temporaneo += ".tmp";
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        if (!out) throw ErroreScritturaFile("cannot create " + temporaneo.string());
        out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temporaneo, ec);
            throw ErroreScritturaFile("cannot write " + temporaneo.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporaneo, file, ec);
    if (ec) {
        std::error_code ignorato;
        std::filesystem::remove(temporaneo, ignorato);
        throw ErroreScritturaFile("cannot replace " + file.string() + ": " + ec.message());
    }
}
