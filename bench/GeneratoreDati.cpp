#include "GeneratoreDati.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/Scheda.h"
#include "core/text/Testo.h"

namespace generatore {
namespace {

// A small generator of its own (splitmix64), so that record n is the same on every
// machine and with every standard library.
class Caso {
public:
    Caso(std::int64_t n, std::uint64_t sale)
        : stato_(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15ull ^ sale) {}
    std::uint64_t Numero() {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int Fino(int n) { return static_cast<int>(Numero() % static_cast<std::uint64_t>(n)); }
    bool Probabile(int percento) { return Fino(100) < percento; }
    template <std::size_t N>
    std::string_view Uno(const std::array<std::string_view, N>& voci) {
        return voci[static_cast<std::size_t>(Fino(static_cast<int>(N)))];
    }
    std::string Cifre(int quante) {
        std::string s;
        for (int i = 0; i < quante; ++i) s.push_back(static_cast<char>('0' + Fino(10)));
        return s;
    }

private:
    std::uint64_t stato_;
};

using Voci = std::string_view;

constexpr std::array<Voci, 60> kCognomi = {
    "Rossi",     "Russo",   "Ferrari",   "Esposito",   "Bianchi",    "Romano",     "Colombo",
    "Ricci",     "Marino",  "Greco",     "Bruno",      "Gallo",      "Conti",      "De Luca",
    "Mancini",   "Costa",   "Giordano",  "Rizzo",      "Lombardi",   "Moretti",    "Barbieri",
    "Fontana",   "Santoro", "Mariani",   "Rinaldi",    "Caruso",     "Ferrara",    "Galli",
    "Martini",   "Leone",   "Longo",     "Gentile",    "Martinelli", "Vitale",     "Lombardo",
    "Serra",     "Coppola", "De Santis", "D'Angelo",   "Marchetti",  "Parisi",     "Villa",
    "Conte",     "Ferraro", "Ferri",     "Fabbri",     "Bianco",     "Marini",     "Grasso",
    "Valentini", "Messina", "Sala",      "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
    "Sanna",     "Farina",  "Cantù",     "Pellè"};

constexpr std::array<Voci, 48> kNomi = {
    "Marco",      "Giuseppe", "Giovanni",  "Antonio", "Francesco", "Luca",     "Alessandro",
    "Andrea",     "Matteo",   "Lorenzo",   "Nicolò",  "Niccolò",   "Mattìa",   "Gabriele",
    "Davide",     "Riccardo", "Federico",  "Stefano", "Paolo",     "Roberto",  "Maria",
    "Anna",       "Giulia",   "Francesca", "Sara",    "Laura",     "Chiara",   "Valentina",
    "Alessandra", "Elena",    "Silvia",    "Martina", "Federica",  "Paola",    "Roberta",
    "Simona",     "Cristina", "Elisa",     "Noemi",   "Aurora",    "Beatrice", "Irene",
    "Ilaria",     "Michela",  "Zoe",       "Agnese",  "Èrika",     "Lucìa"};

struct Comune {
    Voci nome;
    Voci provincia;
    Voci cap;
};
constexpr std::array<Comune, 40> kComuni = {{
    {"Forlì", "FC", "47121"},
    {"Cesena", "FC", "47521"},
    {"Cantù", "CO", "22063"},
    {"Canicattì", "AG", "92024"},
    {"Agliè", "TO", "10011"},
    {"Cefalù", "PA", "90015"},
    {"Nardò", "LE", "73048"},
    {"Paternò", "CT", "95047"},
    {"Mondovì", "CN", "12084"},
    {"Cirò Marina", "KR", "88811"},
    {"Città di Castello", "PG", "06012"},
    {"Sant'Agata di Militello", "ME", "98076"},
    {"Montù Beccaria", "PV", "27040"},
    {"Erbè", "VR", "37060"},
    {"Roma", "RM", "00118"},
    {"Milano", "MI", "20121"},
    {"Napoli", "NA", "80121"},
    {"Torino", "TO", "10121"},
    {"Palermo", "PA", "90121"},
    {"Genova", "GE", "16121"},
    {"Bologna", "BO", "40121"},
    {"Firenze", "FI", "50121"},
    {"Bari", "BA", "70121"},
    {"Catania", "CT", "95121"},
    {"Venezia", "VE", "30121"},
    {"Verona", "VR", "37121"},
    {"Messina", "ME", "98121"},
    {"Padova", "PD", "35121"},
    {"Trieste", "TS", "34121"},
    {"Brescia", "BS", "25121"},
    {"Ravenna", "RA", "48121"},
    {"Rimini", "RN", "47921"},
    {"Faenza", "RA", "48018"},
    {"Lugo", "RA", "48022"},
    {"Savignano sul Rubicone", "FC", "47039"},
    {"Bertinoro", "FC", "47032"},
    {"Riccione", "RN", "47838"},
    {"Santarcangelo di Romagna", "RN", "47822"},
    {"Cattolica", "RN", "47841"},
    {"Forlimpopoli", "FC", "47034"},
}};

constexpr std::array<Voci, 16> kVie = {
    "Via Garibaldi",   "Via Roma",       "Corso della Repubblica", "Piazza Saffi",
    "Via Mazzini",     "Viale Italia",   "Via dei Mille",          "Via Cavour",
    "Via Verdi",       "Viale Carducci", "Via Dante Alighieri",    "Piazza del Popolo",
    "Via San Martino", "Via Emilia",     "Via Nazionale",          "Vicolo Stretto"};

constexpr std::array<Voci, 18> kOccupazioni = {"Impiegato",
                                               "Impiegata",
                                               "Libero professionista",
                                               "Commerciante",
                                               "Artigiano",
                                               "Pensionato",
                                               "Medico",
                                               "Avvocato",
                                               "Insegnante",
                                               "Studente",
                                               "Agricoltore",
                                               "Ingegnere",
                                               "Farmacista",
                                               "Geometra",
                                               "Ristoratore",
                                               "Parrucchiera",
                                               "Responsabile di produzione",
                                               "Amministratore delegato"};

constexpr std::array<Voci, 14> kProdotti = {"Polizza vita",
                                            "Conto corrente",
                                            "Mutuo prima casa",
                                            "Assicurazione auto",
                                            "Consulenza fiscale",
                                            "Dichiarazione dei redditi",
                                            "Piano di accumulo",
                                            "Carta di credito",
                                            "Previdenza complementare",
                                            "Polizza casa e infortuni",
                                            "Leasing strumentale",
                                            "Fondo pensione",
                                            "Prestito personale",
                                            "Gestione patrimoniale"};

constexpr std::array<Voci, 10> kZone = {
    "Centro",    "Centro storico", "Periferia nord", "Periferia sud", "Zona industriale",
    "Lungomare", "Collina",        "Pianura",        "Frazione",      "Quartiere Ospedale"};

constexpr std::array<Voci, 6> kCivile = {"Coniugato", "Coniugata", "Celibe",
                                         "Nubile",    "Vedovo",    "Separata"};
constexpr std::array<Voci, 6> kPagamenti = {"Bonifico bancario", "Contanti",
                                            "RID bancario",      "Assegno",
                                            "Carta di credito",  "Bollettino postale"};

// Words of free texts: notes, pending questions, reasons. Accented words are as frequent
// as they are in Italian prose.
constexpr std::array<Voci, 64> kParole = {
    "richiamare",   "dopo",        "le",       "18",         "perché",     "è",
    "più",          "già",         "città",    "caffè",      "lunedì",     "venerdì",
    "così",         "verrà",       "sarà",     "potrà",      "preventivo", "contratto",
    "rinnovo",      "polizza",     "scadenza", "pagamento",  "rata",       "banca",
    "cliente",      "interessato", "al",       "nuovo",      "prodotto",   "inviare",
    "documenti",    "firmati",     "entro",    "fine",       "mese",       "sollecito",
    "telefonato",   "non",         "risponde", "segreteria", "email",      "inviata",
    "appuntamento", "fissato",     "in",       "ufficio",    "presso",     "sede",
    "chiedere",     "della",       "moglie",   "figlio",     "studio",     "commercialista",
    "però",         "ancora",      "nessuna",  "risposta",   "attività",   "qualità",
    "urgente",      "consegnare",  "copia",    "carta"};

constexpr std::array<Voci, 12> kCausali = {"Pagamento IMU seconda rata",
                                           "Rinnovo polizza auto",
                                           "Appuntamento dal commercialista",
                                           "Versamento F24",
                                           "Revisione auto",
                                           "Scadenza bollo auto",
                                           "Riunione con il cliente",
                                           "Visita in sede",
                                           "Consegna documenti firmati",
                                           "Rata del mutuo",
                                           "Canone di locazione",
                                           "Rinnovo carta d'identità"};

constexpr std::array<Voci, 8> kTipologie = {"Pagamento",  "Appuntamento", "Scadenza fiscale",
                                            "Rinnovo",    "Riunione",     "Visita",
                                            "Telefonata", "Promemoria"};
constexpr std::array<Voci, 6> kDurate = {"30 minuti",      "1 ora",     "2 ore",
                                         "mezza giornata", "15 minuti", ""};
constexpr std::array<Voci, 5> kEsiti = {"", "Positivo", "Da richiamare", "Rimandato", "Negativo"};

// A free text of varied length: a fifth empty, half short, a quarter medium, the rest
// up to the whole capacity.
std::string TestoLibero(Caso& c, std::size_t capacita) {
    const int tipo = c.Fino(100);
    std::size_t lunghezza = 0;
    if (tipo < 20) return {};
    if (tipo < 70)
        lunghezza = 10 + static_cast<std::size_t>(c.Fino(50));
    else if (tipo < 95)
        lunghezza = 60 + static_cast<std::size_t>(c.Fino(90));
    else
        lunghezza = 150 + static_cast<std::size_t>(c.Fino(static_cast<int>(capacita) - 149));
    lunghezza = std::min(lunghezza, capacita);
    std::string t;
    for (;;) {
        std::string parola(c.Uno(kParole));
        if (t.empty() && !parola.empty())
            parola[0] = static_cast<char>(testo::MaiuscoleAZ(parola.substr(0, 1))[0]);
        const std::string prossima = t.empty() ? parola : t + " " + parola;
        if (testo::Lunghezza(prossima) > lunghezza) break;
        t = prossima;
    }
    return t;
}

std::string Persona(Caso& c) {
    if (c.Probabile(8))
        return std::string(c.Uno(kCognomi)) + " " + std::string(c.Uno(kCognomi)) + " S.r.l.";
    return std::string(c.Uno(kCognomi)) + " " + std::string(c.Uno(kNomi));
}

std::string Cellulare(Caso& c) { return "3" + c.Cifre(2) + " " + c.Cifre(7); }
std::string Fisso(Caso& c) { return "0" + c.Cifre(3) + " " + c.Cifre(6); }

std::string CodiceFiscale(Caso& c) {
    std::string s;
    for (int i = 0; i < 6; ++i) s.push_back(static_cast<char>('A' + c.Fino(26)));
    s += c.Cifre(2);
    s.push_back(static_cast<char>('A' + c.Fino(26)));
    s += c.Cifre(2);
    s.push_back(static_cast<char>('A' + c.Fino(26)));
    s += c.Cifre(3);
    s.push_back(static_cast<char>('A' + c.Fino(26)));
    return s;
}

std::string Due(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string Data(int giorno, int mese, int anno) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", giorno, mese, anno);
    return buf;
}

int GiorniDelMese(int mese, int anno) {
    constexpr int kGiorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return kGiorni[mese - 1] + (mese == 2 && bisestile ? 1 : 0);
}

constexpr std::array<Voci, 12> kMesi = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                        "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                        "Settembre", "Ottobre",  "Novembre", "Dicembre"};

// One folder for the process's archives, removed when the process ends.
class CartellaBench {
public:
    CartellaBench()
        : percorso_(std::filesystem::temp_directory_path() /
                    ("ricordario-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaBench() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

const std::filesystem::path& Cartella() {
    static CartellaBench cartella;
    return cartella.percorso();
}

template <class Scheda, class Genera>
void ScriviArchivio(const std::filesystem::path& file, std::int64_t quante, Genera genera) {
    constexpr std::size_t kDim = DimensioneScheda<Scheda>();
    std::vector<unsigned char> blocco(kDim * 1024);
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + file.string());
    for (std::int64_t primo = 0; primo < quante; primo += 1024) {
        const std::int64_t n = std::min<std::int64_t>(1024, quante - primo);
        for (std::int64_t k = 0; k < n; ++k)
            CodificaScheda(genera(primo + k + 1), blocco.data() + k * kDim);
        std::fwrite(blocco.data(), kDim, static_cast<std::size_t>(n), f);
    }
    std::fclose(f);
}

}  // namespace

TSchedaContatto Contatto(std::int64_t n) {
    Caso c(n, 0xC0117A77);
    TSchedaContatto s;
    s.Cliente = Persona(c);
    s.DataNasc = Data(1 + c.Fino(28), 1 + c.Fino(12), 1930 + c.Fino(75));
    const Comune& nascita =
        kComuni[static_cast<std::size_t>(c.Fino(static_cast<int>(kComuni.size())))];
    s.ComuneNasc = nascita.nome;
    s.ProvNasc = nascita.provincia;
    s.Sesso = c.Probabile(50) ? "M" : "F";
    s.Recapito = c.Probabile(60) ? Cellulare(c) : Fisso(c);
    s.IndirizzoRes = std::string(c.Uno(kVie)) + " " + std::to_string(1 + c.Fino(180));
    const Comune& residenza =
        kComuni[static_cast<std::size_t>(c.Fino(static_cast<int>(kComuni.size())))];
    s.ComuneRes = residenza.nome;
    s.ProvRes = residenza.provincia;
    s.CapRes = residenza.cap;
    s.Estremi = c.Uno(kPagamenti);
    if (c.Probabile(50)) s.TelCasa = Fisso(c);
    if (c.Probabile(30)) s.TelUff = Fisso(c);
    s.TelCel = Cellulare(c);
    if (c.Probabile(10)) s.Fax = Fisso(c);
    if (c.Probabile(70))
        s.Email = testo::MinuscoleAZ(std::string(c.Uno(kCognomi)).substr(0, 5)) +
                  std::to_string(c.Fino(1000)) + "@esempio.it";
    s.CodFisc = CodiceFiscale(c);
    if (c.Probabile(10)) {
        s.Carta = "4" + c.Cifre(15);
        s.ScadeCarta = Due(1 + c.Fino(12)) + "/" + std::to_string(2025 + c.Fino(6));
    }
    if (c.Probabile(15)) s.PartitaIva = c.Cifre(11);
    if (c.Probabile(30)) s.Iban = "IT" + c.Cifre(2) + "X" + c.Cifre(22);
    if (c.Probabile(60))
        s.Documento = "C.I. A" + c.Cifre(7) + " rilasciata dal Comune di " +
                      std::string(residenza.nome) + " il " +
                      Data(1 + c.Fino(28), 1 + c.Fino(12), 2015 + c.Fino(10));
    s.Occupazione = c.Uno(kOccupazioni);
    s.Civile = c.Uno(kCivile);
    if (c.Probabile(40))
        s.Titoli = c.Probabile(50) ? "Laurea in Economia" : "Diploma di ragioneria";
    s.Prodotti = c.Uno(kProdotti);
    if (c.Probabile(30)) s.Prodotti += ", " + std::string(c.Uno(kProdotti));
    s.Zona = c.Uno(kZone);
    s.Questioni = TestoLibero(c, 250);
    s.Note = TestoLibero(c, 250);
    s.Ricontatta = c.Probabile(25) ? "Sì" : "No";
    if (c.Probabile(10)) {
        s.File01 = "contratto_" + std::to_string(n) + ".pdf";
        s.Desc01 = "Contratto firmato";
    }
    return s;
}

TSchedaScadenza Scadenza(std::int64_t n, int anno) {
    Caso c(n, 0x5CADE2CE);
    TSchedaScadenza s;
    const int mese = 1 + c.Fino(12);
    const int giorno = 1 + c.Fino(GiorniDelMese(mese, anno));
    s.Giorno = Due(giorno);
    s.Mese = kMesi[static_cast<std::size_t>(mese - 1)];
    s.Anno = std::to_string(anno);
    s.Data = Data(giorno, mese, anno);
    s.OreApp = Due(8 + c.Fino(12));
    s.MinutiApp = Due(15 * c.Fino(4));
    s.Ora = s.OreApp + ":" + s.MinutiApp;
    s.Avviso = std::to_string(c.Fino(31));
    s.Pagatore = Persona(c);
    s.CodFisc = CodiceFiscale(c);
    s.NumTessera = c.Uno(kZone);
    s.Carica = TestoLibero(c, 250);
    s.TelCel = Cellulare(c);
    s.Recapito = c.Probabile(60) ? Cellulare(c) : Fisso(c);
    if (c.Probabile(20)) s.Anticipi = Persona(c);
    s.Complessivo =
        kComuni[static_cast<std::size_t>(c.Fino(static_cast<int>(kComuni.size())))].nome;
    s.Rateazione = c.Uno(kDurate);
    s.Beneficiario = c.Uno(kTipologie);
    s.Dettagli = c.Uno(kCausali);
    if (c.Probabile(40)) s.Officina = c.Uno(kPagamenti);
    s.Costo = c.Probabile(30) ? "0,00" : std::to_string(c.Fino(5000)) + "," + Due(c.Fino(100));
    s.Contatto = c.Uno(kEsiti);
    s.Note = TestoLibero(c, 250);
    s.DaConfermare = flag::Da(c.Probabile(20));
    s.Effettuata = flag::Da(c.Probabile(50));
    return s;
}

std::filesystem::path ArchivioContatti(std::int64_t quante) {
    static std::map<std::int64_t, std::filesystem::path> fatti;
    if (auto it = fatti.find(quante); it != fatti.end()) return it->second;
    const auto dir = Cartella() / ("contatti-" + std::to_string(quante));
    std::filesystem::create_directories(dir);
    const auto file = dir / "Contatti.rub";
    ScriviArchivio<TSchedaContatto>(file, quante, Contatto);
    return fatti[quante] = file;
}

std::filesystem::path ArchivioScadenze(std::int64_t quante, int anno) {
    static std::map<std::pair<std::int64_t, int>, std::filesystem::path> fatti;
    if (auto it = fatti.find({quante, anno}); it != fatti.end()) return it->second;
    const auto dir = Cartella() / ("scadenze-" + std::to_string(quante));
    std::filesystem::create_directories(dir);
    const auto file = dir / (std::to_string(anno) + ".rcd");
    ScriviArchivio<TSchedaScadenza>(file, quante,
                                    [anno](std::int64_t n) { return Scadenza(n, anno); });
    return fatti[{quante, anno}] = file;
}

void ScriviScadenze(const std::filesystem::path& file, std::int64_t quante,
                    const std::function<TSchedaScadenza(std::int64_t)>& genera) {
    ScriviArchivio<TSchedaScadenza>(file, quante, genera);
}

std::uint64_t LeggiByte(const std::filesystem::path& file) {
    static std::vector<unsigned char> blocco(1 << 20);
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot read " + file.string());
    std::uint64_t totale = 0, somma = 0;
    std::size_t n;
    while ((n = std::fread(blocco.data(), 1, blocco.size(), f)) > 0) {
        totale += n;
        somma += blocco[n - 1];  // touch the data, as any reader would
    }
    std::fclose(f);
    return totale + somma;
}

}  // namespace generatore
