#include "core/checkers/PartitaIva.h"

#include <algorithm>

#include "core/text/Testo.h"

namespace controlli {

// Codes 103 to 119 name no office; 120 and 121 name the same offices as 101 and 102.
const std::array<UfficioIva, 104> UfficiIva = {{
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
}};

std::optional<int> CifraControlloPartitaIva(std::string_view primi10) {
    if (primi10.size() != LunghezzaPartitaIva - 1 || !testo::SoloCifre(primi10))
        return std::nullopt;
    int somma = 0;
    for (std::size_t i = 0; i < primi10.size(); ++i) {
        const int cifra = primi10[i] - '0';
        if (i % 2 == 0) {
            somma += cifra;  // positions 1, 3, 5, ... as they are
        } else {
            const int doppio = 2 * cifra;  // positions 2, 4, ...: digits of the double
            somma += doppio / 10 + doppio % 10;
        }
    }
    return (10 - somma % 10) % 10;
}

bool PartitaIvaValida(std::string_view numero) {
    if (numero.size() != LunghezzaPartitaIva || !testo::SoloCifre(numero)) return false;
    return CifraControlloPartitaIva(numero.substr(0, 10)) == numero[10] - '0';
}

std::optional<std::string_view> NomeUfficioIva(std::string_view codice) {
    const auto it = std::find_if(UfficiIva.begin(), UfficiIva.end(),
                                 [&](const UfficioIva& u) { return u.codice == codice; });
    if (it == UfficiIva.end()) return std::nullopt;
    return it->nome;
}

EsitoControllo ControllaPartitaIva(std::string_view campo) {
    const std::string numero = testo::MaiuscoleAZ(campo);
    if (testo::Lunghezza(numero) != LunghezzaPartitaIva)
        return EsitoIncompleto(testi::PartitaIvaLunghezza);
    if (!PartitaIvaValida(numero)) return EsitoErrato(testi::PartitaIvaErrata);

    const std::string codice = numero.substr(7, 3);
    std::string messaggio = testi::PartitaIvaValida;
    const auto nome = NomeUfficioIva(codice);
    if (nome) {
        messaggio += testi::PartitaIvaUfficio + std::string(*nome) + ".";
    } else {
        // A correct number from an office the table does not know: say so rather than
        // name an empty town.
        messaggio +=
            "Non è però possibile indicare l'Ufficio IVA che lo ha rilasciato: il "
            "codice d'ufficio " +
            codice + " non corrisponde a nessun ufficio conosciuto.";
    }
    return EsitoValido(messaggio, nome ? std::string(*nome) : std::string());
}

}  // namespace controlli
