#include "core/interchange/VCard.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/archive/FileIntero.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/interchange/Interscambio.h"
#include "core/text/DataOra.h"
#include "core/text/Testo.h"

namespace vcard {
namespace {

using C = TSchedaContatto;

// Our fields with no vCard property of their own, carried as X-RICORDARIO-<field>. The
// attachments stay out: their files live in our attachments folder only.
constexpr std::array<std::pair<const char*, std::string C::*>, 17> kCampiPropri = {{
    {"COMUNENASC", &C::ComuneNasc},   {"PROVNASC", &C::ProvNasc},
    {"SESSO", &C::Sesso},             {"RECAPITO", &C::Recapito},
    {"ESTREMI", &C::Estremi},         {"CODFISC", &C::CodFisc},
    {"CARTA", &C::Carta},             {"SCADECARTA", &C::ScadeCarta},
    {"PARTITAIVA", &C::PartitaIva},   {"IBAN", &C::Iban},
    {"DOCUMENTO", &C::Documento},     {"CIVILE", &C::Civile},
    {"TITOLI", &C::Titoli},           {"PRODOTTI", &C::Prodotti},
    {"ZONA", &C::Zona},               {"QUESTIONI", &C::Questioni},
    {"RICONTATTA", &C::Ricontatta},
}};

// ---- Writing ----------------------------------------------------------------------------

// A text value: backslash, comma, semicolon and line breaks escaped (a CR LF pair or a lone
// CR is one line break).
void AccodaEscape(std::string& out, std::string_view v) {
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ',': out += "\\,"; break;
            case ';': out += "\\;"; break;
            case '\r':
                if (i + 1 < v.size() && v[i + 1] == '\n') ++i;
                out += "\\n";
                break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
}

// One content line, folded so that no line passes 75 octets and no UTF-8 sequence is cut.
void AccodaRiga(std::string& out, std::string_view riga) {
    constexpr std::size_t kMassimo = 75;
    std::size_t spazio = kMassimo;  // octets this physical line still takes
    while (riga.size() > spazio) {
        std::size_t taglio = spazio;
        // Back up to the first byte of a character (continuation bytes are 10xxxxxx).
        while (taglio > 0 && (static_cast<unsigned char>(riga[taglio]) & 0xC0) == 0x80) --taglio;
        out.append(riga.substr(0, taglio));
        out += "\r\n ";
        riga.remove_prefix(taglio);
        spazio = kMassimo - 1;  // the leading blank counts
    }
    out.append(riga);
    out += "\r\n";
}

void Proprieta(std::string& out, std::string_view nome, std::string_view valore) {
    if (valore.empty()) return;
    std::string riga(nome);
    riga += ':';
    AccodaEscape(riga, valore);
    AccodaRiga(out, riga);
}

// ---- Reading ----------------------------------------------------------------------------

struct Linea {
    std::string nome;                                       // upper case, group dropped
    std::vector<std::pair<std::string, std::string>> parametri;  // names upper case
    std::string valore;                                     // raw, escapes still in
};

std::string Maiuscole(std::string_view s) { return testo::MaiuscoleAZ(s); }

// The values of a parameter, comma-separated lists opened and quotes removed, lower case.
std::vector<std::string> Tipi(const Linea& l) {
    std::vector<std::string> tipi;
    for (const auto& [nome, valore] : l.parametri) {
        // vCard 2.1 writes bare types: "TEL;HOME;VOICE:".
        if (nome != "TYPE" && !valore.empty()) continue;
        std::string_view v = valore.empty() ? std::string_view(nome) : std::string_view(valore);
        std::size_t inizio = 0;
        while (inizio <= v.size()) {
            std::size_t fine = v.find(',', inizio);
            if (fine == std::string_view::npos) fine = v.size();
            std::string t = testo::MinuscoleAZ(v.substr(inizio, fine - inizio));
            if (!t.empty() && t.front() == '"') t.erase(0, 1);
            if (!t.empty() && t.back() == '"') t.pop_back();
            if (!t.empty()) tipi.push_back(t);
            inizio = fine + 1;
        }
    }
    return tipi;
}

bool HaTipo(const std::vector<std::string>& tipi, std::string_view t) {
    for (const auto& x : tipi)
        if (x == t) return true;
    return false;
}

// A content line: "group.NAME;PARAM=value;PARAM="a,b":value". Nothing for a line with no
// colon outside double quotes or no name.
std::optional<Linea> LeggiLinea(std::string_view riga) {
    bool virgolette = false;
    std::size_t duePunti = std::string_view::npos;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        if (riga[i] == '"') {
            virgolette = !virgolette;
        } else if (riga[i] == ':' && !virgolette) {
            duePunti = i;
            break;
        }
    }
    if (duePunti == std::string_view::npos) return std::nullopt;
    Linea l;
    l.valore = std::string(riga.substr(duePunti + 1));
    std::string_view testa = riga.substr(0, duePunti);
    std::vector<std::string_view> pezzi;
    virgolette = false;
    std::size_t inizio = 0;
    for (std::size_t i = 0; i <= testa.size(); ++i) {
        if (i < testa.size() && testa[i] == '"') virgolette = !virgolette;
        if (i == testa.size() || (testa[i] == ';' && !virgolette)) {
            pezzi.push_back(testa.substr(inizio, i - inizio));
            inizio = i + 1;
        }
    }
    std::string_view nome = pezzi.front();
    if (const auto punto = nome.rfind('.'); punto != std::string_view::npos)
        nome.remove_prefix(punto + 1);
    if (nome.empty()) return std::nullopt;
    l.nome = Maiuscole(nome);
    for (std::size_t k = 1; k < pezzi.size(); ++k) {
        const std::string_view p = pezzi[k];
        const auto uguale = p.find('=');
        if (uguale == std::string_view::npos)
            l.parametri.emplace_back(Maiuscole(p), "");
        else
            l.parametri.emplace_back(Maiuscole(p.substr(0, uguale)), std::string(p.substr(uguale + 1)));
    }
    return l;
}

std::string Parametro(const Linea& l, std::string_view nome) {
    for (const auto& [n, v] : l.parametri)
        if (n == nome) return testo::MinuscoleAZ(v);
    return {};
}

// Escapes undone: "\\" "\," "\;" "\n" "\N"; any other escaped character stands for itself.
std::string Senza(std::string_view v) {
    std::string r;
    r.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            r += v[i];
            continue;
        }
        const char c = v[++i];
        r += (c == 'n' || c == 'N') ? '\n' : c;
    }
    return r;
}

