#include <gtest/gtest.h>

#include "SchedeDiProva.h"
#include "core/deadlines/RegoleScadenza.h"

using namespace scadenza;

namespace {

TSchedaScadenza CartaCompleta() { return prova::Scadenza("05/03/2021", "09:30"); }

TSchedaScadenza ConData(const char* giorno, const char* mese, const char* anno) {
    TSchedaScadenza c = CartaCompleta();
    c.Giorno = giorno;
    c.Mese = mese;
    c.Anno = anno;
    return c;
}

}  // namespace

TEST(RegoleScadenza, MonthNamesAndNumbers) {
    const std::pair<const char*, int> casi[] = {
        {"Gennaio", 1}, {"Febbraio", 2}, {" marzo ", 3}, {"SETTEMBRE", 9}, {"Dicembre", 12},
        {"Marz", 0},    {"", 0},         {"Mar zo", 0},  {"13", 0},
    };
    for (const auto& [nome, numero] : casi) EXPECT_EQ(NumeroMese(nome), numero) << nome;
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(NumeroMese(NomeMese(m)), m);
    EXPECT_EQ(NomeMese(4), "Aprile");
    EXPECT_EQ(NomeMese(0), "");
    EXPECT_EQ(NomeMese(13), "");
}

TEST(RegoleScadenza, ListItemsAndWhatAListOnlyFieldKeeps) {
    ASSERT_EQ(VociGiorno().size(), 31u);
    EXPECT_EQ(VociGiorno().front(), "01");
    EXPECT_EQ(VociGiorno().back(), "31");
    ASSERT_EQ(VociOre().size(), 24u);
    EXPECT_EQ(VociOre().front(), "00");
    EXPECT_EQ(VociOre().back(), "23");
    ASSERT_EQ(VociMinuti().size(), 60u);
    EXPECT_EQ(VociMinuti().back(), "59");
    ASSERT_EQ(VociMese().size(), 12u);
    EXPECT_EQ(VociMese()[7], "Agosto");

    struct Caso {
        const char* testo;
        const std::vector<std::string>& voci;
        const char* resta;
    };
    const Caso casi[] = {
        {"Marzo", VociMese(), "Marzo"}, {" Marzo ", VociMese(), "Marzo"}, {"marzo", VociMese(), ""},
        {"", VociMese(), ""},           {"07", VociGiorno(), "07"},       {"7", VociGiorno(), ""},
        {"32", VociGiorno(), ""},       {"00", VociGiorno(), ""},         {"00", VociOre(), "00"},
        {"24", VociOre(), ""},          {"59", VociMinuti(), "59"},       {"60", VociMinuti(), ""},
    };
    for (const auto& c : casi) EXPECT_EQ(VoceDiLista(c.testo, c.voci), c.resta) << c.testo;
}

TEST(RegoleScadenza, AmountNormalisation) {
    const std::pair<const char*, const char*> casi[] = {
        {"5", "5,00"},
        {"12,5", "12,50"},
        {",5", "0,50"},
        {"3,14159", "3,1416"},
        {"0,125", "0,125"},
        {"1,2,3", "0,00"},
        {"", "0,00"},
        {"   ", "0,00"},
        {"1234", "1234,00"},
        {",", "0,00"},
        {"5,", "5,00"},
        {" 7,25 ", "7,25"},
        {"0,00", "0,00"},
        {"0,00004", "0,00"},
        {"2,99995", "3,00"},
        {"007", "7,00"},
        {"12.5", "0,00"},
        {"1 000", "0,00"},
        {"999999999999999", "999999999999999,00"},
        {"12,3456", "12,3456"},
        // Pasted below zero: rounded like the opposite amount.
        {"-3,14159", "-3,1416"},
        {"-5,5", "-5,50"},
        {"-0,00001", "0,00"},
    };
    for (const auto& [digitato, mostrato] : casi)
        EXPECT_EQ(NormalizzaImporto(digitato), mostrato) << '"' << digitato << '"';

    // Set by other means than typing: long amounts keep their size, or are refused as
    // unreadable when beyond any number.
    const std::string uno63 = "1" + std::string(63, '0');
    EXPECT_EQ(NormalizzaImporto(uno63), uno63 + ",00");
    EXPECT_EQ(NormalizzaImporto(uno63 + ",5"), uno63 + ",00");
    EXPECT_EQ(NormalizzaImporto(std::string(400, '9')), "0,00");
}

