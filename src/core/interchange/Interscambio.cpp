#include "core/interchange/Interscambio.h"

#include <cstdio>
#include <memory>

#include "core/archive/FileArchivio.h"
#include "core/text/Testo.h"

namespace interscambio {

std::string LeggiFile(const std::filesystem::path& file) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!f) throw ErroreAccessoArchivio("cannot open " + file.string());
    // Read in place at the size the file has now, then on in case it grew meanwhile.
    std::string r;
    std::error_code e;
    const auto dimensione = std::filesystem::file_size(file, e);
    std::size_t letti = 0;
    if (!e) {
        r.resize(static_cast<std::size_t>(dimensione));
        letti = std::fread(r.data(), 1, r.size(), f.get());
        r.resize(letti);
    }
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) r.append(buf, n);
    if (std::ferror(f.get())) throw ErroreAccessoArchivio("cannot read " + file.string());
    return r;
}

std::string Riepilogo(std::initializer_list<Conteggio> righe) {
    std::string r = "Importazione completata.\n";
    for (const Conteggio& c : righe) {
        std::string_view e = c.etichetta;
        const bool seNonZero = !e.empty() && e.back() == '?';
        if (seNonZero) {
            if (c.quanti == 0) continue;
            e.remove_suffix(1);
        }
        r += '\n';
        r += e;
        r += ": " + std::to_string(c.quanti);
    }
    return r;
}

}  // namespace interscambio
