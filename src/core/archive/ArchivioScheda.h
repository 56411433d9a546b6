#pragma once
// What a card's commands do to its archive file, for any archive: each opens the file for
// one command and closes it before returning. Failures are ErroreAccessoArchivio; the
// archive closes itself on the way out. Browsing is NavigaArchivio (Navigazione.h).
#include <cstdint>
#include <filesystem>

// Stores the card: overwrites record `posizione` when the card has one (> 0), appends it
// otherwise. Returns the record's position.
template <class ArchivioDi>
std::int64_t SalvaScheda(const std::filesystem::path& file, std::int64_t posizione,
                         const typename ArchivioDi::TipoScheda& scheda) {
    ArchivioDi archivio;
    archivio.Apri(file);
    if (posizione > 0)
        archivio.ScriviScheda(posizione, scheda);
    else
        posizione = archivio.AccodaScheda(scheda);
    archivio.Chiudi();
    return posizione;
}

// Opens and closes the archive: a copy of a card is prepared only where it can be stored.
template <class ArchivioDi>
void RaggiungiArchivio(const std::filesystem::path& file) {
    ArchivioDi archivio;
    archivio.Apri(file);
    archivio.Chiudi();
}
