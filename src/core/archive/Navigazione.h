#pragma once
// Browsing an archive record by record from a card: what the first, previous, next and
// last arrows do, given the record the card shows and how many records there are.
#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/archive/FileArchivio.h"

enum class Navigazione { Primo, Indietro, Avanti, Ultimo };

struct PassoNavigazione {
    enum Esito { Mostra, ArchivioVuoto, Niente } esito = Niente;
    std::int64_t posizione = 0;    // the record to show (Mostra)
    bool svuotaPosizione = false;  // ArchivioVuoto from Avanti also empties lblPosizione
};

// What a navigation command does from record `corrente` (0 for a card never stored).
// `contaSchede` opens and counts the archive; it is not called when the step needs no
// archive (Indietro from record 1).
PassoNavigazione Naviga(Navigazione comando, std::int64_t corrente,
                        const std::function<std::int64_t()>& contaSchede);

template <class Scheda>
struct SchedaNavigata {
    PassoNavigazione passo;
    Scheda scheda;  // the record read, when passo says Mostra
};

// One navigation command on an archive file: opens it for reading only when the step needs
// it, reads at most one record, closes. Failures are ErroreAccessoArchivio.
template <class ArchivioDi>
SchedaNavigata<typename ArchivioDi::TipoScheda> NavigaArchivio(
    const std::filesystem::path& file, Navigazione comando, std::int64_t corrente) {
    ArchivioDi archivio;
    SchedaNavigata<typename ArchivioDi::TipoScheda> risultato;
    risultato.passo = Naviga(comando, corrente, [&] {
        archivio.Apri(file, Accesso::SolaLettura);
        return archivio.NumeroSchede();
    });
    if (risultato.passo.esito == PassoNavigazione::Mostra)
        risultato.scheda = archivio.LeggiScheda(risultato.passo.posizione);
    archivio.Chiudi();
    return risultato;
}
