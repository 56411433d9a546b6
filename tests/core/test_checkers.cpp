#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/checkers/CartaCredito.h"
#include "core/checkers/CodiceFiscale.h"
#include "core/checkers/Iban.h"
#include "core/checkers/PartitaIva.h"

using namespace controlli;

namespace {

struct Caso {
    const char* campo;
    Esito esito;
    std::string testo;  // the message expected, exactly
};

// What every checker shows: VALIDO in an information box, every other outcome in a
// warning; only a wrong length (or an empty field) keeps the window open.
void Verifica(const EsitoControllo& r, const Caso& c) {
    SCOPED_TRACE(std::string("campo: \"") + c.campo + "\"");
    EXPECT_EQ(r.esito, c.esito);
    EXPECT_EQ(r.testo, c.testo);
    EXPECT_EQ(r.riquadro, c.esito == Esito::Valido ? Riquadro::AvvisoInformazione
                                                   : Riquadro::AvvisoAvvertimento);
    EXPECT_EQ(r.ChiudeFinestra(), c.esito != Esito::Incompleto);
}

}  // namespace

// --- codice fiscale ---------------------------------------------------------------------

TEST(CodiceFiscale, ControllaTable) {
    const std::string lunghezza = testi::CodFiscLunghezza;
    const std::string valido = testi::CodFiscValido;
    const std::string errato = testi::CodFiscErrato;
    EXPECT_EQ(lunghezza,
              "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
    EXPECT_EQ(valido, "Il codice fiscale digitato è VALIDO.");
    EXPECT_EQ(errato, "Attenzione: il codice fiscale digitato è ERRATO.");

    const Caso casi[] = {
        {"RSSMRA80A01H501U", Esito::Valido, valido},
        {"MRTMTT25D09F205Z", Esito::Valido, valido},
        {"rssmra80a01h501u", Esito::Valido, valido},  // lower case, check letter included
        {"RsSmRa80A01h501U", Esito::Valido, valido},
        // Omocodia: digits replaced by letters, check letter computed on the letters.
        {"RSSMRA80A01H50MM", Esito::Valido, valido},
        {"RSSMRA80A01HRLMS", Esito::Valido, valido},
        // The seven signs between 9 and A count nothing in either position kind.
        {"RSSMRA80:01H501T", Esito::Valido, valido},
        {"RSSMRA80A01H50:U", Esito::Valido, valido},
        // Last letter changed.
        {"RSSMRA80A01H501V", Esito::Errato, errato},
        {"RSSMRA80A01H50MU", Esito::Errato, errato},  // omocodia without recomputing
        // Sixteen characters, one outside 0–Z where ':' would fit: never VALIDO.
        {"RSSMRA80 01H501T", Esito::Errato, errato},
        {"RSSMRA80-01H501T", Esito::Errato, errato},
        {"RSSMRA80[01H501T", Esito::Errato, errato},
        {"RSSMRA80À01H501T", Esito::Errato, errato},  // 16 characters, 17 bytes
        {"RSSMRA80A01H501ù", Esito::Errato, errato},
        // Wrong lengths: the field is not trimmed.
        {"RSSMRA80A01H501", Esito::Incompleto, lunghezza},
        {"RSSMRA80A01H501UX", Esito::Incompleto, lunghezza},
        {"RSSMRA80A01H501U ", Esito::Incompleto, lunghezza},
        {"", Esito::Incompleto, lunghezza},
    };
    for (const auto& c : casi) Verifica(ControllaCodiceFiscale(c.campo), c);
}

TEST(CodiceFiscale, CheckLetterNeedsFifteenCharactersFromZeroToZ) {
    EXPECT_EQ(CarattereControlloCodiceFiscale("RSSMRA80A01H501"), 'U');
    EXPECT_EQ(CarattereControlloCodiceFiscale("RSSMRA80A01H50"), std::nullopt);
    EXPECT_EQ(CarattereControlloCodiceFiscale("rssmra80a01h501"), std::nullopt);
    EXPECT_EQ(CarattereControlloCodiceFiscale("RSSMRA80A01H50/"), std::nullopt);
}

TEST(CodiceFiscale, DigitsOnlyFieldGoesToPartitaIva) {
    EXPECT_TRUE(CodiceFiscaleNumerico("01234560157"));
    EXPECT_TRUE(CodiceFiscaleNumerico("  01234560157 "));
    EXPECT_FALSE(CodiceFiscaleNumerico(""));
    EXPECT_FALSE(CodiceFiscaleNumerico("   "));
    EXPECT_FALSE(CodiceFiscaleNumerico("0123 4560157"));
    EXPECT_FALSE(CodiceFiscaleNumerico("RSSMRA80A01H501U"));
}

// --- partita IVA ------------------------------------------------------------------------

TEST(PartitaIva, ControllaTable) {
    const std::string lunghezza = testi::PartitaIvaLunghezza;
    const std::string errata = testi::PartitaIvaErrata;
    EXPECT_EQ(lunghezza,
              "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
    EXPECT_EQ(errata,
              "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
              "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
              "rilasciato.");
    const auto valida = [](const std::string& ufficio) {
        return "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
               "E' stato rilasciato dall'Ufficio IVA del Comune di " +
               ufficio + ".";
    };
    const auto sconosciuto = [](const std::string& codice) {
        return "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
               "Non è però possibile indicare l'Ufficio IVA che lo ha rilasciato: il codice "
               "d'ufficio " +
               codice + " non corrisponde a nessun ufficio conosciuto.";
    };

    const Caso casi[] = {
        {"01234560157", Esito::Valido, valida("Milano 1")},
        {"01234560967", Esito::Valido, valida("Monza (Milano 2)")},
        {"01234561205", Esito::Valido, valida("Bologna 2")},
        {"01234561213", Esito::Valido, valida("Napoli 2")},
        {"01234560405", Esito::Valido, valida("Forlì")},
        {"00159560366", Esito::Valido, valida("Modena")},
        // Correct check digit, office not in the table: a sentence, not an empty name.
        {"01234561056", Esito::Valido, sconosciuto("105")},
        {"01234560009", Esito::Valido, sconosciuto("000")},
        // Last digit changed.
        {"01234560158", Esito::Errato, errata},
        {"01234561204", Esito::Errato, errata},
        // Eleven characters that are not all digits.
        {"0123456015A", Esito::Errato, errata},
        {"0123456 157", Esito::Errato, errata},
        {"0123456015è", Esito::Errato, errata},  // 11 characters, 12 bytes
        // Wrong lengths: the field is not trimmed.
        {"0123456015", Esito::Incompleto, lunghezza},
        {"012345601570", Esito::Incompleto, lunghezza},
        {"01234560157 ", Esito::Incompleto, lunghezza},
        {"", Esito::Incompleto, lunghezza},
    };
    for (const auto& c : casi) Verifica(ControllaPartitaIva(c.campo), c);
}

TEST(PartitaIva, DetailNamesTheOfficeOnlyWhenKnown) {
    EXPECT_EQ(ControllaPartitaIva("01234560405").dettaglio, "Forlì");
    EXPECT_EQ(ControllaPartitaIva("01234561056").dettaglio, "");
    EXPECT_EQ(ControllaPartitaIva("01234560158").dettaglio, "");
}

TEST(PartitaIva, CheckDigitDoublesEvenPositionsAndAddsTheirDigits) {
    // 7 in an even position counts 1 + 4 = 5, so the check digit is 10 - 5.
    EXPECT_EQ(CifraControlloPartitaIva("0700000000"), 5);
    EXPECT_EQ(CifraControlloPartitaIva("0000000000"), 0);
    EXPECT_EQ(CifraControlloPartitaIva("1234567890"), 3);
    EXPECT_EQ(CifraControlloPartitaIva("123456789"), std::nullopt);
    EXPECT_EQ(CifraControlloPartitaIva("12345678X0"), std::nullopt);
}

TEST(PartitaIva, OfficeTableHasEveryCodeOnceAndNoneFrom103To119) {
    EXPECT_EQ(UfficiIva.size(), 104u);
    std::set<std::string_view> codici;
    for (const auto& u : UfficiIva) {
        EXPECT_EQ(u.codice.size(), 3u);
        EXPECT_FALSE(u.nome.empty()) << u.codice;
        EXPECT_TRUE(codici.insert(u.codice).second) << "twice: " << u.codice;
    }
    for (int n = 1; n <= 121; ++n) {
        const std::string codice = (n < 10 ? "00" : n < 100 ? "0" : "") + std::to_string(n);
        EXPECT_EQ(NomeUfficioIva(codice).has_value(), n <= 102 || n >= 120) << codice;
    }
    EXPECT_EQ(NomeUfficioIva("120"), NomeUfficioIva("101"));
    EXPECT_EQ(NomeUfficioIva("121"), NomeUfficioIva("102"));

    const std::pair<const char*, const char*> nomi[] = {
        {"001", "Torino"},
        {"007", "Aosta"},
        {"010", "Genova 1"},
        {"035", "Reggio Emilia"},
        {"044", "Ascoli Piceno"},
        {"066", "Aquila"},
        {"080", "Reggio Calabria"},
        {"093", "Pordenone"},
        {"097", "Prato (Firenze 2)"},
        {"099", "Chiavari (Genova 2)"},
        {"100", "Roma 2"},
        {"102", "Napoli 2"},
    };
    for (const auto& [codice, nome] : nomi) EXPECT_EQ(NomeUfficioIva(codice), nome) << codice;
    EXPECT_EQ(NomeUfficioIva("000"), std::nullopt);
    EXPECT_EQ(NomeUfficioIva("15"), std::nullopt);
}

// --- credit card ------------------------------------------------------------------------

TEST(CartaCredito, ControllaTable) {
    const std::string vuota = testi::CartaVuota;
    const std::string errata = testi::CartaErrata;
    EXPECT_EQ(vuota,
              "Attenzione: immettere il numero di carta di credito prima di premere il "
              "pulsante di controllo.");
    EXPECT_EQ(errata,
              "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
              "Non è quindi possibile fornire informazioni relative al tipo di carta di "
              "credito.");
    const auto valida = [](const std::string& numero, const std::string& tipo) {
        return "Il numero di carta di credito " + numero +
               " risulta valido.\r\n\r\n"
               "La carta di credito è del tipo " +
               tipo + ".";
    };
    const auto sconosciuta = [](const std::string& numero) {
        return "Il numero di carta di credito " + numero +
               " risulta valido.\r\n\r\n"
               "Il tipo di carta di credito non è riconosciuto.";
    };

    const Caso casi[] = {
        {"4111111111111111", Esito::Valido, valida("4111111111111111", "Visa")},
        {"378282246310005", Esito::Valido, valida("378282246310005", "American Express")},
        {"340000000000009", Esito::Valido, valida("340000000000009", "American Express")},
        {"30569309025904", Esito::Valido, valida("30569309025904", "Diner's Club / Carte Blanche")},
        {"38520000023237", Esito::Valido, valida("38520000023237", "Diner's Club / Carte Blanche")},
        {"360000000000004", Esito::Valido,
         valida("360000000000004", "Diner's Club / Carte Blanche")},
        {"3530111333300000", Esito::Valido, valida("3530111333300000", "JCB")},
        {"5555555555554444", Esito::Valido, valida("5555555555554444", "MasterCard")},
        {"59", Esito::Valido, valida("59", "MasterCard")},  // no length rule
        {"6011111111111117", Esito::Valido, valida("6011111111111117", "Discover")},
        // Blanks between groups within the first 20 characters; the message keeps them.
        {"4111 1111 1111 1111", Esito::Valido, valida("4111 1111 1111 1111", "Visa")},
        {"  4111111111111111 ", Esito::Valido, valida("4111111111111111", "Visa")},
        // Only the first 20 characters are read: the 21st digit would spoil the check.
        {"411111111111111111150", Esito::Valido, valida("411111111111111111150", "Visa")},
        // Passes, begins with 3, but names no kind: said, never silence.
        {"3200000000000002", Esito::Valido, sconosciuta("3200000000000002")},
        {"3900000000000005", Esito::Valido, sconosciuta("3900000000000005")},
        {"3 4", Esito::Valido, sconosciuta("3 4")},
        // Check digit changed.
        {"4111111111111112", Esito::Errato, errata},
        {"378282246310006", Esito::Errato, errata},
        // Passes the check but begins with a digit that names no card.
        {"12345678123451", Esito::Errato, errata},
        {"20000000000006", Esito::Errato, errata},
        {"70000000000005", Esito::Errato, errata},
        {"80000000000003", Esito::Errato, errata},
        {"90000000000001", Esito::Errato, errata},
        {"00000000000000", Esito::Errato, errata},
        // Groups running past the 20th character lose their last digits.
        {"4111  1111  1111  1111", Esito::Errato, errata},
        {"VISA", Esito::Errato, errata},  // no digit at all
        {"", Esito::Incompleto, vuota},
        {" \t ", Esito::Incompleto, vuota},
    };
    for (const auto& c : casi) Verifica(ControllaCartaCredito(c.campo), c);
}

TEST(CartaCredito, KindCodeIsFirstDigitMinusTwoWhenTheCheckFits) {
    const std::pair<const char*, int> casi[] = {
        {"378282246310005", 1},
        {"4111111111111111", 2},
        {"59", 3},
        {"6011111111111117", 4},
        {"12345678123451", -1},
        {"20000000000006", 0},
        {"90000000000001", 7},
        {"4111111111111112", 0},
        {"", 0},
        {"x-y", 0},
    };
    for (const auto& [numero, codice] : casi) EXPECT_EQ(CodiceTipoCarta(numero), codice) << numero;
}

TEST(CartaCredito, DetailNamesTheKindOnlyWhenKnown) {
    EXPECT_EQ(ControllaCartaCredito("4111111111111111").dettaglio, "Visa");
    EXPECT_EQ(ControllaCartaCredito("3200000000000002").dettaglio, "");
    EXPECT_EQ(CifreCarta("4111-1111 1111/1111 9999"), "4111111111111111");
    EXPECT_EQ(CifreCarta("ààààààààààààààààààà12"), "1");  // characters, not bytes
}

// --- IBAN -------------------------------------------------------------------------------

TEST(Iban, ControllaTable) {
    const std::string lunghezza = testi::IbanLunghezza;
    const std::string valido = testi::IbanValido;
    const std::string errato = testi::IbanErrato;
    EXPECT_EQ(lunghezza, "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
    EXPECT_EQ(valido, "L'IBAN digitato è VALIDO.");
    EXPECT_EQ(errato, "Attenzione: l'IBAN digitato è ERRATO!");

    const Caso casi[] = {
        {"IT60X0542811101000000123456", Esito::Valido, valido},
        {"it60x0542811101000000123456", Esito::Valido, valido},
        {"  IT60X0542811101000000123456 ", Esito::Valido, valido},  // trimmed
        // Blanks inside count in the length, then are removed for the check.
        {"ES91 21000418 45020005 1332", Esito::Valido, valido},
        {"IBAN GB82WEST12345698765432", Esito::Valido, valido},
        // Two adjacent, different digits swapped.
        {"IT60X0524811101000000123456", Esito::Errato, errato},
        {"IT60X0542811101000000123465", Esito::Errato, errato},
        {"IT61X0542811101000000123456", Esito::Errato, errato},
        {"IT60X0542811101000000-23456", Esito::Errato, errato},
        // Wrong lengths.
        {"IT60 X054 2811 1010 0000 0123 456", Esito::Incompleto, lunghezza},
        {"DE89370400440532013000", Esito::Incompleto, lunghezza},  // correct, but German
        {"IT60X054281110100000012345", Esito::Incompleto, lunghezza},
        {"", Esito::Incompleto, lunghezza},
    };
    for (const auto& c : casi) Verifica(ControllaIban(c.campo), c);
}

TEST(Iban, CheckIgnoresLengthButNotStrangeCharacters) {
    EXPECT_TRUE(IbanValido("DE89370400440532013000"));
    EXPECT_TRUE(IbanValido("es9121000418450200051332"));
    EXPECT_FALSE(IbanValido("ES91-21000418450200051332"));
    EXPECT_FALSE(IbanValido("ÈS9121000418450200051332"));
    EXPECT_FALSE(IbanValido(""));
    EXPECT_FALSE(IbanValido("IBAN"));
}

TEST(Iban, PiecewiseRemainderMatchesTheWholeNumber) {
    // Remainders computed on the whole numbers with arbitrary-precision arithmetic.
    const std::pair<const char*, int> casi[] = {
        {"5", 5},
        {"260181590", 42},
        {"8301661318", 29},
        {"60913909960308246", 8},
        {"2819482199351819093786579754323194875749", 36},
        {"000000000000000097", 0},
        {"0000000001", 1},
        {"999999999999999999999999999", 18},
    };
    for (const auto& [cifre, resto] : casi) EXPECT_EQ(ResiduoMod97(cifre), resto) << cifre;
    EXPECT_EQ(ResiduoMod97(""), std::nullopt);
    EXPECT_EQ(ResiduoMod97("12345678901234567A"), std::nullopt);
    EXPECT_EQ(ResiduoMod97("-97"), std::nullopt);
}