// The components of a structured value (N, ADR), split at unescaped semicolons.
std::vector<std::string> Componenti(std::string_view v) {
    std::vector<std::string> c;
    std::size_t inizio = 0;
    for (std::size_t i = 0; i <= v.size(); ++i) {
        if (i < v.size() && v[i] == '\\') {
            ++i;
            continue;
        }
        if (i >= v.size() || v[i] == ';') {
            c.push_back(Senza(v.substr(inizio, std::min(i, v.size()) - inizio)));
            inizio = i + 1;
        }
    }
    return c;
}

// Quoted-printable, as vCard 2.1 phones write non-ASCII text ("=C3=A8"; a soft break "="
// at the end of a line has already joined the lines).
std::string DaQuotedPrintable(std::string_view v) {
    std::string r;
    const auto Cifra = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '=' && i + 2 < v.size()) {
            const int a = Cifra(v[i + 1]), b = Cifra(v[i + 2]);
            if (a >= 0 && b >= 0) {
                r += static_cast<char>(a * 16 + b);
                i += 2;
                continue;
            }
        }
        r += v[i];
    }
    return r;
}

bool Utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// "19800315", "1980-03-15" → "15/03/1980"; any other text as it is (the field is free text).
std::string DataNascita(const std::string& v) {
    std::string cifre;
    for (char c : v)
        if (c != '-') cifre += c;
    if (cifre.size() == 8 && testo::SoloCifre(cifre)) {
        const Data d{std::stoi(cifre.substr(6, 2)), std::stoi(cifre.substr(4, 2)),
                     std::stoi(cifre.substr(0, 4))};
        if (DataValida(d)) return TestoData(d);
    }
    return v;
}

void AggiungiNota(std::string& note, std::string_view riga) {
    if (riga.empty()) return;
    if (!note.empty()) note += '\n';
    note += riga;
}

