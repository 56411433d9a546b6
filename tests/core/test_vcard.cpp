// Contacts to and from vCard: escaping and folding, the 3.0 cards phones write, fields we
// keep in the notes, repeated imports and text the archive cannot hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/FileIntero.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/interchange/VCard.h"

namespace {

std::vector<std::string> Righe(const std::string& t) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t f = t.find("\r\n", i);
        r.push_back(t.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

std::vector<TSchedaContatto> Archivio(const std::filesystem::path& p) {
    TArchivioContatti a;
    a.Apri(p);
    std::vector<TSchedaContatto> v;
    a.LeggiTutte([&](std::int64_t, const TSchedaContatto& s) {
        v.push_back(s);
        return true;
    });
    return v;
}

TEST(VCard, EscapesAndFoldsAt75OctetsWithoutSplittingACharacter) {
    TSchedaContatto s = prova::Contatto("Rossi, Mario; \\ detto \"il Rosso\"");
    // 240 bytes of two-byte letters: every fold falls where a character could be cut.
    s.Note = "Prima riga\nseconda; ";
    for (int i = 0; i < 110; ++i) s.Note += "\xC3\xA8";
    std::string t;
    vcard::AccodaScheda(t, s);
    bool fn = false;
    for (const std::string& r : Righe(t)) {
        EXPECT_LE(r.size(), 75u) << r;
        // A continuation line never starts in the middle of a character.
        if (!r.empty() && r[0] == ' ' && r.size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(r[1]) & 0xC0, 0x80) << r;
        }
        if (r.rfind("FN:", 0) == 0) {
            fn = true;
            EXPECT_EQ(r, "FN:Rossi\\, Mario\\; \\\\ detto \"il Rosso\"");
        }
    }
    EXPECT_TRUE(fn);
    EXPECT_NE(t.find("NOTE:Prima riga\\nseconda\\; \xC3\xA8"), std::string::npos);
    // Unfolded and unescaped, both texts come back whole.
    const auto letti = vcard::Leggi(t);
    ASSERT_EQ(letti.schede.size(), 1u);
    EXPECT_EQ(letti.schede[0].Cliente, s.Cliente);
    EXPECT_EQ(letti.schede[0].Note, s.Note);
}

TEST(VCard, EveryFieldWeKeepComesBackFromOurOwnFile) {
    TSchedaContatto s = prova::ContattoPieno("Verdi");
    s.DataNasc = "15/03/1980";
    s.CapRes = "40100";
    for (auto* f : {&s.File01, &s.File02, &s.File03, &s.Desc01, &s.Desc02, &s.Desc03}) f->clear();
    std::string t;
    vcard::AccodaScheda(t, s);
    EXPECT_NE(t.find("\r\nBDAY:19800315\r\n"), std::string::npos);
    EXPECT_NE(t.find("\r\nADR;TYPE=home:;;Verdi IndirizzoRes;Verdi ComuneRes;BO;40100;\r\n"),
              std::string::npos);
    const auto letti = vcard::Leggi(t);
    ASSERT_EQ(letti.schede.size(), 1u);
    const TSchedaContatto& r = letti.schede[0];
    for (const auto& c : TSchedaContatto::Campi) EXPECT_EQ(r.*(c.membro), s.*(c.membro)) << c.nome;
}

TEST(VCard, AVersion3CardFromAPhoneMapsItsTelephonesByType) {
    const std::string carta =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bianchi;Anna;Maria;;\r\nFN:Anna Bianchi\r\n"
        "TEL;TYPE=HOME,VOICE:06 1111\r\nTEL;TYPE=WORK:06 2222\r\nTEL;type=CELL;type=pref:333 3333\r\n"
        "TEL;TYPE=WORK,FAX:06 4444\r\nTEL;TYPE=CELL:333 5555\r\n"
        "item1.EMAIL;TYPE=INTERNET:anna@example.org\r\nBDAY:1975-12-01\r\n"
        "ADR;TYPE=HOME:;Scala B;Via Po 3;Torino;TO;10100;Italia\r\n"
        "ORG:ACME S.p.A.;Vendite\r\nTITLE:Direttrice\r\nNOTE:Cliente storica\r\nEND:VCARD\r\n"
        // vCard 2.1 writes bare types and quoted-printable text.
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:N=C3=A8ri;Ugo\n"
        "TEL;CELL;PREF:+39 347 1\nEND:VCARD\n";
    const auto letti = vcard::Leggi(carta);
    ASSERT_EQ(letti.schede.size(), 2u);
    const TSchedaContatto& a = letti.schede[0];
    EXPECT_EQ(a.Cliente, "Anna Bianchi");
    EXPECT_EQ(a.TelCasa, "06 1111");
    EXPECT_EQ(a.TelUff, "06 2222");
    EXPECT_EQ(a.TelCel, "333 3333");
    EXPECT_EQ(a.Fax, "06 4444");
    EXPECT_EQ(a.Email, "anna@example.org");
    EXPECT_EQ(a.DataNasc, "01/12/1975");
    EXPECT_EQ(a.IndirizzoRes, "Via Po 3 Scala B");
    EXPECT_EQ(a.ComuneRes, "Torino");
    EXPECT_EQ(a.ProvRes, "TO");
    EXPECT_EQ(a.CapRes, "10100");
    EXPECT_EQ(a.Occupazione, "Direttrice");
    // What has no field of its own is in the notes, in card order, after the card's own note.
    EXPECT_EQ(a.Note,
              "Cliente storica\nTel.: 333 5555\nPaese: Italia\nOrganizzazione: ACME S.p.A., Vendite");
    EXPECT_EQ(letti.schede[1].Cliente, "N\xC3\xA8ri Ugo");
    EXPECT_EQ(letti.schede[1].TelCel, "+39 347 1");
}

TEST(VCard, PropertiesWithNoFieldGoToTheNotesAndCardsWithoutANameAreUnreadable) {
    const std::string t =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Neri Ugo\r\nURL:https://example.org/ugo\r\n"
        "NICKNAME:Ughetto\r\nX-SKYPE:ugo.neri\r\nPHOTO:data:image/png;base64,AAAA\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nEMAIL:nessuno@example.org\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Senza fine\r\n";
    const auto letti = vcard::Leggi(t);
    ASSERT_EQ(letti.schede.size(), 1u);
    EXPECT_EQ(letti.schede[0].Note, "URL: https://example.org/ugo\nNICKNAME: Ughetto\nX-SKYPE: ugo.neri");
    EXPECT_EQ(letti.illeggibili, 2u);
}

TEST(VCard, ImportAppendsSkipsWhatIsThereAndRefusesWhatTheArchiveCannotHold) {
    CartellaTemporanea dir;
    const auto archivio = TArchivioContatti::Percorso(dir.percorso());
    {
        TArchivioContatti a;
        a.Apri(archivio);
        TSchedaContatto gia = prova::Contatto("Rossi Mario");
        gia.TelCasa = "06-123 456";
        a.AccodaScheda(gia);
    }
    const std::string t =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:rossi mario\r\nTEL:06 123456\r\nEND:VCARD\r\n"   // there
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Rossi Mario\r\nTEL:06 999\r\nEND:VCARD\r\n"      // another
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Wa\xC5\x82\xC4\x99sa Lech\r\nEND:VCARD\r\n"      // no 1252
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Caf\xC3\xA8 \xE2\x82\xAC\r\nEND:VCARD\r\n"       // holdable
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bad \xFF\r\nEND:VCARD\r\n";                      // not UTF-8
    const auto e = vcard::ImportaContatti(t, archivio);
    EXPECT_EQ(e.aggiunte, 2u);
    EXPECT_EQ(e.saltate, 1u);
    EXPECT_EQ(e.rifiutate, 1u);
    EXPECT_EQ(e.illeggibili, 1u);
    const auto v = Archivio(archivio);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[1].TelCasa, "06 999");
    EXPECT_EQ(v[2].Cliente, "Caf\xC3\xA8 \xE2\x82\xAC");
    for (const auto& s : v) EXPECT_EQ(s.Cliente.find('?'), std::string::npos);
    // The same file again adds nothing.
    const auto ancora = vcard::ImportaContatti(t, archivio);
    EXPECT_EQ(ancora.aggiunte, 0u);
    EXPECT_EQ(ancora.saltate, 3u);
    EXPECT_EQ(Archivio(archivio).size(), 3u);
    EXPECT_EQ(vcard::Riepilogo(e),
              "Importazione completata.\n\nContatti aggiunti: 2\nContatti già presenti, non "
              "aggiunti: 1\nSchede illeggibili: 1\nSchede rifiutate perché contengono caratteri "
              "che l'archivio non può conservare: 1");
}

