#include "core/interchange/VCard.h"

#include <algorithm>
#include <array>
#include <functional>
#include <unordered_map>
#include <utility>

#include "core/archive/FileIntero.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/interchange/Interscambio.h"
#include "core/interchange/RigheContenuto.h"
#include "core/text/DataOra.h"
#include "core/text/Testo.h"

namespace vcard {
namespace {

using C = TSchedaContatto;

// Our fields with no vCard property of their own, carried as X-RICORDARIO-<field>. The
// attachments stay out: their files live in our attachments folder only.
constexpr std::string_view kPrefissoNostri = "X-RICORDARIO-";
struct CampoNostro {
    std::string_view proprieta;  // the whole property name
    std::string C::*campo;
};
constexpr std::array<CampoNostro, 17> kCampiPropri = {{
    {"X-RICORDARIO-COMUNENASC", &C::ComuneNasc}, {"X-RICORDARIO-PROVNASC", &C::ProvNasc},
    {"X-RICORDARIO-SESSO", &C::Sesso},           {"X-RICORDARIO-RECAPITO", &C::Recapito},
    {"X-RICORDARIO-ESTREMI", &C::Estremi},       {"X-RICORDARIO-CODFISC", &C::CodFisc},
    {"X-RICORDARIO-CARTA", &C::Carta},           {"X-RICORDARIO-SCADECARTA", &C::ScadeCarta},
    {"X-RICORDARIO-PARTITAIVA", &C::PartitaIva}, {"X-RICORDARIO-IBAN", &C::Iban},
    {"X-RICORDARIO-DOCUMENTO", &C::Documento},   {"X-RICORDARIO-CIVILE", &C::Civile},
    {"X-RICORDARIO-TITOLI", &C::Titoli},         {"X-RICORDARIO-PRODOTTI", &C::Prodotti},
    {"X-RICORDARIO-ZONA", &C::Zona},             {"X-RICORDARIO-QUESTIONI", &C::Questioni},
    {"X-RICORDARIO-RICONTATTA", &C::Ricontatta},
}};

// ---- Writing ----------------------------------------------------------------------------

// A text value: backslash, comma, semicolon and line breaks escaped (a CR LF pair or a lone
// CR is one line break).
void AccodaEscape(std::string& out, std::string_view v) {
    std::size_t inizio = 0;  // the plain run not yet appended begins here
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c != '\\' && c != ',' && c != ';' && c != '\r' && c != '\n') continue;
        out.append(v.data() + inizio, i - inizio);
        switch (c) {
            case '\r':
                if (i + 1 < v.size() && v[i + 1] == '\n') ++i;
                out += "\\n";
                break;
            case '\n': out += "\\n"; break;
            default:
                out += '\\';
                out += c;
        }
        inizio = i + 1;
    }
    out.append(v.data() + inizio, v.size() - inizio);
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

// A property whose value is a text; nothing when the text is blank. `riga` is the caller's
// scratch line, kept between calls so that a card costs no allocation per property.
void Proprieta(std::string& out, std::string& riga, std::string_view nome, std::string_view valore) {
    valore = testo::RifilaVista(valore);
    if (valore.empty()) return;
    riga.assign(nome);
    riga += ':';
    AccodaEscape(riga, valore);
    AccodaRiga(out, riga);
}

// ---- Reading ----------------------------------------------------------------------------

using interscambio::IniziaCon;
using interscambio::RigaContenuto;
using interscambio::Uguale;

// True when one of the line's types is `tipo`: "TYPE=home,voice", "TYPE=HOME;TYPE=VOICE",
// or vCard 2.1's bare "HOME;VOICE".
bool HaTipo(std::string_view parametri, std::string_view tipo) {
    bool si = false;
    interscambio::PerOgniParametro(parametri, [&](std::string_view n, std::string_view v) {
        if (v.empty()) v = n;
        else if (!Uguale(n, "TYPE")) return;
        interscambio::PerOgniPezzo(v, ',', [&](std::string_view t) {
            if (!t.empty() && t.front() == '"') t.remove_prefix(1);
            if (!t.empty() && t.back() == '"') t.remove_suffix(1);
            si = si || Uguale(t, tipo);
        });
    });
    return si;
}

std::string SenzaEscape(std::string_view v) {
    std::string r;
    interscambio::AccodaSenzaEscape(r, v);
    return r;
}

// The components of a structured value (N, ADR, ORG), split at unescaped semicolons,
// escapes undone and trimmed.
std::vector<std::string> Componenti(std::string_view v) {
    std::vector<std::string> c;
    interscambio::PerOgniPezzo(v, ';', [&](std::string_view p) {
        c.push_back(testo::Rifila(SenzaEscape(p)));
    });
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

bool QuotedPrintable(std::string_view parametri) {
    bool si = false;
    interscambio::PerOgniParametro(parametri, [&](std::string_view n, std::string_view v) {
        si = si || (Uguale(n, "ENCODING") && Uguale(v, "QUOTED-PRINTABLE")) ||
             (v.empty() && Uguale(n, "QUOTED-PRINTABLE"));
    });
    return si;
}

// "19800315", "1980-03-15" → "15/03/1980"; any other text as it is (the field is free text).
std::string DataNascita(std::string_view v) {
    std::string cifre;
    for (char c : v)
        if (c != '-') cifre += c;
    if (cifre.size() == 8 && testo::SoloCifre(cifre)) {
        const Data d{std::stoi(cifre.substr(6, 2)), std::stoi(cifre.substr(4, 2)),
                     std::stoi(cifre.substr(0, 4))};
        if (DataValida(d)) return TestoData(d);
    }
    return std::string(v);
}

void AggiungiNota(std::string& note, std::string_view riga) {
    if (riga.empty()) return;
    if (!note.empty()) note += '\n';
    note += riga;
}

// The properties a card is read by, looked up by their name in upper case.
enum class Tipo { Cornice, Fn, N, Bday, Adr, Tel, Email, Nota, Titolo, Org, Nostro };
struct NomeNoto {
    std::string_view nome;
    Tipo tipo;
    std::string C::*campo;  // Nostro: the field it fills
};

const NomeNoto* Cerca(std::string_view nome) {
    static const std::vector<NomeNoto> noti = [] {
        // The card's frame, and pictures and keys no text field can hold, are left out.
        std::vector<NomeNoto> v = {
            {"FN", Tipo::Fn, nullptr},         {"N", Tipo::N, nullptr},
            {"BDAY", Tipo::Bday, nullptr},     {"ADR", Tipo::Adr, nullptr},
            {"TEL", Tipo::Tel, nullptr},       {"EMAIL", Tipo::Email, nullptr},
            {"NOTE", Tipo::Nota, nullptr},     {"TITLE", Tipo::Titolo, nullptr},
            {"ORG", Tipo::Org, nullptr},
        };
        for (std::string_view c : {"BEGIN", "END", "VERSION", "PRODID", "UID", "REV", "PHOTO",
                                   "LOGO", "SOUND", "KEY", "CLIENTPIDMAP", "KIND"})
            v.push_back({c, Tipo::Cornice, nullptr});
        for (const auto& [proprieta, campo] : kCampiPropri) v.push_back({proprieta, Tipo::Nostro, campo});
        std::sort(v.begin(), v.end(), [](const NomeNoto& a, const NomeNoto& b) { return a.nome < b.nome; });
        return v;
    }();
    char maiuscolo[32];
    if (nome.size() > sizeof maiuscolo) return nullptr;
    for (std::size_t i = 0; i < nome.size(); ++i)
        maiuscolo[i] = (nome[i] >= 'a' && nome[i] <= 'z') ? static_cast<char>(nome[i] - 32) : nome[i];
    const std::string_view chiave(maiuscolo, nome.size());
    const auto it = std::lower_bound(noti.begin(), noti.end(), chiave,
                                     [](const NomeNoto& a, std::string_view b) { return a.nome < b; });
    return it != noti.end() && it->nome == chiave ? &*it : nullptr;
}

// One card as its lines come: the contact so far and what goes into it at the end.
struct Carta {
    TSchedaContatto s;
    std::string nomeDaN, organizzazione, titolo, note;
    std::vector<std::string> altro;  // "NAME: value" lines for the notes
    bool indirizzo = false;
    bool guasta = false;  // a line that does not parse or is not UTF-8 text

    void Altro(std::string_view nome, std::string_view v) {
        std::string r(nome);
        r += ": ";
        r += v;
        altro.push_back(std::move(r));
    }

    // Ready for the next card. The texts keep their room: a file of many cards is read
    // without allocating for each.
    void Azzera() {
        for (const auto& c : C::Campi) (s.*(c.membro)).clear();
        nomeDaN.clear();
        organizzazione.clear();
        titolo.clear();
        note.clear();
        altro.clear();
        indirizzo = guasta = false;
    }

    // One property line. `valore` is a scratch buffer of the caller's.
    void Aggiungi(const RigaContenuto& l, std::string& valore) {
        const std::string_view n = l.nome;
        std::string_view grezzo = l.valore;
        std::string qp;
        if (!l.parametri.empty() && QuotedPrintable(l.parametri)) {
            qp = DaQuotedPrintable(grezzo);
            grezzo = qp;
        }
        valore.clear();
        interscambio::AccodaSenzaEscape(valore, grezzo);
        const std::string_view v = testo::RifilaVista(valore);
        const NomeNoto* noto = Cerca(n);
        if (!noto) {
            if (!v.empty()) Altro(testo::MaiuscoleAZ(n), v);
            return;
        }
        switch (noto->tipo) {
            case Tipo::Cornice: break;
            case Tipo::Nostro: s.*(noto->campo) = v; break;
            case Tipo::Tel: {
                std::string C::*campo = &C::TelCasa;
                if (HaTipo(l.parametri, "fax")) campo = &C::Fax;
                else if (HaTipo(l.parametri, "cell")) campo = &C::TelCel;
                else if (HaTipo(l.parametri, "work")) campo = &C::TelUff;
                std::string_view numero = v;
                if (IniziaCon(numero, "tel:")) numero.remove_prefix(4);
                if ((s.*campo).empty()) s.*campo = numero;
                else Altro("Tel.", numero);
                break;
            }
            case Tipo::Fn:
                if (s.Cliente.empty()) s.Cliente = v;
                break;
            case Tipo::N: {
                // Family name first, as the card writes a name ("Rossi Mario").
                const auto c = Componenti(grezzo);
                nomeDaN.clear();
                for (std::size_t i = 0; i < 3 && i < c.size(); ++i) {
                    if (c[i].empty()) continue;
                    if (!nomeDaN.empty()) nomeDaN += ' ';
                    nomeDaN += c[i];
                }
                break;
            }
            case Tipo::Email:
                if (s.Email.empty()) s.Email = v;
                else Altro("E-mail", v);
                break;
            case Tipo::Adr: {
                if (indirizzo) {  // only the first has fields; the others go to the notes
                    if (!v.empty()) Altro("ADR", v);
                    break;
                }
                indirizzo = true;
                auto c = Componenti(grezzo);
                c.resize(7);
                // PO box, extended address, street, locality, region, postcode, country.
                std::string via = c[2];
                if (!c[1].empty()) via += (via.empty() ? "" : " ") + c[1];
                s.IndirizzoRes = via;
                s.ComuneRes = c[3];
                if (testo::Lunghezza(c[4]) <= 2) s.ProvRes = c[4];
                else Altro("Provincia", c[4]);
                if (testo::Lunghezza(c[5]) <= 5) s.CapRes = c[5];
                else Altro("CAP", c[5]);
                if (!c[0].empty()) Altro("Casella postale", c[0]);
                if (!c[6].empty()) Altro("Paese", c[6]);
                break;
            }
            case Tipo::Bday: s.DataNasc = DataNascita(v); break;
            case Tipo::Nota: AggiungiNota(note, v); break;
            case Tipo::Titolo:
                if (titolo.empty()) titolo = v;
                else Altro("Titolo", v);
                break;
            case Tipo::Org: {
                std::string org;
                for (const auto& c : Componenti(grezzo)) {
                    if (c.empty()) continue;
                    if (!org.empty()) org += ", ";
                    org += c;
                }
                if (organizzazione.empty()) organizzazione = org;
                else Altro("Organizzazione", org);
                break;
            }
        }
    }

    // Completes the contact in `s`; false when it has no name.
    bool Chiudi() {
        if (s.Cliente.empty()) s.Cliente = nomeDaN;
        if (testo::RifilaVista(s.Cliente).empty()) return false;
        // TITLE names the occupation; an organisation alone stands for it.
        s.Occupazione = !titolo.empty() ? titolo : organizzazione;
        if (!titolo.empty() && !organizzazione.empty()) Altro("Organizzazione", organizzazione);
        for (const auto& a : altro) AggiungiNota(note, a);
        s.Note = note;
        return true;
    }
};

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

// From the record as stored (trimmed, cut to its field), so that the contacts of a file
// meet those already in the archive and those a first import of the same file wrote.
Chiave ChiaveDi(const VistaScheda<C>& v) {
    const auto Minuscolo = [&](std::string C::*campo) {
        return testo::MinuscoleAZ(testo::RifilaVista(v.Byte(campo)));
    };
    Chiave k{Minuscolo(&C::Cliente), {}, Minuscolo(&C::Email)};
    for (std::string C::*t : {&C::TelCasa, &C::TelUff, &C::TelCel, &C::Fax}) {
        k.telefono = Cifre(v.Byte(t));
        if (!k.telefono.empty()) break;
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
    thread_local std::string riga;
    const std::string_view nome = testo::RifilaVista(s.Cliente);
    Proprieta(out, riga, "FN", nome);
    // The name is one text, surname first; it goes whole into the family name.
    riga.assign("N:");
    AccodaEscape(riga, nome);
    riga += ";;;;";
    AccodaRiga(out, riga);
    const std::string_view nascita = testo::RifilaVista(s.DataNasc);
    if (const auto d = DataDaTesto(nascita); d && nascita.size() == 10) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "BDAY:%04d%02d%02d", d->anno, d->mese, d->giorno);
        AccodaRiga(out, buf);
    } else {
        Proprieta(out, riga, "BDAY;VALUE=text", nascita);
    }
    const std::string_view via = testo::RifilaVista(s.IndirizzoRes), comune = testo::RifilaVista(s.ComuneRes),
                           prov = testo::RifilaVista(s.ProvRes), cap = testo::RifilaVista(s.CapRes);
    if (!via.empty() || !comune.empty() || !prov.empty() || !cap.empty()) {
        riga.assign("ADR;TYPE=home:;;");
        for (const std::string_view c : {via, comune, prov, cap}) {
            AccodaEscape(riga, c);
            riga += ';';
        }
        AccodaRiga(out, riga);  // the country, last, stays empty
    }
    Proprieta(out, riga, "TEL;TYPE=home,voice", s.TelCasa);
    Proprieta(out, riga, "TEL;TYPE=work,voice", s.TelUff);
    Proprieta(out, riga, "TEL;TYPE=cell", s.TelCel);
    Proprieta(out, riga, "TEL;TYPE=fax", s.Fax);
    Proprieta(out, riga, "EMAIL", s.Email);
    Proprieta(out, riga, "TITLE", s.Occupazione);
    Proprieta(out, riga, "NOTE", s.Note);
    for (const auto& [proprieta, campo] : kCampiPropri) Proprieta(out, riga, proprieta, s.*campo);
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

std::size_t LeggiSchede(std::string_view testo, const std::function<void(TSchedaContatto&)>& scheda) {
    std::size_t illeggibili = 0;
    interscambio::LettoreRighe righe(testo, /*quotedPrintable=*/true);
    RigaContenuto l;
    Carta carta;
    bool dentro = false;
    std::string valore;
    const auto Cornice = [&](std::string_view nome) {
        return l.valida && Uguale(l.nome, nome) && Uguale(testo::RifilaVista(l.valore), "VCARD");
    };
    while (righe.Prossima(l)) {
        if (Cornice("BEGIN")) {
            if (dentro) ++illeggibili;  // the card before never ended
            dentro = true;
            carta.Azzera();
            continue;
        }
        if (!dentro) continue;
        if (Cornice("END")) {
            dentro = false;
            if (!carta.guasta && carta.Chiudi()) scheda(carta.s);
            else ++illeggibili;
            continue;
        }
        if (!l.valida || !interscambio::Utf8Valido(l.intera)) carta.guasta = true;
        if (!carta.guasta) carta.Aggiungi(l, valore);
    }
    if (dentro) ++illeggibili;
    return illeggibili;
}

Lettura Leggi(std::string_view testo) {
    Lettura r;
    r.illeggibili = LeggiSchede(testo, [&](TSchedaContatto& s) { r.schede.push_back(std::move(s)); });
    return r;
}

EsitoImportazione ImportaContatti(std::string_view testo, const std::filesystem::path& archivio) {
    // The cards are read and stored as records before the archive is opened: another
    // program waits for the archive only while the new records are written.
    EsitoImportazione esito;
    SchedeMemorizzate<C> lette;
    esito.illeggibili = LeggiSchede(testo, [&](TSchedaContatto& s) {
        if (!SchedaContenibile(s)) {
            ++esito.rifiutate;
            return;
        }
        if (s.Ricontatta.empty()) s.Ricontatta = flag::Da(false);
        lette.Aggiungi(s);
    });
    TArchivioContatti a;
    a.Apri(archivio);
    Presenti presenti;
    a.ScorriTutte([&](std::int64_t, const VistaScheda<C>& v) {
        presenti.Aggiungi(ChiaveDi(v));
        return true;
    });
    lette.Tieni([&](const VistaScheda<C>& v) {
        Chiave k = ChiaveDi(v);
        if (presenti.Contiene(k)) {
            ++esito.saltate;
            return false;
        }
        presenti.Aggiungi(std::move(k));
        return true;
    });
    a.AccodaSchede(lette);
    a.Chiudi();
    esito.aggiunte = lette.size();
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