TEST(RegoleScadenza, RequiredFieldsInTheirOrder) {
    // The card is filled one step at a time; each step clears the refusal before it and
    // meets the next one.
    struct Passo {
        std::string TSchedaScadenza::*campo;
        const char* valore;
        const char* focus;
        const char* messaggio;
    };
    const Passo passi[] = {
        {&TSchedaScadenza::Giorno, "", "Giorno",
         "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza."},
        {&TSchedaScadenza::Giorno, " 5 ", "Giorno",
         "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza "
         "usando due cifre."},
        {&TSchedaScadenza::Giorno, "05", "Mese",
         "Attenzione: per salvare la scheda è necessario indicare il mese della scadenza."},
        {&TSchedaScadenza::Mese, "Marzo", "OreApp",
         "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento."},
        {&TSchedaScadenza::OreApp, "9", "MinutiApp",
         "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
         "dell'appuntamento."},
        {&TSchedaScadenza::MinutiApp, "3", "OreApp",
         "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento "
         "usando due cifre."},
        {&TSchedaScadenza::OreApp, "09", "MinutiApp",
         "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora "
         "dell'appuntamento usando due cifre."},
        {&TSchedaScadenza::MinutiApp, "30", "Avviso",
         "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."},
        {&TSchedaScadenza::Avviso, "0", "Dettagli",
         "Attenzione: per salvare la scheda è necessario indicare la causale della scadenza o "
         "appuntamento."},
        {&TSchedaScadenza::Dettagli, "Rata", "Pagatore",
         "Attenzione: per salvare la scheda è necessario indicare il nome del contatto."},
    };
    TSchedaScadenza carta;
    carta.Anno = "2021";
    for (const auto& p : passi) {
        carta.*(p.campo) = p.valore;
        const auto esito = PreparaSalvataggio(carta);
        ASSERT_TRUE(esito.rifiuto) << p.focus;
        EXPECT_EQ(esito.rifiuto->campo, p.focus);
        EXPECT_EQ(esito.rifiuto->testo, p.messaggio);
        EXPECT_EQ(esito.rifiuto->modo, ModoRifiuto::Avviso);
        EXPECT_FALSE(esito.Ora);  // refused before the time is made
        EXPECT_FALSE(esito.Data);
    }
    carta.Pagatore = "Rossi Mario";
    EXPECT_FALSE(PreparaSalvataggio(carta).rifiuto);

    // The table the window can use says the same, in the same order.
    ASSERT_EQ(CampiObbligatori.size(), std::size(passi));
    for (std::size_t i = 0; i < CampiObbligatori.size(); ++i) {
        EXPECT_EQ(NomeCampo(CampiObbligatori[i].membro), passi[i].focus) << i;
        EXPECT_EQ(CampiObbligatori[i].messaggio, passi[i].messaggio) << i;
    }
}

TEST(RegoleScadenza, FieldsHoldingOnlyBlanksAreEmpty) {
    TSchedaScadenza carta = CartaCompleta();
    carta.Dettagli = " \t ";
    auto esito = PreparaSalvataggio(carta);
    ASSERT_TRUE(esito.rifiuto);
    EXPECT_EQ(esito.rifiuto->campo, "Dettagli");

    carta = CartaCompleta();
    carta.Pagatore = "   ";
    esito = PreparaSalvataggio(carta);
    ASSERT_TRUE(esito.rifiuto);
    EXPECT_EQ(esito.rifiuto->campo, "Pagatore");
}

TEST(RegoleScadenza, ASavedCardGetsItsDateTimeAndAmount) {
    TSchedaScadenza carta = CartaCompleta();
    carta.Giorno = " 05 ";
    carta.Mese = "marzo";  // the month is compared without case
    carta.OreApp = "09 ";
    carta.Costo = "  ";
    carta.Note = "resta com'è";
    const auto esito = PreparaSalvataggio(carta);
    ASSERT_FALSE(esito.rifiuto);
    EXPECT_EQ(esito.Costo, "0,00");
    EXPECT_EQ(esito.Ora, "09:30");
    EXPECT_EQ(esito.Data, "05/03/2021");
    EXPECT_EQ(esito.scheda.Costo, "0,00");
    EXPECT_EQ(esito.scheda.Ora, "09:30");
    EXPECT_EQ(esito.scheda.Data, "05/03/2021");
    EXPECT_EQ(esito.scheda.Note, "resta com'è");
    EXPECT_EQ(esito.scheda.Mese, "marzo");  // stored as it stands

    // An amount that is there is stored as it is: only leaving the field normalises it.
    carta.Costo = "12,5";
    EXPECT_EQ(PreparaSalvataggio(carta).scheda.Costo, "12,5");
}

TEST(RegoleScadenza, TheAmountDefaultHoldsEvenWhenTheSaveIsRefused) {
    TSchedaScadenza carta = CartaCompleta();
    carta.Costo = "";
    carta.Pagatore = "";
    const auto esito = PreparaSalvataggio(carta);
    ASSERT_TRUE(esito.rifiuto);
    EXPECT_EQ(esito.Costo, "0,00");
}

