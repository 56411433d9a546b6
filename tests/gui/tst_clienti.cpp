#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/text/Messaggi.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/app/Programma.h"
#include "gui/app/ElencoRisultati.h"
#include "gui/contacts/TfrmClienti.h"
#include "support/Banco.h"

namespace {

const QString kSalvaSenzaNome =
    "Attenzione: per salvare la scheda è necessario indicare il nome del contatto.";
const QString kInserita = "La scheda corrente è stata inserita in archivio.";
const QString kModificata =
    "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";

QString Nome(std::string_view n) { return QString::fromLatin1(n.data(), n.size()); }

// A record with a distinct text in every field, ticked or not.
TSchedaContatto Piena(const QString& prefisso, const char* ricontatta = "S\xC3\xAC") {
    return prova::ContattoPieno(S(prefisso), ricontatta);
}

}  // namespace

class TestClienti : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    QPointer<TfrmClienti> w;  // the launcher test borrows the program's own

    void Accoda(int quante) {
        std::vector<TSchedaContatto> schede;
        for (int i = 1; i <= quante; ++i) schede.push_back(Piena(QString("Scheda %1").arg(i)));
        AccodaContatti(schede);
    }
    TSchedaContatto Leggi(int n) {
        TArchivioContatti a;
        a.Apri(FileContatti());
        return a.LeggiScheda(n);
    }
    std::vector<char> Byte() const {
        std::ifstream f(FileContatti(), std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::vector<char> Record(int n) const {
        const auto b = Byte();
        return {b.begin() + (n - 1) * 3372, b.begin() + n * 3372};
    }

    template <class T = QWidget>
    T* C(const QString& nome) {
        auto* c = w->findChild<T*>(nome);
        if (!c) qWarning("manca %s", qPrintable(nome));
        return c;
    }
    QLineEdit* E(const QString& nome) { return C<QLineEdit>(nome); }
    QString Testo(const QString& nome) {
        if (auto* e = qobject_cast<QLineEdit*>(C(nome))) return e->text();
        return C<QComboBox>(nome)->currentText();
    }
    QString Posizione() { return C<QLabel>("lblPosizione")->text(); }
    bool Spuntata() { return C<QCheckBox>("chkRicontatta")->isChecked(); }
    // A real mouse move through the window, so Enter and Leave reach the controls.
    void Sopra(QWidget* c, QPoint p) { QTest::mouseMove(w->windowHandle(), c->mapTo(w, p)); }
    void Clic(const char* nome) { QTest::mouseClick(C<QAbstractButton>(nome), Qt::LeftButton); }
    void ControllaMessaggio(const QString& tipo, const QString& testo) {
        QCOMPARE(fake->Di("MostraAvviso").size(), 1);
        QCOMPARE(fake->Ultima().tipo, tipo);
        QCOMPARE(fake->Ultima().testo, testo);
    }

private slots:
    void init() {
        Prepara(fake, w);
        QVERIFY(ApriAttiva(w));
    }
    void cleanup() { Smonta(fake, w); }

    void fieldsAtTheirPlacesWithCaptionsLimitsAndHighlights() {
        struct Caso {
            const char* nome;
            QRect r;
            int massimo;
            const char* didascalia;
        } casi[] = {
            {"txtCliente", {136, 42, 281, 22}, 50, "Cognome e nome o ragione sociale:"},
            {"txtDataNasc", {424, 42, 113, 22}, 30, "Data di nascita:"},
            {"txtComuneNasc", {544, 42, 177, 22}, 50, "Comune di nascita:"},
            {"txtProvNasc", {728, 42, 54, 22}, 2, "Prov."},
            {"txtSesso", {136, 90, 57, 22}, 1, "Sesso:"},
            {"txtRecapito", {200, 90, 217, 22}, 50, "Recapito preferenziale:"},
            {"txtIndirizzoRes",
             {424, 90, 297, 22},
             50,
             "Residente in Via / Piazza e numero civico:"},
            {"txtProvRes", {728, 90, 54, 22}, 2, "Prov."},
            {"txtComuneRes", {136, 138, 209, 22}, 50, "Comune di residenza:"},
            {"txtCapRes", {352, 138, 65, 22}, 5, "CAP:"},
            {"txtEstremi", {424, 138, 361, 22}, 250, "Modalità di pagamento:"},
            {"txtTelCasa", {136, 202, 212, 22}, 30, "Tel. casa:"},
            {"txtTelUff", {354, 202, 212, 22}, 30, "Tel. ufficio:"},
            {"txtTelCel", {572, 202, 212, 22}, 30, "Tel. cellulare:"},
            {"txtFax", {136, 250, 212, 22}, 30, "Fax:"},
            {"txtEmail", {404, 250, 351, 22}, 50, "E-mail:"},
            {"txtCodFisc", {136, 314, 212, 22}, 16, "Codice fiscale:"},
            {"txtCarta", {392, 314, 249, 22}, 30, "Carta di credito n."},
            {"txtScadeCarta", {678, 314, 105, 22}, 30, "Scadenza:"},
            {"txtPartitaIva", {136, 362, 212, 22}, 11, "Partita IVA:"},
            {"txtIban", {392, 362, 361, 22}, 27, "IBAN:"},
            {"txtDocumento", {136, 426, 212, 22}, 120, "Estremi documento:"},
            {"txtOccupazione", {354, 426, 212, 22}, 50, "Occupazione:"},
            {"txtCivile", {573, 426, 210, 22}, 50, "Stato civile:"},
            {"txtTitoli", {136, 474, 212, 22}, 120, "Titoli e qualifiche:"},
            {"txtProdotti", {354, 474, 212, 22}, 120, "Prodotti o servizi di interesse:"},
            {"txtZona", {573, 474, 210, 22}, 50, "Zona:"},
            {"txtQuestioni", {136, 538, 488, 22}, 250, "Questioni in sospeso:"},
            {"txtNote", {136, 602, 647, 22}, 250, "Note:"},
        };
        for (const auto& c : casi) {
            const QString n = c.nome;
            QWidget* campo = C(n);
            QVERIFY2(campo, c.nome);
            QCOMPARE(campo->geometry(), c.r);
            QCOMPARE(campo->font().bold(), true);
            QCOMPARE(campo->font().pointSize(), 12);
            auto* e = qobject_cast<QLineEdit*>(campo);
            if (!e) e = C<QComboBox>(n)->lineEdit();
            QCOMPARE(e->maxLength(), c.massimo);
            auto* tit = C<QLabel>("tit" + n.mid(3));
            QVERIFY2(tit, c.nome);
            QCOMPARE(tit->text(), QString(c.didascalia));
            QCOMPARE(tit->pos(), QPoint(c.r.x(), c.r.y() - 18));
            auto* eff = C("eff" + n.mid(3));
            QVERIFY2(eff, c.nome);
            QCOMPARE(eff->geometry(), c.r.adjusted(-4, -4, 4, 4));
            campo->setFocus();
            QVERIFY2(eff->isVisible(), c.nome);
            C("txtCliente" == n ? "txtNote" : "txtCliente")->setFocus();
            QVERIFY2(!eff->isVisible(), c.nome);
        }
        QCOMPARE(E("txtDataNasc")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(E("txtSesso")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        auto* chk = C<QCheckBox>("chkRicontatta");
        QCOMPARE(chk->geometry(), QRect(640, 536, 137, 22));
        QCOMPARE(chk->text(), QString("Da ricontattare"));
        QCOMPARE(w->windowTitle(), QString(" Ricordario Diz 3.0 - Anagrafica contatti"));
    }

    void commandsAndPicturesAtTheirPlaces() {
        struct Caso {
            const char* nome;
            QRect r;
            const char* parola;  // empty: a picture without lettering
        } casi[] = {
            {"cmdNuovo", {814, 30, 148, 32}, "Nuovo"},
            {"cmdDuplica", {814, 69, 148, 32}, "Duplica"},
            {"cmdFile", {814, 108, 148, 32}, "Allega file"},
            {"cmdSalva", {814, 147, 148, 32}, "Salva"},
            {"cmdTrova", {814, 186, 148, 32}, "Trova"},
            {"cmdAnteprima", {814, 225, 148, 32}, "Anteprima"},
            {"cmdStampa", {814, 264, 148, 32}, "Stampa"},
            {"cmdPDF", {814, 303, 148, 32}, "Crea PDF"},
            {"cmdRicontatta", {814, 342, 148, 32}, "Da ricontattare"},
            {"cmdEsporta", {814, 381, 148, 32}, "Esporta archivio"},
            {"cmdGuida", {814, 420, 148, 32}, "Guida"},
            {"cmdEsci", {814, 459, 148, 32}, "Esci"},
            {"cmdPrimo", {806, 649, 15, 17}, ""},
            {"cmdIndietro", {830, 649, 10, 17}, ""},
            {"cmdAvanti", {934, 649, 10, 17}, ""},
            {"cmdUltimo", {955, 649, 15, 17}, ""},
            {"btnCodFisc", {353, 314, 22, 22}, ""},
            {"btnCarta", {647, 314, 22, 22}, ""},
            {"btnPartitaIva", {353, 362, 22, 22}, ""},
            {"btnIban", {760, 362, 22, 22}, ""},
            {"btnEmail", {760, 250, 22, 22}, ""},
        };
        for (const auto& c : casi) {
            auto* b = C<QAbstractButton>(c.nome);
            QVERIFY2(b, c.nome);
            QCOMPARE(b->geometry(), c.r);
            QCOMPARE(b->text(), QString(c.parola));
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        }
        struct Riquadro {
            const char* nome;
            QRect r;
        } riquadri[] = {
            {"shpSezione01", {16, 16, 777, 154}},    {"shpSezione02", {16, 176, 777, 105}},
            {"shpSezione03", {16, 288, 777, 105}},   {"shpSezione04", {16, 400, 777, 105}},
            {"shpSezione05", {16, 512, 777, 121}},   {"shpComandi", {800, 16, 177, 489}},
            {"imgDecoro", {800, 512, 177, 121}},     {"shpInfo", {16, 642, 777, 32}},
            {"shpNavigazione", {800, 642, 177, 32}},
        };
        for (const auto& r : riquadri) QCOMPARE(C(r.nome)->geometry(), r.r);
        for (int i = 1; i <= 5; ++i) QVERIFY(C(QString("imgSezione%1").arg(i, 2, 10, QChar('0'))));
        QVERIFY(C("icoEmail"));
        auto* pos = C<QLabel>("lblPosizione");
        QCOMPARE(pos->geometry().topLeft(), QPoint(846, 650));
        QCOMPARE(pos->width(), 82);
        QCOMPARE(pos->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        for (const char* n :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"}) {
            QVERIFY2(C(n), n);
            QVERIFY2(!C(n)->isVisible(), n);
        }
    }

    void statusLineDescribesCommandsAndEmptiesOverTheBackground() {
        auto* info = C<QLabel>("panInfo");
        // The test screen is smaller than the content: make room so the mouse reaches it all.
        w->showNormal();
        w->setGeometry(0, 0, 1000, 700);
        QTRY_COMPARE(w->Pannello()->mapTo(w, QPoint(994, 691)), QPoint(996, 695));
        QCOMPARE(TfrmClienti().findChild<QLabel*>("panInfo")->text(),
                 QString("Pronto per archiviare una nuova scheda..."));
        const std::pair<const char*, const char*> descrizioni[] = {
            {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
            {"cmdDuplica",
             "Prepara la schermata per la registrazione di una nuova scheda "
             "duplicando i dati correnti."},
            {"cmdFile", "Allega file alla scheda corrente."},
            {"cmdSalva", "Salva la scheda corrente in archivio."},
            {"cmdTrova", "Trova una scheda in archivio."},
            {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
            {"cmdStampa", "Stampa la scheda corrente."},
            {"cmdPDF", "Esporta la scheda in formato PDF."},
            {"cmdRicontatta", "Visualizza il riepilogo delle persone da ricontattare."},
            {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
            {"cmdGuida", "Visualizza la guida in linea."},
            {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
            {"cmdPrimo", "Visualizza la prima scheda in archivio."},
            {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
            {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
            {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
            {"btnCodFisc", "Controlla il codice fiscale."},
            {"btnCarta", "Controlla il numero di carta di credito."},
            {"btnPartitaIva", "Controlla il numero di partita IVA."},
            {"btnIban", "Controlla l'IBAN."},
            {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
            {"chkRicontatta", "Annota che il contatto è da ricontattare per questioni in sospeso."},
        };
        // A real mouse path: over each control, then over the background between them.
        for (const auto& [nome, testo] : descrizioni) {
            QWidget* c = C(nome);
            Sopra(c, c->rect().center());
            QTRY_COMPARE(info->text(), QString::fromUtf8(testo));
            Sopra(w->Pannello(), QPoint(5, 5));
            QTRY_COMPARE(info->text(), QString());
        }
        // Over a section, its picture, a caption or the position label the line empties too.
        for (const char* nome :
             {"shpSezione03", "imgSezione02", "titNote", "lblPosizione", "imgDecoro", "icoEmail"}) {
            Sopra(C("cmdSalva"), QPoint(10, 10));
            QTRY_VERIFY(!info->text().isEmpty());
            QWidget* c = C(nome);
            Sopra(c, QPoint(2, 2));
            QTRY_COMPARE(info->text(), QString());
        }
    }

    void enterFollowsTheChainAndTabStopsAtTheCheckBox() {
        const char* ordine[] = {
            "txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
            "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
            "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
            "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
            "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
            "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote",       "txtCliente"};
        auto haFuoco = [this](const char* nome) {
            QWidget* f = QApplication::focusWidget();
            return f == C(nome) || C(nome)->isAncestorOf(f);
        };
        C("txtCliente")->setFocus();
        for (std::size_t i = 1; i < std::size(ordine); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(haFuoco(ordine[i]), ordine[i]);
        }
        C("txtZona")->setFocus();
        for (const char* atteso : {"txtQuestioni", "chkRicontatta", "txtNote"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(haFuoco(atteso), atteso);
        }
    }

    void typingFiltersOfTheFields() {
        struct Caso {
            const char* nome;
            const char* digitato;
            const char* atteso;
        } casi[] = {
            {"txtCodFisc", "rssmra 80", "RSSMRA80"},
            {"txtIban", "it60 x05", "IT60X05"},
            {"txtSesso", "f", "F"},
            {"txtCapRes", "ab 12", "AB 12"},
            {"txtEmail", " a b@c.it ", "ab@c.it"},
            {"txtCarta", "4111-11x1", "4111111"},
            {"txtPartitaIva", "0123a45", "012345"},
            {"txtProvNasc", "mi", "MI"},
            {"txtProvRes", "zz", "ZZ"},
            {"txtCliente", "de Rossi ", "de Rossi "},
        };
        for (const auto& c : casi) {
            QWidget* campo = C(c.nome);
            campo->setFocus();
            QTest::keyClicks(campo, c.digitato);
            QCOMPARE(Testo(c.nome), QString(c.atteso));
        }
    }

    void showAndComposeCarryEveryField() {
        TSchedaContatto s = Piena("Xy");
        s.Estremi = "Bonifico a 30 giorni, poi saldo con carta di credito aziendale";
        w->MostraScheda(7, s);
        QCOMPARE(Posizione(), QString("7"));
        QVERIFY(Spuntata());
        for (int i = 0; i < 36; ++i) {
            const auto& campo = TSchedaContatto::Campi[i];
            if (campo.nome == "Ricontatta") continue;
            const QString prefisso = i < 29 ? "txt" : "lbl";
            const QString nome = prefisso + Nome(campo.nome);
            const QString atteso = Q(s.*(campo.membro));
            if (i < 29)
                QCOMPARE(Testo(nome), atteso);
            else
                QCOMPARE(C<QLabel>(nome)->text(), atteso);
        }
        QCOMPARE(E("txtEstremi")->cursorPosition(), 0);  // a long text shows its beginning
        const TSchedaContatto r = w->ComponiScheda();
        for (const auto& campo : TSchedaContatto::Campi)
            QCOMPARE(Q(r.*(campo.membro)), Q(s.*(campo.membro)));

        C<QCheckBox>("chkRicontatta")->setChecked(false);
        E("txtNote")->setText("  spazi intorno\t ");
        QCOMPARE(w->ComponiScheda().Ricontatta, std::string("No"));
        QCOMPARE(w->ComponiScheda().Note, std::string("spazi intorno"));
    }

    void salvaAppendsANewCardThenOverwritesIt() {
        Accoda(4);
        const auto primi4 = Byte();
        E("txtCliente")->setText("Verdi Anna");
        E("txtZona")->setText("Romagna");
        Clic("cmdSalva");
        ControllaMessaggio("Information", kInserita);
        QCOMPARE(Posizione(), QString("5"));
        QCOMPARE(Byte().size(), std::size_t{5 * 3372});
        QCOMPARE(Leggi(5).Cliente, std::string("Verdi Anna"));
        QCOMPARE(Leggi(5).Ricontatta, std::string("No"));

        E("txtZona")->setText("Marche");
        C<QCheckBox>("chkRicontatta")->setChecked(true);
        Clic("cmdSalva");
        QCOMPARE(fake->Ultima().tipo, QString("Information"));
        QCOMPARE(fake->Ultima().testo, kModificata);
        QCOMPARE(Posizione(), QString("5"));
        QCOMPARE(Byte().size(), std::size_t{5 * 3372});
        QCOMPARE(Leggi(5).Zona, std::string("Marche"));
        QCOMPARE(Leggi(5).Ricontatta, std::string("S\xC3\xAC"));
        const auto dopo = Byte();
        QVERIFY(std::equal(primi4.begin(), primi4.end(), dopo.begin()));
    }

    void salvaOverwritesTheRecordShown() {
        Accoda(3);
        const auto prima = Byte();
        Clic("cmdAvanti");
        Clic("cmdAvanti");
        QCOMPARE(Posizione(), QString("2"));
        E("txtTelCel")->setText("333 1234567");
        Clic("cmdSalva");
        QCOMPARE(fake->Ultima().testo, kModificata);
        QCOMPARE(Leggi(2).TelCel, std::string("333 1234567"));
        QCOMPARE(Leggi(2).Cliente, std::string("Scheda 2 Cliente"));
        const auto dopo = Byte();
        QCOMPARE(dopo.size(), prima.size());
        QVERIFY(std::equal(prima.begin(), prima.begin() + 3372, dopo.begin()));
        QVERIFY(std::equal(prima.begin() + 2 * 3372, prima.end(), dopo.begin() + 2 * 3372));
    }

    void salvaWithoutNameWarnsAndTouchesNothing() {
        E("txtCliente")->setText("   ");
        E("txtNote")->setText("solo note");
        C("txtNote")->setFocus();
        Clic("cmdSalva");
        ControllaMessaggio("Warning", kSalvaSenzaNome);
        QVERIFY(C("txtCliente")->hasFocus());
        QVERIFY(!std::filesystem::exists(FileContatti()));  // not even opened
        QCOMPARE(Posizione(), QString());
    }

    void duplicaMakesANewCardThatSalvaAppends() {
        AccodaContatti({Piena("Uno"), Piena("Due"), Piena("Tre")});
        const auto record2 = Record(2);
        Clic("cmdPrimo");
        Clic("cmdAvanti");
        QCOMPARE(Posizione(), QString("2"));
        QVERIFY(Spuntata());
        QCOMPARE(C<QLabel>("lblFile01")->text(), QString("Due File01"));
        C("txtNote")->setFocus();

        Clic("cmdDuplica");
        ControllaMessaggio("Information", Q(messaggi::DopoDuplica));
        QCOMPARE(Posizione(), QString());
        for (const char* n :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
            QCOMPARE(C<QLabel>(n)->text(), QString());
        QVERIFY(Spuntata());
        QCOMPARE(Testo("txtCliente"), QString("Due Cliente"));
        QCOMPARE(Testo("txtProvRes"), QString("BO"));
        QCOMPARE(Testo("txtNote"), QString("Due Note"));
        QVERIFY(C("txtCliente")->hasFocus());

        Clic("cmdSalva");
        QCOMPARE(fake->Ultima().testo, kInserita);
        QCOMPARE(Posizione(), QString("4"));
        const TSchedaContatto copia = Leggi(4);
        QCOMPARE(copia.Cliente, std::string("Due Cliente"));
        QCOMPARE(copia.Questioni, std::string("Due Questioni"));
        QCOMPARE(copia.Ricontatta, std::string("S\xC3\xAC"));
        QCOMPARE(copia.File01, std::string());
        QCOMPARE(copia.Desc03, std::string());
        QVERIFY(Record(2) == record2);
    }

    void duplicaOfACardNeverStoredWarns() {
        E("txtCliente")->setText("Nuovo contatto");
        Clic("cmdDuplica");
        ControllaMessaggio("Warning", Q(messaggi::DuplicaNonArchiviata));
        QCOMPARE(Testo("txtCliente"), QString("Nuovo contatto"));
    }

    void navigationTable() {
        // L: the card's position before the command, 0 for a new card (something typed in).
        // Atteso: the position after it, 0 for an empty label; -1 means the card unchanged.
        struct Caso {
            const char* comando;
            int schede, l, atteso;
            bool messaggio;
        } casi[] = {
            {"cmdPrimo", 0, 0, 0, true},      {"cmdUltimo", 0, 0, 0, true},
            {"cmdAvanti", 0, 0, 0, true},     {"cmdIndietro", 0, 0, 0, true},
            {"cmdPrimo", 0, 2, 2, true},      {"cmdUltimo", 0, 2, 2, true},
            {"cmdAvanti", 0, 2, 0, true},     {"cmdIndietro", 0, 2, 2, true},
            {"cmdIndietro", 0, 1, -1, false}, {"cmdPrimo", 4, 0, 1, false},
            {"cmdPrimo", 4, 3, 1, false},     {"cmdUltimo", 4, 0, 4, false},
            {"cmdUltimo", 4, 1, 4, false},    {"cmdAvanti", 4, 0, 1, false},
            {"cmdIndietro", 4, 0, 1, false},  {"cmdAvanti", 4, 1, 2, false},
            {"cmdAvanti", 4, 2, 3, false},    {"cmdAvanti", 4, 4, -1, false},
            {"cmdAvanti", 1, 1, -1, false},   {"cmdIndietro", 4, 1, -1, false},
            {"cmdIndietro", 4, 3, 2, false},  {"cmdIndietro", 4, 4, 3, false},
        };
        for (const auto& c : casi) {
            const QString caso = QString("%1 C=%2 L=%3").arg(c.comando).arg(c.schede).arg(c.l);
            std::filesystem::remove(FileContatti());
            Accoda(c.schede);
            w->PulisciScheda();
            if (c.l > 0)
                w->MostraScheda(c.l, Piena(QString("Mostrata %1").arg(c.l)));
            else
                E("txtCliente")->setText("digitato");
            const QString cliente = Testo("txtCliente");
            fake->chiamate.clear();

            Clic(c.comando);

            if (c.messaggio) {
                QVERIFY2(fake->Di("MostraAvviso").size() == 1, qPrintable(caso));
                QCOMPARE(fake->Ultima().tipo, QString("Information"));
                QCOMPARE(fake->Ultima().testo, Q(messaggi::ArchivioVuoto));
            } else {
                QVERIFY2(fake->chiamate.isEmpty(), qPrintable(caso));
            }
            if (c.atteso < 0) {
                QVERIFY2(Posizione() == QString::number(c.l), qPrintable(caso));
                QVERIFY2(Testo("txtCliente") == cliente, qPrintable(caso));
            } else {
                const QString pos = c.atteso ? QString::number(c.atteso) : QString();
                QVERIFY2(Posizione() == pos, qPrintable(caso + " -> " + Posizione()));
                if (c.schede > 0) {
                    const QString nome = QString("Scheda %1 Cliente").arg(c.atteso);
                    QVERIFY2(Testo("txtCliente") == nome, qPrintable(caso));
                } else {
                    QVERIFY2(Testo("txtCliente") == cliente, qPrintable(caso));
                }
            }
        }
        // Browsing created the missing archive, empty.
        std::filesystem::remove(FileContatti());
        Clic("cmdPrimo");
        QVERIFY(std::filesystem::exists(FileContatti()));
        QVERIFY(std::filesystem::file_size(FileContatti()) == 0);
    }

    void recordWithoutRicontattaLeavesTheCheckBoxAsItWas() {
        AccodaContatti(
            {Piena("A", "S\xC3\xAC"), Piena("B", ""), Piena("C", "No"), Piena("D", "Si")});
        Clic("cmdPrimo");
        QVERIFY(Spuntata());
        Clic("cmdAvanti");  // empty field
        QCOMPARE(Posizione(), QString("2"));
        QVERIFY(Spuntata());
        Clic("cmdAvanti");
        QVERIFY(!Spuntata());
        Clic("cmdIndietro");  // empty field again, after an unticked card
        QVERIFY(!Spuntata());
        Clic("cmdUltimo");  // "Si" without the accent is neither
        QVERIFY(!Spuntata());
    }

    void anArchiveThatCannotBeOpenedIsReported() {
        QVERIFY(QDir().mkpath(fake->cartella() + TArchivioContatti::NomeFile));
        struct Caso {
            const char* comando;
            int l;  // position shown before, 0 for a new card
        } casi[] = {{"cmdSalva", 0},  {"cmdSalva", 3},    {"cmdPrimo", 0},  {"cmdUltimo", 2},
                    {"cmdAvanti", 2}, {"cmdIndietro", 2}, {"cmdDuplica", 3}};
        for (const auto& c : casi) {
            w->PulisciScheda();
            if (c.l) w->MostraScheda(c.l, Piena("Mostrata"));
            E("txtCliente")->setText("Rossi");
            fake->chiamate.clear();
            Clic(c.comando);
            QVERIFY2(fake->chiamate.size() == 1, c.comando);
            QCOMPARE(fake->Ultima().tipo, QString("Error"));
            QCOMPARE(fake->Ultima().testo, Q(messaggi::AccessoArchivio));
            QCOMPARE(Testo("txtCliente"), QString("Rossi"));
            // Only Duplica had already let go of the position before reaching the archive.
            const bool duplica = QByteArray(c.comando) == "cmdDuplica";
            QCOMPARE(Posizione(), c.l && !duplica ? QString::number(c.l) : QString());
        }
        QVERIFY(std::filesystem::is_directory(FileContatti()));
    }

    void showingTheWindowClearsTheCard() {
        w->MostraScheda(3, Piena("Tutto"));
        C<QComboBox>("txtProvRes")->setCurrentIndex(5);
        C("txtNote")->setFocus();
        w->hide();
        w->Apri();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (int i = 0; i < 29; ++i)
            QCOMPARE(Testo("txt" + Nome(TSchedaContatto::Campi[i].nome)), QString());
        for (const char* n : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02",
                              "lblDesc03", "lblPosizione"})
            QCOMPARE(C<QLabel>(n)->text(), QString());
        QVERIFY(!Spuntata());
        QCOMPARE(C<QComboBox>("txtProvRes")->currentIndex(), -1);
        QCOMPARE(C<QComboBox>("txtProvNasc")->currentIndex(), -1);
        QCOMPARE(w->focusWidget(), C("txtCliente"));

        // Nuovo does the same.
        w->MostraScheda(3, Piena("Tutto"));
        Clic("cmdNuovo");
        QCOMPARE(Testo("txtCliente"), QString());
        QCOMPARE(Posizione(), QString());
        QVERIFY(fake->chiamate.isEmpty());
    }

    void checkButtonsHandTheTrimmedFieldToTheirChecker() {
        QString finestra, consegnato;
        fake->Rispondi([&](QDialog* d) {
            finestra = d->objectName();
            for (const char* campo : {"txtCodFisc", "txtPartitaIva", "txtNumero", "txtIban"})
                if (auto* e = d->findChild<QLineEdit*>(campo)) consegnato = e->text();
            return int(QDialog::Rejected);
        });
        struct Caso {
            const char* pulsante;
            const char* campo;
            const char* testo;
            const char* finestra;
            const char* consegnato;
        } casi[] = {
            {"btnCodFisc", "txtCodFisc", "01234567890", "TfrmPartitaIva", "01234567890"},
            {"btnCodFisc", "txtCodFisc", "", "TfrmCodFisc", ""},
            {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501U ", "TfrmCodFisc", "RSSMRA80A01H501U"},
            {"btnPartitaIva", "txtPartitaIva", "01234567890", "TfrmPartitaIva", "01234567890"},
            {"btnCarta", "txtCarta", "4111111111111111", "TfrmCarta", "4111111111111111"},
            {"btnIban", "txtIban", " IT60X05428111010000001234 ", "TfrmIban",
             "IT60X05428111010000001234"},
        };
        for (const auto& c : casi) {
            finestra.clear();
            consegnato = "?";
            E(c.campo)->setText(c.testo);
            Clic(c.pulsante);
            QCOMPARE(finestra, QString(c.finestra));
            QCOMPARE(consegnato, QString(c.consegnato));
        }
    }

    void searchAndRecontactListBringARecordIntoTheCard() {
        TSchedaContatto bianchi = Piena("Bianchi Anna");
        bianchi.Ricontatta = "Sì";
        AccodaContatti({Piena("Rossi Mario"), bianchi});
        QStringList finestre;
        fake->Rispondi([&](QDialog* d) {
            finestre << d->objectName();
            if (auto* cerca = d->findChild<QAbstractButton*>("btnCerca");
                cerca && cerca->isVisible())
                QTest::mouseClick(cerca, Qt::LeftButton);
            auto* lista = d->findChild<ListaRisultati*>("lstRecords");
            const int trovata = lista->Righe().indexOf(QRegularExpression("^Bianchi.*"));
            if (trovata >= 0) {
                lista->Seleziona(trovata);
                QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                                   lista->RettangoloRiga(trovata).center());
            }
            return int(QDialog::Accepted);
        });
        Clic("cmdTrova");
        QCOMPARE(Testo("txtCliente"), Q(bianchi.Cliente));
        QCOMPARE(Posizione(), QString("2"));
        QVERIFY(Spuntata());
        C<QAbstractButton>("cmdNuovo")->click();
        Clic("cmdRicontatta");
        QCOMPARE(Testo("txtCliente"), Q(bianchi.Cliente));
        QCOMPARE(Posizione(), QString("2"));
        QCOMPARE(finestre, QStringList({"TfrmTrovaClienti", "TfrmRicontatta"}));
    }

    void attachmentsWindowGetsAndGivesBackTheAttachments() {
        TfrmAllegaCartella::Allegati allegati;
        allegati[1] = {"contratto.pdf", "Contratto 2026"};
        w->ImpostaAllegati(allegati);
        fake->Rispondi([](QDialog* d) {
            [&] {
                QCOMPARE(d->objectName(), QString("TfrmAllegaCartella"));
                QCOMPARE(d->findChild<QLineEdit*>("txtFile02")->text(), QString("contratto.pdf"));
                d->findChild<QLineEdit*>("txtDesc02")->setText("Contratto firmato");
                QTest::mouseClick(d->findChild<QAbstractButton*>("btnApplica"), Qt::LeftButton);
            }();
            return int(QDialog::Accepted);
        });
        Clic("cmdFile");
        QCOMPARE(w->Allegati()[1].descrizione, QString("Contratto firmato"));
        QCOMPARE(w->Allegati()[1].file, QString("contratto.pdf"));
        QCOMPARE(C<QLabel>("lblDesc02")->text(), QString("Contratto firmato"));
        QCOMPARE(C<QLabel>("lblFile02")->text(), QString("contratto.pdf"));
    }

    void emailButtonHandsAMailtoToTheShell() {
        E("txtEmail")->setText("mario.rossi@example.it");
        Clic("btnEmail");
        QCOMPARE(fake->Ultima().operazione, QString("ApriUrl"));
        QCOMPARE(fake->Ultima().testo, QString("mailto:mario.rossi@example.it"));
        E("txtEmail")->clear();
        Clic("btnEmail");
        QCOMPARE(fake->Ultima().testo, QString("mailto:"));
    }

    void launcherOpensTheCardAndExitComesBack() {
        delete w;
        w = nullptr;
        Programma programma;
        programma.Avvia("avvio");
        TfrmAvvio* avvio = programma.avvio();
        w = programma.clienti();
        QVERIFY(QTest::qWaitForWindowExposed(avvio));
        QTest::mouseClick(avvio->findChild<QAbstractButton*>("btnApp01"), Qt::LeftButton);
        QVERIFY(w->isVisible());
        QVERIFY(!avvio->isVisible());
        Clic("cmdEsci");
        QVERIFY(!w->isVisible());
        QVERIFY(avvio->isVisible());
        w = nullptr;  // the program owns it
    }
};

QTEST_MAIN(TestClienti)
#include "tst_clienti.moc"
