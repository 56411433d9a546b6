#include "core/password/Password.h"

#include <fstream>
#include <optional>
#include <vector>

#include "core/archive/FileIntero.h"
#include "core/text/Testo.h"

namespace password {
namespace {

using Byte = std::uint8_t;

// One routine for both directions. The key is always updated with the scrambled byte:
// the output when scrambling, the input when unscrambling, so both run the same keys.
std::vector<Byte> Rimescola(const std::vector<Byte>& ingresso, bool cifrando) {
    std::vector<Byte> uscita;
    const std::size_t n = ingresso.size() % 256;
    uscita.reserve(n);
    std::uint16_t k = K0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<Byte>(ingresso[i] ^ (k >> 8));
        const Byte cifrato = cifrando ? b : ingresso[i];
        k = static_cast<std::uint16_t>((k + cifrato) * M + A);
        uscita.push_back(b);
    }
    return uscita;
}

// The byte of each character: its own code below 256, as the routine always took it, and
// beyond that its Windows-1252 byte ("€" is 0x80); nothing for a text holding a character
// Windows-1252 has no form for, which could only be kept cut to a byte that another
// character types too.
std::optional<std::vector<Byte>> ByteDiPassword(std::string_view utf8) {
    std::vector<Byte> byte;
    byte.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = testo::ProssimoCarattere(utf8, i);
        const int b = c < 256 ? static_cast<int>(c) : testo::CodiceWindows1252(c);
        if (b < 0 || c == 0xFFFD) return std::nullopt;
        byte.push_back(static_cast<Byte>(b));
    }
    return byte;
}

std::vector<Byte> ByteAmmessi(std::string_view utf8) {
    auto byte = ByteDiPassword(utf8);
    if (!byte) throw ErroreCaratteriNonAmmessi("a character without a Windows-1252 form");
    return std::move(*byte);
}