// Turns one card's lines into a contact; nothing when it has no name.
std::optional<TSchedaContatto> Scheda(const std::vector<Linea>& linee) {
    TSchedaContatto s;
    std::string nomeDaN, organizzazione, titolo, note;
    std::vector<std::string> altro;  // "NAME: value" lines for the notes
    bool indirizzo = false;
    for (const Linea& l : linee) {
        std::string grezzo = l.valore;
        if (Parametro(l, "ENCODING") == "quoted-printable") grezzo = DaQuotedPrintable(grezzo);
        const std::string v = testo::Rifila(Senza(grezzo));
        const std::string& n = l.nome;
        if (n == "BEGIN" || n == "END" || n == "VERSION" || n == "PRODID" || n == "UID" ||
            n == "REV" || n == "PHOTO" || n == "LOGO" || n == "SOUND" || n == "KEY" ||
            n == "CLIENTPIDMAP" || n == "KIND") {
            continue;  // the card's frame, or pictures and keys no text field can hold
        }
        if (n == "FN") {
            if (s.Cliente.empty()) s.Cliente = v;
        } else if (n == "N") {
            // Family name first, as the card writes a name ("Rossi Mario").
            const auto c = Componenti(grezzo);
            std::string nome;
            for (std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{2}})
                if (i < c.size()) {
                    const std::string t = testo::Rifila(c[i]);
                    if (t.empty()) continue;
                    if (!nome.empty()) nome += ' ';
                    nome += t;
                }
            nomeDaN = nome;
        } else if (n == "BDAY") {
            s.DataNasc = DataNascita(v);
        } else if (n == "ADR" && !indirizzo) {
            indirizzo = true;
            auto c = Componenti(grezzo);
            c.resize(7);
            for (auto& x : c) x = testo::Rifila(x);
            // PO box, extended address, street, locality, region, postcode, country.
            std::string via = c[2];
            if (!c[1].empty()) via += (via.empty() ? "" : " ") + c[1];
            s.IndirizzoRes = via;
            s.ComuneRes = c[3];
            if (testo::Lunghezza(c[4]) <= 2) s.ProvRes = c[4];
            else altro.push_back("Provincia: " + c[4]);
            if (testo::Lunghezza(c[5]) <= 5) s.CapRes = c[5];
            else altro.push_back("CAP: " + c[5]);
            if (!c[0].empty()) altro.push_back("Casella postale: " + c[0]);
            if (!c[6].empty()) altro.push_back("Paese: " + c[6]);
        } else if (n == "TEL") {
            const auto tipi = Tipi(l);
            std::string C::*campo = &C::TelCasa;
            if (HaTipo(tipi, "fax")) campo = &C::Fax;
            else if (HaTipo(tipi, "cell")) campo = &C::TelCel;
            else if (HaTipo(tipi, "work")) campo = &C::TelUff;
            std::string numero = v;
            if (numero.rfind("tel:", 0) == 0) numero.erase(0, 4);
            if ((s.*campo).empty()) s.*campo = numero;
            else altro.push_back("Tel.: " + numero);
        } else if (n == "EMAIL") {
            if (s.Email.empty()) s.Email = v;
            else altro.push_back("E-mail: " + v);
        } else if (n == "NOTE") {
            AggiungiNota(note, v);
        } else if (n == "TITLE") {
            if (titolo.empty()) titolo = v;
            else altro.push_back("Titolo: " + v);
        } else if (n == "ORG") {
            std::string org;
            for (const auto& c : Componenti(grezzo)) {
                const std::string t = testo::Rifila(c);
                if (t.empty()) continue;
                if (!org.empty()) org += ", ";
                org += t;
            }
            if (organizzazione.empty()) organizzazione = org;
            else altro.push_back("Organizzazione: " + org);
        } else if (n.rfind("X-RICORDARIO-", 0) == 0) {
            bool nostro = false;
            for (const auto& [nome, campo] : kCampiPropri)
                if (n.substr(13) == nome) {
                    s.*campo = v;
                    nostro = true;
                }
            if (!nostro) altro.push_back(n + ": " + v);
        } else if (!v.empty()) {
            altro.push_back(n + ": " + v);
        }
    }
    if (s.Cliente.empty()) s.Cliente = nomeDaN;
    if (testo::Rifila(s.Cliente).empty()) return std::nullopt;
    // TITLE names the occupation; an organisation alone stands for it.
    s.Occupazione = !titolo.empty() ? titolo : organizzazione;
    if (!titolo.empty() && !organizzazione.empty()) altro.push_back("Organizzazione: " + organizzazione);
    for (const auto& a : altro) AggiungiNota(note, a);
    s.Note = note;
    return s;
}

bool Contenibile(const TSchedaContatto& s) {
    for (const auto& c : TSchedaContatto::Campi)
        if (!testo::StaInWindows1252(s.*(c.membro))) return false;
    return true;
}

// What makes two contacts the same: the name, with the first telephone or the e-mail.
// Telephones compare on their digits and "+", names and e-mails with A–Z folded.
struct Chiave {
    std::string nome, telefono, email;
};

