// The archive readers and the journal: any bytes as a contact or deadline archive, any bytes
// as a journal beside an archive, and a save of any record crashing at any byte.
#include <algorithm>

#include "StratoInMemoria.h"
#include "Verifica.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

using Byte = StratoInMemoria::Byte;
const std::filesystem::path kFile = "/programma/archivio";

template <class Scheda>
bool Uguali(const Scheda& a, const Scheda& b) {
    return std::all_of(Scheda::Campi.begin(), Scheda::Campi.end(),
                       [&](const auto& c) { return a.*(c.membro) == b.*(c.membro); });
}

// Reads every record; what is shown is stored unchanged, and reading changes nothing.
template <class A>
void Leggi(const Byte& byte, bool soloLettura) {
    using Scheda = typename A::TipoScheda;
    StratoInMemoria s;
    s.Metti(kFile, byte);
    s.soloLettura = soloLettura;
    A a;
    a.Apri(kFile, Accesso::SolaLettura, s);
    const std::int64_t n = a.NumeroSchede();
    VERIFICA(static_cast<std::size_t>(n) == byte.size() / A::Dimensione);
    std::int64_t attesa = 1;
    a.LeggiTutte([&](std::int64_t posizione, const Scheda& scheda) {
        VERIFICA(posizione == attesa++);
        unsigned char b[A::Dimensione];
        CodificaScheda(scheda, b);
        VERIFICA(Uguali(DecodificaScheda<Scheda>(b), scheda));
        return true;
    });
    VERIFICA(attesa == n + 1);
    if (n > 0) VERIFICA(Uguali(a.LeggiScheda(n), a.LeggiScheda(n)));
    a.Chiudi();
    VERIFICA(s.Contenuto()[kFile] == byte);
}

template <class A>
Byte TreSchede(unsigned char riempimento) {
    Byte b(3 * A::Dimensione, riempimento);
    for (std::size_t r = 0; r < 3; ++r) b[r * A::Dimensione] = static_cast<unsigned char>(r + 1);
    return b;
}

// Whatever stands where the journal goes, opening leaves the archive's length and no journal.
void GiornaleQualsiasi(const Byte& giornale) {
    const Byte archivio = TreSchede<TArchivioContatti>('a');
    StratoInMemoria s;
    s.Metti(kFile, archivio);
    s.Metti(giornale::Percorso(kFile), giornale);
    {
        TArchivioContatti a;
        a.Apri(kFile, Accesso::LetturaScrittura, s);
        VERIFICA(a.NumeroSchede() == 3);
    }
    VERIFICA(!s.Esiste(giornale::Percorso(kFile)));
    VERIFICA(s.Contenuto()[kFile].size() == archivio.size());
}

// Overwrites record 2 with a record made of the input, crashing at a byte the input
// chooses; after the restart record 2 is old or new and the others as they were.
template <class A>
void SalvataggioInterrotto(const Byte& ingresso) {
    using Scheda = typename A::TipoScheda;
    if (ingresso.size() < 3) return;
    const std::size_t byte = (ingresso[0] | ingresso[1] << 8) % (2 * A::Dimensione + 64);
    const auto disco = ingresso[2] % 2 ? StratoInMemoria::Disco::SoloForzato
                                       : StratoInMemoria::Disco::TuttoScritto;
    unsigned char dati[A::Dimensione] = {};
    std::copy_n(ingresso.begin() + 3, std::min(ingresso.size() - 3, A::Dimensione), dati);
    const Scheda nuova = DecodificaScheda<Scheda>(dati);

    const Byte prima = TreSchede<A>('b');
    StratoInMemoria s;
    s.Metti(kFile, prima);
    {
        A a;
        a.Apri(kFile, Accesso::LetturaScrittura, s);
        const Scheda vecchia = a.LeggiScheda(2);
        s.Prepara(StratoInMemoria::Modo::Crollo, byte);
        try {
            a.ScriviScheda(2, nuova);
        } catch (const ErroreAccessoArchivio&) {
            VERIFICA(s.Crollato());
        }
    }
    s.Riavvia(disco);
    A a;
    a.Apri(kFile, Accesso::LetturaScrittura, s);
    const Byte dopo = s.Contenuto()[kFile];
    VERIFICA(dopo.size() == prima.size());
    VERIFICA(!s.Esiste(giornale::Percorso(kFile)));
    const std::size_t d = A::Dimensione;
    VERIFICA(std::equal(prima.begin(), prima.begin() + d, dopo.begin()));
    VERIFICA(std::equal(prima.begin() + 2 * d, prima.end(), dopo.begin() + 2 * d));
    unsigned char nuovi[A::Dimensione];
    CodificaScheda(nuova, nuovi);
    VERIFICA(std::equal(prima.begin() + d, prima.begin() + 2 * d, dopo.begin() + d) ||
             std::equal(nuovi, nuovi + d, dopo.begin() + d));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const Byte byte(dati, dati + n);
    Leggi<TArchivioContatti>(byte, false);
    Leggi<TArchivioScadenze>(byte, true);
    GiornaleQualsiasi(byte);
    SalvataggioInterrotto<TArchivioContatti>(byte);
    SalvataggioInterrotto<TArchivioScadenze>(byte);
    return 0;
}