// Byte value = character code.
std::string Latin1InUtf8(const std::vector<Byte>& byte) {
    std::string out;
    for (const Byte b : byte) {
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

int ValoreCifra(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// What a typed text becomes once stored and read back (without the count limit, so a long
// text cannot wrap around onto a shorter password); nothing for one that cannot be stored.
std::optional<std::string> ComeRiletta(std::string_view digitata) {
    const auto byte = ByteDiPassword(FormaConfronto(digitata));
    if (!byte) return std::nullopt;
    return testo::Rifila(Latin1InUtf8(*byte));
}

// How earlier versions stored a typed text: the low 8 bits of each character's code, so
// "€" became 0xAC. A password set that way keeps opening with the same typing.
std::string ComeRilettaPrima(std::string_view digitata) {
    std::vector<Byte> byte;
    const std::string forma = FormaConfronto(digitata);
    for (std::size_t i = 0; i < forma.size();) {
        const char32_t c = testo::ProssimoCarattere(forma, i);
        byte.push_back(static_cast<Byte>(c & 0xFF));
    }
    return testo::Rifila(Latin1InUtf8(byte));
}

// --- the INI file ----------------------------------------------------------------------

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The file as lines, each keeping its own line end, so that whatever is not ours is written
// back byte for byte.
struct FileIni {
    std::string bom;
    std::vector<std::string> righe;
};

std::string SenzaFineRiga(const std::string& riga) {
    std::size_t fine = riga.size();
    while (fine > 0 && (riga[fine - 1] == '\n' || riga[fine - 1] == '\r')) --fine;
    return riga.substr(0, fine);
}

bool FinisceARiga(const std::string& riga) { return !riga.empty() && riga.back() == '\n'; }

std::string FineRiga(const FileIni& ini) {
    for (const auto& r : ini.righe) {
        if (!FinisceARiga(r)) continue;
        return r.size() >= 2 && r[r.size() - 2] == '\r' ? "\r\n" : "\n";
    }
    return "\r\n";
}

bool StessoNome(std::string_view a, std::string_view b) {
    return testo::ConfrontaSenzaMaiuscole(a, b) == 0;
}

// The section name of a "[name]" line, or nothing.
bool NomeSezione(const std::string& riga, std::string& nome) {
    const std::string t = testo::Rifila(SenzaFineRiga(riga));
    if (t.size() < 2 || t.front() != '[') return false;
    const std::size_t chiusa = t.find(']');
    if (chiusa == std::string::npos) return false;
    nome = testo::Rifila(std::string_view(t).substr(1, chiusa - 1));
    return true;
}

// Key and value of a "key=value" line that is not a comment.
bool ChiaveValore(const std::string& riga, std::string& chiave, std::string& valore) {
    const std::string t = testo::Rifila(SenzaFineRiga(riga));
    if (t.empty() || t.front() == ';' || t.front() == '#') return false;
    const std::size_t uguale = t.find('=');
    if (uguale == std::string::npos) return false;
    chiave = testo::Rifila(std::string_view(t).substr(0, uguale));
    valore = testo::Rifila(std::string_view(t).substr(uguale + 1));
    return true;
}

constexpr std::size_t kNessuna = static_cast<std::size_t>(-1);

// Where our key stands: the first "[Accesso]" section (names compared without case, as
// Windows does) and the first "Valore" in it.
struct Posizione {
    std::size_t sezione = kNessuna;
    std::size_t chiave = kNessuna;
    std::size_t ultimaDellaSezione = kNessuna;  // last non-blank line of the section
    std::string valore;
};

Posizione Trova(const FileIni& ini) {
    Posizione p;
    for (std::size_t i = 0; i < ini.righe.size(); ++i) {
        const std::string& riga = ini.righe[i];
        std::string nome, chiave, valore;
        if (NomeSezione(riga, nome)) {
            if (p.sezione != kNessuna) break;
            if (StessoNome(nome, Sezione)) p.sezione = p.ultimaDellaSezione = i;
            continue;
        }
        if (p.sezione == kNessuna) continue;
        if (!testo::Rifila(SenzaFineRiga(riga)).empty()) p.ultimaDellaSezione = i;
        if (p.chiave == kNessuna && ChiaveValore(riga, chiave, valore) &&
            StessoNome(chiave, Chiave)) {
            p.chiave = i;
            p.valore = valore;
        }
    }
    return p;
}

// Reads the file; a missing file is an empty one. A file too large to be ours is refused
// before it is read.
FileIni LeggiIni(const std::filesystem::path& file) {
    FileIni ini;
    std::error_code ec;
    const auto stato = std::filesystem::status(file, ec);
    if (stato.type() == std::filesystem::file_type::not_found) return ini;
    if (ec || !std::filesystem::is_regular_file(stato))
        throw ErrorePassword("cannot read " + file.string() + ": not a file");
    const auto dimensione = std::filesystem::file_size(file, ec);
    if (ec || dimensione > DimensioneMassima)
        throw ErrorePassword("cannot read " + file.string() + ": too large");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ErrorePassword("cannot open " + file.string());
    // Read at most one byte past the limit: the file may have grown since it was measured.
    std::string tutto(DimensioneMassima + 1, '\0');
    in.read(tutto.data(), static_cast<std::streamsize>(tutto.size()));
    if (in.bad()) throw ErrorePassword("cannot read " + file.string());
    tutto.resize(static_cast<std::size_t>(in.gcount()));
    if (tutto.size() > DimensioneMassima)
        throw ErrorePassword("cannot read " + file.string() + ": too large");
    if (tutto.starts_with(kBom)) {
        ini.bom = kBom;
        tutto.erase(0, kBom.size());
    }
    for (std::size_t inizio = 0; inizio < tutto.size();) {
        std::size_t fine = tutto.find('\n', inizio);
        fine = fine == std::string::npos ? tutto.size() : fine + 1;
        ini.righe.push_back(tutto.substr(inizio, fine - inizio));
        inizio = fine;
    }
    return ini;
}

// The whole-file writer, reporting as every password failure does.
void ScriviFilePassword(const std::filesystem::path& file, const std::string& contenuto) {
    try {
        SostituisciFile(file, contenuto);
    } catch (const ErroreScritturaFile& e) {
        throw ErrorePassword(e.what());
    }
}

}  // namespace

std::string Cifra(std::string_view testo) {
    static constexpr char kCifre[] = "0123456789ABCDEF";
    std::string out;
    for (const Byte c : Rimescola(ByteAmmessi(testo), true)) {
        out.push_back(kCifre[c >> 4]);
        out.push_back(kCifre[c & 0x0F]);
    }
    return out;
}

std::string Decifra(std::string_view esadecimale) {
    if (esadecimale.size() % 2 != 0)
        throw ErroreValoreNonEsadecimale("odd number of hexadecimal digits");
    std::vector<Byte> byte;
    byte.reserve(esadecimale.size() / 2);
    for (std::size_t i = 0; i < esadecimale.size(); i += 2) {
        const int alta = ValoreCifra(esadecimale[i]);
        const int bassa = ValoreCifra(esadecimale[i + 1]);
        if (alta < 0 || bassa < 0)
            throw ErroreValoreNonEsadecimale("not a hexadecimal value: " +
                                             std::string(esadecimale));
        byte.push_back(static_cast<Byte>(alta << 4 | bassa));
    }
    return Latin1InUtf8(Rimescola(byte, false));
}

std::string FormaConfronto(std::string_view testo) {
    return testo::MaiuscoleAZ(testo::Rifila(testo));
}

std::filesystem::path Percorso(const std::filesystem::path& cartella) {
    return cartella / NomeFile;
}

std::string LeggiPassword(const std::filesystem::path& file) {
    const Posizione p = Trova(LeggiIni(file));
    return testo::Rifila(Decifra(p.valore));
}

void ScriviPassword(const std::filesystem::path& file, std::string_view nuova) {
    const std::string forma = FormaConfronto(nuova);
    const auto riletta = ComeRiletta(nuova);
    if (!riletta) throw ErroreCaratteriNonAmmessi("a character without a Windows-1252 form");
    // A password that reads back empty would lock everybody out.
    if (riletta->empty()) throw ErrorePassword("empty password");
    // Beyond 255 characters the routine's count wraps and the password could never be
    // typed back.
    if (testo::Lunghezza(forma) > 255) throw ErrorePassword("password longer than 255");
    const std::string riga = std::string(Chiave) + "=" + testo::Rifila(Cifra(forma));

    FileIni ini = LeggiIni(file);
    const std::string eol = FineRiga(ini);
    const Posizione p = Trova(ini);
    auto& righe = ini.righe;
    if (p.chiave != kNessuna) {
        const std::string& vecchia = righe[p.chiave];
        righe[p.chiave] = riga + vecchia.substr(SenzaFineRiga(vecchia).size());
    } else {
        if (p.sezione == kNessuna) {
            if (!righe.empty() && !FinisceARiga(righe.back())) righe.back() += eol;
            righe.push_back("[" + std::string(Sezione) + "]" + eol);
        } else if (!FinisceARiga(righe[p.ultimaDellaSezione])) {
            righe[p.ultimaDellaSezione] += eol;
        }
        const std::size_t dove = p.sezione == kNessuna ? righe.size() : p.ultimaDellaSezione + 1;
        righe.insert(righe.begin() + static_cast<std::ptrdiff_t>(dove), riga + eol);
    }

    std::string contenuto = ini.bom;
    for (const auto& r : righe) contenuto += r;
    ScriviFilePassword(file, contenuto);
}

bool VerificaPassword(const std::filesystem::path& file, std::string_view digitata) {
    const std::string memorizzata = LeggiPassword(file);
    if (memorizzata.empty()) return false;
    const auto riletta = ComeRiletta(digitata);  // never for a text that cannot be stored
    return riletta && (memorizzata == *riletta || memorizzata == ComeRilettaPrima(digitata));
}

bool NuovaConfermata(std::string_view nuova, std::string_view conferma) {
    return testo::Rifila(nuova) == testo::Rifila(conferma);
}

EsitoCambio CambiaPassword(const std::filesystem::path& file, std::string_view vecchia,
                           std::string_view nuova, std::string_view conferma) {
    if (!VerificaPassword(file, vecchia)) return EsitoCambio::VecchiaErrata;
    if (!testo::StaInWindows1252(nuova)) return EsitoCambio::CaratteriNonAmmessi;
    if (!NuovaConfermata(nuova, conferma)) return EsitoCambio::NonConfermata;
    ScriviPassword(file, nuova);
    return EsitoCambio::Completato;
}

}  // namespace password