std::string Cifre(std::string_view t) {
    std::string r;
    for (char c : t)
        if ((c >= '0' && c <= '9') || c == '+') r += c;
    return r;
}

Chiave ChiaveDi(const TSchedaContatto& s) {
    // As stored: trimmed and cut to the field, so a second import meets what the first wrote.
    const auto Come = [](const std::string& v, std::size_t cap) {
        return testo::MinuscoleAZ(testo::DaArchivio(testo::PerArchivio(v, cap)));
    };
    Chiave k{Come(s.Cliente, 50), {}, Come(s.Email, 50)};
    for (const std::string* t : {&s.TelCasa, &s.TelUff, &s.TelCel, &s.Fax}) {
        const std::string c = Cifre(testo::PerArchivio(*t, 30));
        if (!c.empty()) {
            k.telefono = c;
            break;
        }
    }
    return k;
}

// Names → the phones and e-mails seen with them; a contact is already there when one of
// them matches, or when neither it nor the one there has any.
class Presenti {
public:
    bool Contiene(const Chiave& k) const {
        const auto [da, a] = voci_.equal_range(k.nome);
        for (auto it = da; it != a; ++it) {
            const Chiave& p = it->second;
            if (!k.telefono.empty() && k.telefono == p.telefono) return true;
            if (!k.email.empty() && k.email == p.email) return true;
            if (k.telefono.empty() && k.email.empty() && p.telefono.empty() && p.email.empty())
                return true;
        }
        return false;
    }
    void Aggiungi(Chiave k) {
        std::string nome = k.nome;
        voci_.emplace(std::move(nome), std::move(k));
    }

private:
    std::unordered_multimap<std::string, Chiave> voci_;
};

}  // namespace

void AccodaScheda(std::string& out, const TSchedaContatto& s) {
    out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    const std::string nome = testo::Rifila(s.Cliente);
    Proprieta(out, "FN", nome);
    // The name is one text, surname first; it goes whole into the family name.
    {
        std::string n = "N:";
        AccodaEscape(n, nome);
        n += ";;;;";
        AccodaRiga(out, n);
    }
    const std::string nascita = testo::Rifila(s.DataNasc);
    if (const auto d = DataDaTesto(nascita); d && nascita.size() == 10) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", d->anno, d->mese, d->giorno);
        AccodaRiga(out, std::string("BDAY:") + buf);
    } else if (!nascita.empty()) {
        std::string r = "BDAY;VALUE=text:";
        AccodaEscape(r, nascita);
        AccodaRiga(out, r);
    }
    const std::string via = testo::Rifila(s.IndirizzoRes), comune = testo::Rifila(s.ComuneRes),
                      prov = testo::Rifila(s.ProvRes), cap = testo::Rifila(s.CapRes);
    if (!via.empty() || !comune.empty() || !prov.empty() || !cap.empty()) {
        std::string r = "ADR;TYPE=home:;;";
        for (const std::string* c : {&via, &comune, &prov, &cap}) {
            AccodaEscape(r, *c);
            r += ';';
        }
        AccodaRiga(out, r);  // the country, last, stays empty
    }
    Proprieta(out, "TEL;TYPE=home,voice", testo::Rifila(s.TelCasa));
    Proprieta(out, "TEL;TYPE=work,voice", testo::Rifila(s.TelUff));
    Proprieta(out, "TEL;TYPE=cell", testo::Rifila(s.TelCel));
    Proprieta(out, "TEL;TYPE=fax", testo::Rifila(s.Fax));
    Proprieta(out, "EMAIL", testo::Rifila(s.Email));
    Proprieta(out, "TITLE", testo::Rifila(s.Occupazione));
    Proprieta(out, "NOTE", testo::Rifila(s.Note));
    for (const auto& [nomeCampo, campo] : kCampiPropri)
        Proprieta(out, std::string("X-RICORDARIO-") + nomeCampo, testo::Rifila(s.*campo));
    out += "END:VCARD\r\n";
}

std::size_t EsportaContatti(const std::filesystem::path& archivio, const std::filesystem::path& vcf) {
    std::size_t quante = 0;
    ScriviFileIntero(vcf, [&](FileProvvisorio& f) {
        std::string blocco;
        auto letto = giornale::ApriSenzaScrivere(StratoStandard(), archivio);
        if (letto) {
            TArchivioContatti a;
            a.ApriSu(std::move(letto));
            a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
                AccodaScheda(blocco, s);
                ++quante;
                if (blocco.size() > (1u << 20)) {
                    f.Scrivi(blocco);
                    blocco.clear();
                }
                return true;
            });
            a.Chiudi();
        }
        f.Scrivi(blocco);
    });
    return quante;
}