TEST(VCard, ExportWritesEveryContactAndReadsBackIntoAnEmptyArchive) {
    CartellaTemporanea dir;
    const auto archivio = TArchivioContatti::Percorso(dir.percorso());
    {
        TArchivioContatti a;
        a.Apri(archivio);
        a.AccodaScheda(prova::Contatto("Uno", "Roma", "nota, con virgola"));
        a.AccodaScheda(prova::Contatto("Due"));
    }
    const auto vcf = dir / vcard::NomeFile;
    EXPECT_EQ(vcard::EsportaContatti(archivio, vcf), 2u);
    CartellaTemporanea altra;
    const auto nuovo = TArchivioContatti::Percorso(altra.percorso());
    const auto e = vcard::ImportaFile(vcf, nuovo);
    EXPECT_EQ(e.aggiunte, 2u);
    const auto v = Archivio(nuovo);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].ComuneRes, "Roma");
    EXPECT_EQ(v[0].Note, "nota, con virgola");
    // A missing archive exports an empty file and creates nothing.
    CartellaTemporanea vuota;
    EXPECT_EQ(vcard::EsportaContatti(TArchivioContatti::Percorso(vuota.percorso()), vuota / "x.vcf"), 0u);
    EXPECT_FALSE(std::filesystem::exists(TArchivioContatti::Percorso(vuota.percorso())));
    // A folder standing at the file's path fails and stays.
    std::filesystem::create_directory(altra / "Contatti.vcf");
    EXPECT_THROW(vcard::EsportaContatti(archivio, altra / "Contatti.vcf"), ErroreAccessoArchivio);
    EXPECT_TRUE(std::filesystem::is_directory(altra / "Contatti.vcf"));
}

}  // namespace