TEST(RegoleScadenza, AMonthNotFromTheListIsRefused) {
    TSchedaScadenza carta = CartaCompleta();
    carta.Mese = "Marz";
    const auto esito = PreparaSalvataggio(carta);
    ASSERT_TRUE(esito.rifiuto);
    EXPECT_EQ(esito.rifiuto->campo, "Mese");
    EXPECT_EQ(esito.rifiuto->modo, ModoRifiuto::Avviso);
    EXPECT_EQ(esito.rifiuto->testo,
              "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
              "Per poter salvare la scheda è necessario indicare una data valida.");
    EXPECT_EQ(esito.Ora, "09:30");  // the time was already made
    EXPECT_FALSE(esito.Data);
}

TEST(RegoleScadenza, DatesThatDoNotExistAreRefused) {
    struct Caso {
        const char *giorno, *mese, *anno, *data;
        bool salvata;
    } casi[] = {
        {"31", "Febbraio", "2021", "31/02/2021", false},
        {"29", "Febbraio", "2024", "29/02/2024", true},
        {"29", "Febbraio", "2021", "29/02/2021", false},
        {"29", "Febbraio", "1900", "29/02/1900", false},
        {"29", "Febbraio", "2000", "29/02/2000", true},
        {"31", "Aprile", "2021", "31/04/2021", false},
        {"31", "Dicembre", "2021", "31/12/2021", true},
        {"00", "Gennaio", "2021", "00/01/2021", false},
        {"01", "Gennaio", "0000", "01/01/0000", false},
        {"01", "Gennaio", "21", "01/01/21", false},
        {"0a", "Gennaio", "2021", "0a/01/2021", false},
    };
    for (const auto& c : casi) {
        const auto esito = PreparaSalvataggio(ConData(c.giorno, c.mese, c.anno));
        EXPECT_EQ(esito.Data, c.data);
        if (c.salvata) {
            EXPECT_FALSE(esito.rifiuto) << c.data;
            continue;
        }
        ASSERT_TRUE(esito.rifiuto) << c.data;
        EXPECT_EQ(esito.rifiuto->modo, ModoRifiuto::Messaggio);
        EXPECT_EQ(esito.rifiuto->campo, "Giorno");
        EXPECT_EQ(esito.rifiuto->testo, std::string("Attenzione: la data ") + c.data +
                                            " non esiste.\n\r\n\rPer poter salvare la scheda "
                                            "è necessario indicare una data valida.");
    }
}

TEST(RegoleScadenza, ExactDateForm) {
    EXPECT_TRUE(DataEsistente("05/03/2021"));
    for (const char* male : {"5/03/2021", "05/3/2021", " 05/03/2021", "05/03/2021 ", "05-03-2021",
                             "05/03/02021", "31/06/2021", ""})
        EXPECT_FALSE(DataEsistente(male)) << '"' << male << '"';
}

TEST(RegoleScadenza, PrintedRows) {
    TSchedaScadenza carta = CartaCompleta();
    carta.Rateazione = "  un'ora  ";
    carta.Costo = "12,50";
    const auto righe = RigheStampa(carta, true, false);
    EXPECT_EQ(righe[0].titolo, "Data scadenza:");
    EXPECT_EQ(righe[0].valore, "05 Marzo 2021");
    EXPECT_EQ(righe[1].valore, "09:30");
    EXPECT_EQ(righe[2].titolo, "Giorni preavviso:");
    EXPECT_EQ(righe[4].titolo, "Causale scadenza:");
    EXPECT_EQ(righe[4].valore, "Rata del mutuo");
    EXPECT_EQ(righe[6].valore, "12,50");
    EXPECT_EQ(righe[8].valore, "Rossi Mario");
    EXPECT_EQ(righe[16].titolo, "Durata prevista:");
    EXPECT_EQ(righe[16].valore, "un'ora");
    EXPECT_EQ(righe[18].titolo, "Appuntamento da confermare:");
    EXPECT_EQ(righe[18].valore, "Sì");
    EXPECT_EQ(righe[19].titolo, "Pagamento effettuato:");
    EXPECT_EQ(righe[19].valore, "No");
    for (std::size_t i = 20; i < 24; ++i) {
        EXPECT_EQ(righe[i].titolo, " ") << i;
        EXPECT_EQ(righe[i].valore, " ") << i;
    }

    // An unsaved card without a day prints what it shows.
    carta.Giorno = "";
    EXPECT_EQ(RigheStampa(carta, false, false)[0].valore, "Marzo 2021");
}
