// The repeat command of the deadline card and its window, and the card's working-day hint.
#include <QtTest>
#include <filesystem>

#include "SchedeDiProva.h"
#include "core/deadlines/Ripetizioni.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/deadlines/TfrmRipeti.h"
#include "support/Banco.h"

class TestRipeti : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmRicordario* s = nullptr;

    // The card on record 1 of 2025, a deadline of 31 October.
    void SchedaSalvata() {
        AccodaScadenze(2025, {prova::Scadenza("31/10/2025", "10:00")});
        s->cmdAvantiClick();
        QCOMPARE(s->Posizione(), 1);
    }
    // Repeats with the window as the test sets it, and says what the window said.
    Chiamata Ripeti(const std::function<void(TfrmRipeti*)>& imposta) {
        fake->chiamate.clear();
        fake->Rispondi([&](TfrmRipeti* f) {
            imposta(f);
            f->btnRipetiClick();
            return f->result();
        });
        s->cmdRipetiClick();
        fake->SmettiDiRispondere();
        return fake->Di("MostraAvviso").value(0);
    }
    static void Volte(TfrmRipeti* f, const QString& volte) {
        f->txtPasso->setCurrentIndex(f->txtPasso->findText("ogni mese"));
        f->optVolte->setChecked(true);
        f->txtVolte->setText(volte);
    }

private slots:
    void init() {
        Prepara(fake, s);
        fake->adesso = QDateTime(QDate(2025, 10, 1), QTime(9, 0));
        s->ImpostaAnno(2025, FileAnno(2025));
        QVERIFY(ApriAttiva(s));
    }
    void cleanup() { Smonta(fake, s); }

    void fourteenMonthlyRepeatsFillBothYearFiles() {
        SchedaSalvata();
        const auto prima = LeggiScadenzeSenzaCreare(FileAnno(2025));
        const Chiamata c = Ripeti([](TfrmRipeti* f) {
            QCOMPARE(f->size(), QSize(440, 318));
            QVERIFY(f->lblScheda->text().contains("31/10/2025"));
            Volte(f, "14");
        });
        QCOMPARE(c.tipo, QString("Information"));
        QCOMPARE(c.testo, QString("Sono state inserite in archivio 14 schede: 2 nell'archivio "
                                  "2025, 12 nell'archivio 2026."));
        const auto anno2025 = LeggiScadenzeSenzaCreare(FileAnno(2025));
        const auto anno2026 = LeggiScadenzeSenzaCreare(FileAnno(2026));
        QCOMPARE(anno2025.size(), 3u);
        QCOMPARE(anno2026.size(), 12u);
        QCOMPARE(anno2025[0].Data, prima[0].Data);  // the record on the card is unchanged
        QCOMPARE(anno2025[1].Data, std::string("30/11/2025"));
        QCOMPARE(anno2025[2].Data, std::string("31/12/2025"));
        QCOMPARE(anno2026[1].Data, std::string("28/02/2026"));
        QCOMPARE(anno2026[1].Mese, std::string("Febbraio"));
        QCOMPARE(anno2026[2].Data, std::string("31/03/2026"));
        QCOMPARE(anno2026[11].Data, std::string("31/12/2026"));
        QCOMPARE(anno2026[11].Effettuata, std::string("No"));
        QCOMPARE(s->Posizione(), 1);
    }

    void nonsenseAndUnsavedCardsAreRefused() {
        // A new card: refused as Duplica refuses it, no window.
        s->cmdRipetiClick();
        QCOMPARE(fake->Ultima().tipo, QString("Warning"));
        QCOMPARE(fake->Ultima().testo, QString::fromUtf8(ripetizione::NonArchiviata.data(),
                                                         ripetizione::NonArchiviata.size()));

        SchedaSalvata();
        QCOMPARE(Ripeti([](TfrmRipeti* f) { Volte(f, "0"); }).testo,
                 QString("Attenzione: il numero delle ripetizioni deve essere almeno 1."));
        QCOMPARE(Ripeti([](TfrmRipeti* f) { Volte(f, "501"); }).testo,
                 QString("Attenzione: una scadenza può essere ripetuta al massimo 500 volte."));
        QCOMPARE(Ripeti([](TfrmRipeti* f) {
                     f->optFino->setChecked(true);
                     f->txtFino->setDate(QDate(2025, 10, 1));
                 }).testo,
                 QString("Attenzione: la data finale deve essere successiva alla data della "
                         "scheda."));
        QCOMPARE(Ripeti([](TfrmRipeti* f) {
                     f->txtPasso->setCurrentIndex(f->txtPasso->findText("ogni anno"));
                     f->optVolte->setChecked(true);
                     f->txtVolte->setText("60");
                 }).testo,
                 QString("Attenzione: le ripetizioni non possono andare oltre 50 anni dalla data "
                         "della scheda."));
        QCOMPARE(fake->Ultima().tipo, QString("Warning"));
        // Nothing was written.
        QCOMPARE(LeggiScadenzeSenzaCreare(FileAnno(2025)).size(), 1u);
        QVERIFY(!std::filesystem::exists(FileAnno(2026)));
    }

    void aYearFileThatCannotBeWrittenIsNamed() {
        SchedaSalvata();
        std::filesystem::create_directory(FileAnno(2026));
        const Chiamata c = Ripeti([](TfrmRipeti* f) { Volte(f, "14"); });
        QCOMPARE(c.tipo, QString("Error"));
        QCOMPARE(c.testo, QString("Attenzione: il sistema non permette di accedere all'archivio "
                                  "2026.rcd.\n\r\n\rSono già state inserite 2 schede: 2 "
                                  "nell'archivio 2025. Le altre ripetizioni non sono state "
                                  "inserite."));
        QCOMPARE(LeggiScadenzeSenzaCreare(FileAnno(2025)).size(), 3u);
    }

    void theCardHintsAtDaysThatAreNotWorkingDays() {
        s->txtGiorno->setCurrentIndex(s->txtGiorno->findText("25"));
        s->txtMese->setCurrentIndex(s->txtMese->findText("Dicembre"));
        QCOMPARE(s->lblLavorativo->text(),
                 QString("Il 25/12/2025 non è un giorno lavorativo (Natale): il primo giorno "
                         "lavorativo successivo è il 29/12/2025."));
        s->txtGiorno->setCurrentIndex(s->txtGiorno->findText("23"));
        QCOMPARE(s->lblLavorativo->text(), QString());
        // Only a hint: a card on a Sunday saves.
        s->txtGiorno->setCurrentIndex(s->txtGiorno->findText("28"));
        QVERIFY(s->lblLavorativo->text().contains("domenica"));
        QCOMPARE(s->cmdRipeti->geometry(), QRect(814, 520, 148, 32));
    }
};

QTEST_MAIN(TestRipeti)
#include "tst_ripeti.moc"
