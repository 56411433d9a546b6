// Attachment names: any text as the name of an attached file never leads out of the
// attachments folder.
#include "Verifica.h"
#include "core/text/Testo.h"
#include "core/contacts/Allegati.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view nome = Testo(dati, n);
    const std::filesystem::path programma = "/opt/ricordario/";
    const std::filesystem::path cartella = allegati::Cartella(programma);

    if (const auto percorso = allegati::Percorso(programma, nome)) {
        VERIFICA(allegati::NomeSicuro(testo::Rifila(nome)));
        // One plain name right inside the folder, the same however the path is normalised.
        VERIFICA(percorso->parent_path() == cartella);
        VERIFICA(percorso->lexically_normal().parent_path() == cartella.lexically_normal());
        const auto relativo = percorso->lexically_relative(cartella);
        VERIFICA(std::distance(relativo.begin(), relativo.end()) == 1);
        VERIFICA(relativo != "." && relativo != "..");
    } else {
        VERIFICA(!allegati::NomeSicuro(testo::Rifila(nome)));
    }
    if (allegati::NomeConservabile(nome))
        VERIFICA(testo::DaArchivio(testo::PerArchivio(nome, allegati::CapacitaNome)) == nome);
    return 0;
}