Lettura Leggi(std::string_view testo) {
    Lettura r;
    // Logical lines: a line starting with a blank or a tab continues the one before.
    std::vector<std::string> righe;
    std::size_t i = 0;
    bool qpAperta = false;  // a quoted-printable value ending in "=" goes on on the next line
    while (i < testo.size()) {
        std::size_t fine = testo.find('\n', i);
        if (fine == std::string_view::npos) fine = testo.size();
        std::string_view riga = testo.substr(i, fine - i);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        i = fine + 1;
        if (!righe.empty() && !riga.empty() && (riga.front() == ' ' || riga.front() == '\t')) {
            righe.back().append(riga.substr(1));
        } else if (qpAperta) {
            righe.back().append(riga);
        } else if (!riga.empty()) {
            righe.emplace_back(riga);
        }
        qpAperta = !righe.empty() && !righe.back().empty() && righe.back().back() == '=' &&
                   righe.back().find("QUOTED-PRINTABLE") != std::string::npos &&
                   righe.back().find(':') != std::string::npos;
        if (qpAperta) righe.back().pop_back();
    }
    std::vector<Linea> carta;
    bool dentro = false, guasta = false;
    for (const std::string& riga : righe) {
        auto l = LeggiLinea(riga);
        if (l && l->nome == "BEGIN" && testo::MaiuscoleAZ(testo::Rifila(l->valore)) == "VCARD") {
            if (dentro) ++r.illeggibili;  // the card before never ended
            dentro = true;
            guasta = false;
            carta.clear();
            continue;
        }
        if (!dentro) continue;
        if (l && l->nome == "END" && testo::MaiuscoleAZ(testo::Rifila(l->valore)) == "VCARD") {
            dentro = false;
            std::optional<TSchedaContatto> s;
            if (!guasta) s = Scheda(carta);
            if (s) r.schede.push_back(std::move(*s));
            else ++r.illeggibili;
            continue;
        }
        if (!l || !Utf8Valido(riga)) {
            guasta = true;
            continue;
        }
        carta.push_back(std::move(*l));
    }
    if (dentro) ++r.illeggibili;
    return r;
}

EsitoImportazione ImportaContatti(std::string_view testo, const std::filesystem::path& archivio) {
    Lettura letti = Leggi(testo);
    EsitoImportazione esito;
    esito.illeggibili = letti.illeggibili;
    TArchivioContatti a;
    a.Apri(archivio);
    Presenti presenti;
    a.ScorriTutte([&](std::int64_t, const VistaScheda<TSchedaContatto>& v) {
        TSchedaContatto s;
        s.Cliente = v.Testo(&C::Cliente);
        s.Email = v.Testo(&C::Email);
        s.TelCasa = v.Testo(&C::TelCasa);
        s.TelUff = v.Testo(&C::TelUff);
        s.TelCel = v.Testo(&C::TelCel);
        s.Fax = v.Testo(&C::Fax);
        presenti.Aggiungi(ChiaveDi(s));
        return true;
    });
    std::vector<TSchedaContatto> nuove;
    for (TSchedaContatto& s : letti.schede) {
        if (!Contenibile(s)) {
            ++esito.rifiutate;
            continue;
        }
        Chiave k = ChiaveDi(s);
        if (presenti.Contiene(k)) {
            ++esito.saltate;
            continue;
        }
        presenti.Aggiungi(std::move(k));
        if (s.Ricontatta.empty()) s.Ricontatta = flag::Da(false);
        nuove.push_back(std::move(s));
    }
    a.AccodaSchede(nuove);
    a.Chiudi();
    esito.aggiunte = nuove.size();
    return esito;
}

EsitoImportazione ImportaFile(const std::filesystem::path& vcf, const std::filesystem::path& archivio) {
    return ImportaContatti(interscambio::LeggiFile(vcf), archivio);
}

std::string Riepilogo(const EsitoImportazione& e) {
    return interscambio::Riepilogo(
        {{"Contatti aggiunti", e.aggiunte},
         {"Contatti già presenti, non aggiunti", e.saltate},
         {"Schede illeggibili", e.illeggibili},
         {"Schede rifiutate perché contengono caratteri che l'archivio non può conservare?",
          e.rifiutate}});
}

}  // namespace vcard
