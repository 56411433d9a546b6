#include <QComboBox>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/reports/Report.h"
#include "support/Banco.h"

namespace {

const QString kSalvata("La scheda corrente è stata salvata in archivio.");
const QString kModificata(
    "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kVuoto("L'archivio non contiene nessuna scheda.");
const QString kAccesso(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");

QString Obbligo(const char* coda) {
    return QString("Attenzione: per salvare la scheda è necessario indicare ") + coda;
}

TSchedaScadenza Record(const char* pagatore, const char* giorno = "10") {
    return prova::NuovaScadenza(
               prova::Scadenza(std::string(giorno) + "/04/2021", "08:15", pagatore, "Rata"))
        .Avviso("7")
        .Costo("10,00")
        .DaConfermare(flag::Si);
}

}  // namespace

class TestRicordario : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmRicordario* s = nullptr;

    std::filesystem::path File() const { return s->FileAnno(); }
    void Anno(const QString& anno) {
        s->ImpostaAnno(anno.toInt(), (fake->cartella() + anno + ".rcd").toStdString());
    }
    std::string Byte() const {
        std::ifstream in(File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Scegli(QComboBox* c, const QString& voce) {
        c->setCurrentIndex(c->findText(voce));
        QCOMPARE(c->currentText(), voce);
    }
    // A card that saves: 5 March, 09:30, three days of warning, a reason and a contact.
    void CartaValida() {
        Scegli(s->txtGiorno, "05");
        Scegli(s->txtMese, "Marzo");
        Scegli(s->txtOreApp, "09");
        Scegli(s->txtMinutiApp, "30");
        s->txtAvviso->setText("3");
        s->txtDettagli->setText("Rata del mutuo");
        s->txtPagatore->setText("Rossi Mario");
    }
    void Archivia(const std::vector<TSchedaScadenza>& schede) {
        Accoda<TArchivioScadenze>(File(), schede);
    }
    QWidget* Focus() const {
        QWidget* f = QApplication::focusWidget();
        // A list's own line edit stands for the list.
        if (f && qobject_cast<QComboBox*>(f->parentWidget())) return f->parentWidget();
        return f;
    }

private slots:
    void init() {
        Prepara(fake, s);
        fake->adesso = QDateTime(QDate(2021, 6, 15), QTime(10, 30, 5));
        Anno("2021");
        QVERIFY(ApriAttiva(s));
    }
    void cleanup() { Smonta(fake, s); }

    void fieldsAtTheirPlacesWithCaptionsAndLengths() {
        struct Caso {
            const char* nome;
            QRect r;  // in its section, or in its group for the lists
            int lunghezza;
            const char* didascalia;
        } casi[] = {
            {"txtGiorno", {16, 50, 72, 23}, 2, "Giorno:"},
            {"txtMese", {96, 50, 128, 23}, 10, "Mese:"},
            {"txtOreApp", {16, 50, 72, 23}, 2, "Ore:"},
            {"txtMinutiApp", {104, 50, 72, 23}, 2, "Minuti:"},
            {"txtAvviso", {164, 158, 61, 22}, 3, "Avvisa n."},
            {"txtBeneficiario", {88, 247, 248, 22}, 50, "Tipologia:"},
            {"txtDettagli", {348, 247, 435, 22}, 250, "Causale scadenza o appuntamento:"},
            {"txtOfficina", {24, 305, 312, 22}, 150, "Pagamento:"},
            {"txtCosto", {348, 305, 158, 22}, 15, "Importo in euro:"},
            {"txtContatto", {518, 305, 265, 22}, 50, "Esito:"},
            {"txtPagatore", {88, 381, 220, 22}, 50, "Cognome e nome:"},
            {"txtCodFisc", {348, 381, 170, 22}, 16, "Codice fiscale:"},
            {"txtNumTessera", {560, 381, 222, 22}, 50, "Zona:"},
            {"txtCarica", {24, 439, 312, 22}, 50, "Questioni in sospeso:"},
            {"txtTelCel", {348, 439, 200, 22}, 30, "Tel. cellulare:"},
            {"txtRecapito", {560, 439, 222, 22}, 50, "Recapito preferenziale:"},
            {"txtAnticipi", {88, 508, 248, 22}, 120, "Altre persone da incontrare:"},
            {"txtComplessivo", {348, 508, 200, 22}, 50, "Luogo appuntamento:"},
            {"txtRateazione", {560, 508, 222, 22}, 120, "Durata prevista:"},
            {"txtNote", {24, 598, 496, 22}, 250, "Note:"},
        };
        for (const auto& c : casi) {
            auto* w = s->findChild<QWidget*>(c.nome);
            QVERIFY2(w, c.nome);
            QCOMPARE(w->geometry(), c.r);
            auto* e = qobject_cast<QLineEdit*>(w);
            if (auto* combo = qobject_cast<QComboBox*>(w)) e = combo->lineEdit();
            QCOMPARE(e->maxLength(), c.lunghezza);
            auto* tit = s->findChild<QLabel*>(QString("tit") + QString(c.nome).mid(3));
            QVERIFY2(tit, c.nome);
            QCOMPARE(tit->text(), QString(c.didascalia));
            QVERIFY2(s->findChild<QWidget*>(QString("eff") + QString(c.nome).mid(3)), c.nome);
        }
        QCOMPARE(s->findChild<QWidget*>("grpData")->geometry(), QRect(115, 24, 318, 86));
        QCOMPARE(s->findChild<QWidget*>("grpOra")->geometry(), QRect(584, 24, 194, 86));
        QCOMPARE(s->txtGiorno->count(), 31);
        QCOMPARE(s->txtMese->itemText(11), QString("Dicembre"));
        QCOMPARE(s->txtOreApp->itemText(23), QString("23"));
        QCOMPARE(s->txtMinutiApp->count(), 60);
        QCOMPARE(s->cmdEsci->geometry(), QRect(814, 30 + 11 * 39, 148, 32));
        QCOMPARE(s->cmdImporta->text(), QString("Anteprima"));
        QCOMPARE(s->lblPosizione->geometry().topLeft(), QPoint(846, 649));
        QCOMPARE(s->lblPosizione->width(), 82);
        QVERIFY(!s->lblFile->isVisible() && !s->lblData->isVisible() && !s->lblOra->isVisible());
        // The caption before any year is given.
        const TfrmRicordario nuova;
        QCOMPARE(nuova.windowTitle(),
                 QString(" Ricordario Diz 3.0 - Archivio scadenze e appuntamenti"));
    }

    void enterRunsTheChainAndTabVisitsTheCheckBoxes() {
        const QList<QWidget*> catena{
            s->txtMese,     s->txtOreApp,      s->txtMinutiApp,  s->txtAvviso,   s->txtBeneficiario,
            s->txtDettagli, s->txtOfficina,    s->txtCosto,      s->txtContatto, s->txtPagatore,
            s->txtCodFisc,  s->txtNumTessera,  s->txtCarica,     s->txtTelCel,   s->txtRecapito,
            s->txtAnticipi, s->txtComplessivo, s->txtRateazione, s->txtNote,     s->txtGiorno};
        s->txtGiorno->setFocus();
        for (QWidget* atteso : catena) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(Focus(), atteso);
        }
        s->txtComplessivo->setFocus();
        for (QWidget* atteso :
             QList<QWidget*>{s->txtRateazione, s->chkDaConfermare, s->txtNote, s->chkEffettuata}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(Focus(), atteso);
        }
    }

    void typingRules() {
        s->txtAvviso->setFocus();
        QTest::keyClicks(s->txtAvviso, "1a-5x09");
        QCOMPARE(s->txtAvviso->text(), QString("150"));
        s->txtCodFisc->setFocus();
        QTest::keyClicks(s->txtCodFisc, "rss mra");
        QCOMPARE(s->txtCodFisc->text(), QString("RSSMRA"));
        s->txtCosto->clear();
        s->txtCosto->setFocus();
        QTest::keyClicks(s->txtCosto, "1.2,5e");
        QCOMPARE(s->txtCosto->text(), QString("12,5"));
        s->txtMese->setFocus();
        QTest::keyClicks(s->txtMese, "Marzo");
        QCOMPARE(s->txtMese->currentText(), QString());
    }

    void theTaxCodeFieldShowsAllSixteenCharacters() {
        // Typed, the caret ends after the last character: the first one must still stand at
        // the left edge, for a common code and for one of the widest letters.
        for (const char* codice : {"RSSMRA80A01H501U", "MMMMMM80M41M501M"}) {
            s->txtCodFisc->clear();
            s->txtCodFisc->setFocus();
            QTest::keyClicks(s->txtCodFisc, codice);
            QCOMPARE(s->txtCodFisc->text(), QString(codice));
            QCOMPARE(s->txtCodFisc->cursorPosition(), 16);
            s->txtCodFisc->grab();  // lays the text out as it is painted
            const QPoint inizio(s->txtCodFisc->contentsRect().left() + 4,
                                s->txtCodFisc->height() / 2);
            QVERIFY2(s->txtCodFisc->cursorPositionAt(inizio) == 0, codice);
        }
        QCOMPARE(s->txtCodFisc->size(), QSize(170, 22));
        QVERIFY(s->txtCodFisc->font().bold());
    }

    void amountIsNormalisedOnLeavingTheField() {
        const std::pair<const char*, const char*> casi[] = {
            {"1234", "1234,00"}, {"0,125", "0,125"},    {"", "0,00"},      {"12,5", "12,50"},
            {",5", "0,50"},      {"3,14159", "3,1416"}, {"1,2,3", "0,00"}, {"5,", "5,00"},
        };
        for (const auto& [scritto, atteso] : casi) {
            s->txtCosto->setFocus();
            s->txtCosto->clear();
            QTest::keyClicks(s->txtCosto, scritto);
            QCOMPARE(s->txtCosto->text(), QString(scritto));
            s->txtContatto->setFocus();
            QCOMPARE(s->txtCosto->text(), QString(atteso));
        }
    }

    void listOnlyFieldsEmptyThemselvesWithATextNotAmongTheirItems() {
        struct Caso {
            QComboBox* lista;
            const char* testo;
            const char* resta;
        } casi[] = {
            {s->txtMese, "marzo", ""}, {s->txtMese, "Marzo", "Marzo"},
            {s->txtGiorno, "5", ""},   {s->txtMese, " Marzo ", "Marzo"},
            {s->txtOreApp, "24", ""},  {s->txtMinutiApp, "59", "59"},
        };
        for (const auto& c : casi) {
            // As a record loaded from the archive may put it there.
            c.lista->setEditText(c.testo);
            c.lista->setFocus();
            s->txtAvviso->setFocus();
            QCOMPARE(c.lista->currentText(), QString(c.resta));
        }
    }

    void requiredFieldsAreCheckedInOrder() {
        // Each step puts right what the previous refusal named; the next check speaks.
        s->txtOreApp->setEditText("");
        s->txtMinutiApp->setEditText("");
        struct Passo {
            std::function<void()> prima;
            QString messaggio;
            QWidget* focus;
        } passi[] = {
            {[] {}, Obbligo("il giorno della scadenza."), s->txtGiorno},
            {[&] { s->txtGiorno->setEditText("5"); },
             Obbligo("il giorno della scadenza usando due cifre."), s->txtGiorno},
            {[&] { Scegli(s->txtGiorno, "05"); }, Obbligo("il mese della scadenza."), s->txtMese},
            {[&] { Scegli(s->txtMese, "Marzo"); }, Obbligo("l'ora dell'appuntamento."),
             s->txtOreApp},
            {[&] { s->txtOreApp->setEditText("9"); },
             Obbligo("i minuti dell'ora dell'appuntamento."), s->txtMinutiApp},
            {[&] { s->txtMinutiApp->setEditText("3"); },
             Obbligo("l'ora dell'appuntamento usando due cifre."), s->txtOreApp},
            {[&] { Scegli(s->txtOreApp, "09"); },
             Obbligo("i minuti dell'ora dell'appuntamento usando due cifre."), s->txtMinutiApp},
            {[&] { Scegli(s->txtMinutiApp, "30"); }, Obbligo("i giorni di preavviso."),
             s->txtAvviso},
            {[&] {
                 s->txtAvviso->setText("3");
                 s->txtDettagli->setText("   ");
             },
             Obbligo("la causale della scadenza o appuntamento."), s->txtDettagli},
            {[&] { s->txtDettagli->setText("Rata"); }, Obbligo("il nome del contatto."),
             s->txtPagatore},
        };
        for (auto& p : passi) {
            // Salva is a picture: pressing it leaves the focus where it is.
            s->txtNote->setFocus();
            p.prima();
            fake->chiamate.clear();
            s->cmdSalvaClick();
            QCOMPARE(fake->chiamate.size(), 1);
            QCOMPARE(fake->Ultima().operazione, QString("MostraAvviso"));
            QCOMPARE(fake->Ultima().tipo, QString("Warning"));
            QCOMPARE(fake->Ultima().testo, p.messaggio);
            QCOMPARE(Focus(), p.focus);
        }
        QVERIFY(!std::filesystem::exists(File()));
        QCOMPARE(s->lblPosizione->text(), QString());

        s->txtPagatore->setText("Rossi Mario");
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().testo, kSalvata);
        QCOMPARE(s->lblPosizione->text(), QString("1"));
    }

    void aMonthNotInTheListIsRefused() {
        CartaValida();
        s->txtMese->setEditText("Marz");
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().tipo, QString("Warning"));
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter "
                         "salvare la scheda è necessario indicare una data valida."));
        QCOMPARE(Focus(), s->txtMese);
        QCOMPARE(s->lblOra->text(), QString("09:30"));  // already set by the refused save
        QVERIFY(!std::filesystem::exists(File()));
    }

    void datesThatDoNotExistAreRefused() {
        struct Caso {
            const char* anno;
            const char* giorno;
            bool salva;
        } casi[] = {{"2021", "31", false}, {"2021", "29", false}, {"2024", "29", true}};
        for (const auto& c : casi) {
            fake->chiamate.clear();
            Anno(c.anno);
            s->cmdNuovoClick();
            CartaValida();
            Scegli(s->txtGiorno, c.giorno);
            Scegli(s->txtMese, "Febbraio");
            s->cmdSalvaClick();
            const QString data = QString("%1/02/%2").arg(c.giorno, c.anno);
            QCOMPARE(s->lblData->text(), data);
            if (c.salva) {
                QCOMPARE(fake->Ultima().testo, kSalvata);
                TArchivioScadenze a;
                a.Apri(File());
                QCOMPARE(a.LeggiScheda(1).Data, data.toStdString());
                continue;
            }
            QCOMPARE(fake->chiamate.size(), 1);
            QCOMPARE(fake->Ultima().operazione, QString("MostraMessaggio"));
            QCOMPARE(fake->Ultima().testo,
                     "Attenzione: la data " + data +
                         " non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
                         "indicare una data valida.");
            QCOMPARE(Focus(), s->txtGiorno);
            QVERIFY(!std::filesystem::exists(File()));
        }
    }

    void firstSaveAppendsAndTheSecondOverwrites() {
        CartaValida();
        s->txtCosto->clear();
        s->chkEffettuata->setChecked(true);
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().tipo, QString("Information"));
        QCOMPARE(fake->Ultima().testo, kSalvata);
        QCOMPARE(s->lblPosizione->text(), QString("1"));
        QCOMPARE(s->txtCosto->text(), QString("0,00"));
        QCOMPARE(std::filesystem::file_size(File()), 1628u);
        {
            TArchivioScadenze a;
            a.Apri(File());
            const TSchedaScadenza r = a.LeggiScheda(1);
            QCOMPARE(r.Giorno, std::string("05"));
            QCOMPARE(r.Mese, std::string("Marzo"));
            QCOMPARE(r.Anno, std::string("2021"));
            QCOMPARE(r.Data, std::string("05/03/2021"));
            QCOMPARE(r.Ora, std::string("09:30"));
            QCOMPARE(r.Costo, std::string("0,00"));
            QCOMPARE(r.Pagatore, std::string("Rossi Mario"));
        }
        const std::string byte = Byte();
        QCOMPARE(byte.substr(1622, 3), std::string("\x02No", 3));
        QCOMPARE(byte.substr(1625, 3), std::string("\x02S\xEC", 3));

        s->txtNote->setText("  Portare i documenti  ");
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().testo, kModificata);
        QCOMPARE(s->lblPosizione->text(), QString("1"));
        QCOMPARE(std::filesystem::file_size(File()), 1628u);
        TArchivioScadenze a;
        a.Apri(File());
        QCOMPARE(a.LeggiScheda(1).Note, std::string("Portare i documenti"));
    }

    void duplicaCopiesAStoredCardAsANewOne() {
        s->cmdDuplicaClick();
        QCOMPARE(fake->chiamate.size(), 1);
        QCOMPARE(fake->Ultima().tipo, QString("Warning"));
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                         "che questa è stata inserita in archivio."));
        QVERIFY(!std::filesystem::exists(File()));

        Archivia({Record("Uno"), Record("Due"), Record("Tre")});
        const std::string terzo = Byte().substr(3256, 1628);
        s->cmdUltimoClick();
        QCOMPARE(s->lblPosizione->text(), QString("3"));
        s->chkEffettuata->setChecked(true);
        s->txtNote->setFocus();
        s->cmdDuplicaClick();
        QCOMPARE(fake->Ultima().tipo, QString("Information"));
        QCOMPARE(fake->Ultima().testo,
                 QString("E' ora possibile apportare le proprie modifiche alla scheda "
                         "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                         "archivio."));
        QCOMPARE(s->lblPosizione->text(), QString());
        QCOMPARE(s->txtGiorno->currentText(), QString());
        QCOMPARE(s->txtMese->currentText(), QString());
        QCOMPARE(s->txtMese->currentIndex(), -1);
        QCOMPARE(s->txtOreApp->currentText(), QString("00"));
        QCOMPARE(s->txtMinutiApp->currentText(), QString("00"));
        QCOMPARE(Focus(), s->txtGiorno);
        QCOMPARE(s->txtPagatore->text(), QString("Tre"));
        QCOMPARE(s->lblAnno->text(), QString("2021"));
        QVERIFY(s->chkEffettuata->isChecked());

        Scegli(s->txtGiorno, "20");
        Scegli(s->txtMese, "Maggio");
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().testo, kSalvata);
        QCOMPARE(s->lblPosizione->text(), QString("4"));
        const std::string byte = Byte();
        QCOMPARE(byte.size(), 4u * 1628u);
        QVERIFY(byte.substr(3256, 1628) == terzo);
        TArchivioScadenze a;
        a.Apri(File());
        const TSchedaScadenza copia = a.LeggiScheda(4);
        QCOMPARE(copia.Data, std::string("20/05/2021"));
        QCOMPARE(copia.Ora, std::string("00:00"));
        QCOMPARE(copia.Pagatore, std::string("Tre"));
        QCOMPARE(copia.Effettuata, std::string(flag::Si));
    }

    void navigationShowsRecordsAndStopsAtTheEnds() {
        Archivia({Record("Uno", "01"), Record("Due", "02"), Record("Tre", "03")});
        struct Passo {
            void (TfrmRicordario::*comando)();
            std::int64_t da;  // the position before, 0 for none
            const char* a;    // lblPosizione after
        } passi[] = {
            {&TfrmRicordario::cmdAvantiClick, 0, "1"},
            {&TfrmRicordario::cmdIndietroClick, 0, "1"},
            {&TfrmRicordario::cmdPrimoClick, 3, "1"},
            {&TfrmRicordario::cmdUltimoClick, 0, "3"},
            {&TfrmRicordario::cmdAvantiClick, 2, "3"},
            {&TfrmRicordario::cmdIndietroClick, 3, "2"},
            {&TfrmRicordario::cmdAvantiClick, 3, "3"},    // the last: nothing
            {&TfrmRicordario::cmdIndietroClick, 1, "1"},  // the first: nothing
        };
        for (const auto& p : passi) {
            s->cmdNuovoClick();
            s->ImpostaPosizione(p.da);
            (s->*p.comando)();
            QCOMPARE(s->lblPosizione->text(), QString(p.a));
            QVERIFY(fake->chiamate.isEmpty());
        }
        // Nothing happened on the last two: the card still shows what it had.
        QCOMPARE(s->txtPagatore->text(), QString());

        s->cmdPrimoClick();
        QCOMPARE(s->txtPagatore->text(), QString("Uno"));
        QCOMPARE(s->txtGiorno->currentText(), QString("01"));
        QCOMPARE(s->txtMese->currentText(), QString("Aprile"));
        QCOMPARE(s->txtMese->currentIndex(), 3);
        QCOMPARE(s->lblData->text(), QString("01/04/2021"));
        QCOMPARE(s->lblOra->text(), QString("08:15"));
        QCOMPARE(s->txtCosto->text(), QString("10,00"));
        QVERIFY(s->chkDaConfermare->isChecked());
        QVERIFY(!s->chkEffettuata->isChecked());
    }

    void indietroFromTheFirstRecordDoesNotTouchTheArchive() {
        // A folder where the archive should be: any opening fails.
        std::filesystem::create_directory(File());
        s->ImpostaPosizione(1);
        s->cmdIndietroClick();
        QVERIFY(fake->chiamate.isEmpty());
        s->cmdAvantiClick();
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo, kAccesso);
        QCOMPARE(s->lblPosizione->text(), QString("1"));
    }

    void anEmptyArchiveAnswersEveryNavigation() {
        for (auto comando : {&TfrmRicordario::cmdPrimoClick, &TfrmRicordario::cmdUltimoClick,
                             &TfrmRicordario::cmdIndietroClick, &TfrmRicordario::cmdAvantiClick}) {
            fake->chiamate.clear();
            s->ImpostaPosizione(2);
            (s->*comando)();
            QCOMPARE(fake->chiamate.size(), 1);
            QCOMPARE(fake->Ultima().tipo, QString("Information"));
            QCOMPARE(fake->Ultima().testo, kVuoto);
            // Only "next" forgets the position.
            QCOMPARE(s->lblPosizione->text(),
                     comando == &TfrmRicordario::cmdAvantiClick ? QString() : QString("2"));
        }
        QCOMPARE(std::filesystem::file_size(File()), 0u);
    }

    void aShownRecordKeepsTextsAndFlagsItCannotReadAsTheyAre() {
        TSchedaScadenza strana = Record("Strano");
        strana.Mese = "aprile";
        strana.DaConfermare = "Forse";
        strana.Effettuata = "";
        Archivia({strana});
        s->chkDaConfermare->setChecked(true);
        s->chkEffettuata->setChecked(false);
        s->cmdPrimoClick();
        QCOMPARE(s->txtMese->currentText(), QString("aprile"));
        QVERIFY(s->chkDaConfermare->isChecked());
        QVERIFY(!s->chkEffettuata->isChecked());
        s->chkDaConfermare->setChecked(false);
        s->cmdPrimoClick();
        QVERIFY(!s->chkDaConfermare->isChecked());
        // Leaving the month as loaded empties it: it is not one of the twelve items.
        s->txtMese->setFocus();
        s->txtOreApp->setFocus();
        QCOMPARE(s->txtMese->currentText(), QString());
    }

    void accessFailuresAreReportedAndTheCardStays() {
        std::filesystem::create_directory(File());
        CartaValida();
        s->cmdSalvaClick();
        QCOMPARE(fake->Ultima().operazione, QString("MostraAvviso"));
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo, kAccesso);
        QCOMPARE(s->lblPosizione->text(), QString());
        QCOMPARE(s->txtPagatore->text(), QString("Rossi Mario"));

        // A failing Duplica has already made the card new.
        s->ImpostaPosizione(3);
        s->cmdDuplicaClick();
        QCOMPARE(fake->Ultima().testo, kAccesso);
        QCOMPARE(s->lblPosizione->text(), QString());
        QCOMPARE(s->txtGiorno->currentText(), QString("05"));

        // A path under a missing folder fails the same way.
        s->ImpostaAnno(2021, (fake->cartella() + "manca/2021.rcd").toStdString());
        fake->chiamate.clear();
        s->cmdUltimoClick();
        QCOMPARE(fake->Ultima().testo, kAccesso);
    }

    void nuovoEmptiesTheCard() {
        CartaValida();
        s->txtCosto->setText("12,00");
        s->txtCodFisc->setText("RSSMRA");
        s->chkDaConfermare->setChecked(true);
        s->chkEffettuata->setChecked(true);
        // A stored card with the date and time Salva made.
        TSchedaScadenza mostrata = s->ComponiScheda();
        mostrata.Data = "05/03/2021";
        mostrata.Ora = "09:30";
        s->MostraScheda(4, mostrata);
        s->txtNote->setFocus();
        s->cmdNuovoClick();
        const TSchedaScadenza vuota = s->ComponiScheda();
        for (const auto& c : TSchedaScadenza::Campi) {
            const std::string atteso = c.nome == "OreApp" || c.nome == "MinutiApp" ? "00"
                                       : c.nome == "Costo"                         ? "0,00"
                                       : c.nome == "Anno"                          ? "2021"
                                       : c.nome == "Data"                          ? "05/03/2021"
                                       : c.nome == "Ora"                           ? "09:30"
                                       : c.nome == "DaConfermare" || c.nome == "Effettuata"
                                           ? std::string(flag::No)
                                           : std::string();
            QCOMPARE(vuota.*(c.membro), atteso);
        }
        QCOMPARE(s->txtGiorno->currentIndex(), -1);
        QCOMPARE(s->txtOreApp->currentIndex(), -1);
        QCOMPARE(s->lblPosizione->text(), QString());
        QCOMPARE(Focus(), s->txtGiorno);
        QCOMPARE(s->FileAnno().filename().string(), std::string("2021.rcd"));
    }

    void taxCodeButtonChoosesTheChecker() {
        QStringList aperti;
        fake->Rispondi([&](QDialog* d) {
            const auto* campo = d->findChild<QLineEdit*>(
                d->objectName() == "TfrmPartitaIva" ? "txtPartitaIva" : "txtCodFisc");
            aperti << d->objectName() + ":" + (campo ? campo->text() : "?");
            return int(QDialog::Rejected);
        });
        for (const char* codice : {" 01234567890 ", "RSSMRA80A01H501U", "0123456789X", ""}) {
            s->txtCodFisc->setText(codice);
            QTest::mouseClick(s->btnCodFisc, Qt::LeftButton);
        }
        QCOMPARE(aperti, QStringList({"TfrmPartitaIva:01234567890", "TfrmCodFisc:RSSMRA80A01H501U",
                                      "TfrmCodFisc:0123456789X", "TfrmCodFisc:"}));
        QCOMPARE(s->txtCodFisc->text(), QString());
    }

    void contactImportFillsSixFieldsAndKeepsTheCardState() {
        AccodaContatti({prova::NuovoContatto()
                            .Cliente("Bianchi Anna")
                            .CodFisc("BNCNNA70A41F205X")
                            .Zona("Forlì")
                            .Questioni("Preventivo")
                            .TelCel("333 7654321")
                            .Recapito("Sera")
                            .Note("non sulla scheda")});
        bool scegli = false;
        fake->Rispondi([&](TfrmTrovaClienti* cerca) {
            QTest::mouseClick(cerca->btnCerca, Qt::LeftButton);
            if (scegli && cerca->lstRecords->count() == 1) {
                ListaRisultati* l = cerca->lstRecords;
                QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                                   l->RettangoloRiga(0).center());
            } else {
                cerca->close();  // closed without a pick
            }
        });
        for (const char* posizione : {"", "5"}) {
            s->cmdNuovoClick();
            s->txtNote->setText("mia nota");
            s->ImpostaPosizione(QString(posizione).toLongLong());
            scegli = false;
            QTest::mouseClick(s->impPag, Qt::LeftButton);
            QCOMPARE(s->txtPagatore->text(), QString());

            scegli = true;
            QTest::mouseClick(s->impPag, Qt::LeftButton);
            QCOMPARE(s->txtPagatore->text(), QString("Bianchi Anna"));
            QCOMPARE(s->txtCodFisc->text(), QString("BNCNNA70A41F205X"));
            QCOMPARE(s->txtNumTessera->text(), QString("Forlì"));
            QCOMPARE(s->txtCarica->text(), QString("Preventivo"));
            QCOMPARE(s->txtTelCel->text(), QString("333 7654321"));
            QCOMPARE(s->txtRecapito->text(), QString("Sera"));
            QCOMPARE(s->txtNote->text(), QString("mia nota"));
            QCOMPARE(s->lblPosizione->text(), QString(posizione));
        }
        QCOMPARE(fake->Di("MostraModale").size(), 4);
        QVERIFY(!std::filesystem::exists(File()));
    }

    void previewAndPrintFillTheCardTemplate() {
        CartaValida();
        s->txtCosto->setText(" 12,50 ");
        s->chkDaConfermare->setChecked(true);
        const report::Modello m = s->SchedaDaStampare();
        auto testo = [&](const char* nome) {
            const report::Elemento* e = m.TrovaElemento(nome);
            return e ? e->testo : QString("<manca %1>").arg(nome);
        };
        QCOMPARE(m.orientamento, QPageLayout::Portrait);
        QCOMPARE(testo("txtTitolo"), QString("SCHEDA SCADENZA O APPUNTAMENTO"));
        QCOMPARE(testo("titCampo01"), QString("Data scadenza:"));
        QCOMPARE(testo("txtCampo01"), QString("05 Marzo 2021"));
        QCOMPARE(testo("txtCampo02"), QString("09:30"));
        QCOMPARE(testo("txtCampo07"), QString("12,50"));
        QCOMPARE(testo("txtCampo09"), QString("Rossi Mario"));
        QCOMPARE(testo("titCampo19"), QString("Appuntamento da confermare:"));
        QCOMPARE(testo("txtCampo19"), QString("Sì"));
        QCOMPARE(testo("titCampo20"), QString("Pagamento effettuato:"));
        QCOMPARE(testo("txtCampo20"), QString("No"));
        for (const char* vuota : {"titCampo21", "txtCampo21", "titCampo24", "txtCampo24"})
            QCOMPARE(testo(vuota), QString(" "));
        QCOMPARE(testo("txtCalce"),
                 QString("Stampa eseguita in data 15/06/2021 alle ore 10:30:05"));

        // Anteprima shows the engine's preview; Stampa goes through the print dialog.
        QTest::mouseClick(s->cmdImporta, Qt::LeftButton);
        QCOMPARE(fake->Ultima().operazione, QString("MostraModale"));
        QCOMPARE(fake->Ultima().testo, QString("frmAnteprima"));
        fake->stampanteAccettata = true;
        QTest::mouseClick(s->cmdStampa, Qt::LeftButton);
        QCOMPARE(fake->Ultima().operazione, QString("ChiediStampante"));
        QVERIFY(QFile::exists(fake->cartella() + "stampa.pdf"));
        // The card need not be saved to be printed.
        QVERIFY(!std::filesystem::exists(File()));
    }

    void helpOpensTheDeadlineEntryPage() {
        QString titolo;
        fake->Rispondi([&](QDialog* d) {
            titolo = d->findChild<QLabel*>("lblTitolo")->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(s->cmdGuida, Qt::LeftButton);
        QCOMPARE(titolo, QString("Applicazione Inserimento scadenze."));
    }

    void statusLineShowsHintsAndEmptiesOverTheBackground() {
        QCOMPARE(TfrmRicordario().panInfo->text(),
                 QString("Pronto per archiviare una nuova scheda..."));
        const std::pair<QWidget*, const char*> casi[] = {
            {s->cmdSalva, "Salva la scheda corrente in archivio."},
            {s->cmdEffettuate, "Visualizza il riepilogo degli impegni scaduti e non assolti."},
            {s->cmdIndietro, "Visualizza la scheda precedente in archivio."},
            {s->impPag, "Importa i dati dall'archivio anagrafico dei contatti."},
            {s->btnCodFisc, "Controlla il codice fiscale."},
            {s->chkEffettuata, "Spunta questa casella per annotare che l'impegno è stato assolto."},
        };
        QMouseEvent muovi(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), QPointF(5, 5),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        for (const auto& [controllo, suggerimento] : casi) {
            QEvent entra(QEvent::Enter);
            QApplication::sendEvent(controllo, &entra);
            QCOMPARE(s->panInfo->text(), QString(suggerimento));
            QApplication::sendEvent(s->findChild<QWidget*>("imgDecoro"), &muovi);
            QCOMPARE(s->panInfo->text(), QString());
        }
    }
};

QTEST_MAIN(TestRicordario)
#include "tst_ricordario.moc"
