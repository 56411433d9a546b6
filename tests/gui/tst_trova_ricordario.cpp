#include <QComboBox>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "core/text/Messaggi.h"
#include "core/deadlines/RigaScadenza.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "gui/deadlines/TfrmTrovaRicordario.h"
#include "support/Banco.h"

namespace {

TSchedaScadenza Scadenza(const char* dettagli, const char* giorno, const char* mese,
                         const char* pagatore = "Rossi Mario") {
    return prova::NuovaScadenza()
        .Il(std::string(giorno) + "/" + mese + "/2021")
        .Alle("09:30")
        .Avviso("3")
        .Pagatore(pagatore)
        .Beneficiario("Pagamento")
        .Dettagli(dettagli)
        .Costo("12,50")
        .DaConfermare("No")
        .Effettuata("No");
}

QString Riga(const TSchedaScadenza& s) {
    return QString::fromStdString(
        scadenza::RigaScadenza(SchedaMemorizzata<TSchedaScadenza>(s).Vista()));
}

}  // namespace

class TestTrovaRicordario : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmRicordario* scheda = nullptr;

    // Opens the search with the card's command, and drives it while it is shown.
    void Apri(const std::function<void(TfrmTrovaRicordario*)>& guida) {
        fake->Rispondi(guida);
        QTest::mouseClick(scheda->cmdTrova, Qt::LeftButton);
    }
    static void Cerca(TfrmTrovaRicordario* f) { QTest::mouseClick(f->btnCerca, Qt::LeftButton); }
    static void DoppioClic(TfrmTrovaRicordario* f, int riga) {
        ListaRisultati* l = f->lstRecords;
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                           l->RettangoloRiga(riga).center());
    }

private slots:
    void init() {
        Prepara(fake, scheda);
        scheda->ImpostaAnno(2021, FileAnno(2021));
    }
    void cleanup() { Smonta(fake, scheda); }

    void aMissingArchiveIsCreatedEmptyAndTrovaSaysTheListIsEmpty() {
        Apri([](TfrmTrovaRicordario* f) {
            QCOMPARE(f->windowTitle(), QString(" Trova scadenze e appuntamenti in archivio"));
            QVERIFY(f->panAvvio->isVisible());
            QVERIFY(!f->panContainer->isVisible());
            Cerca(f);
            QVERIFY(f->panContainer->isVisible());
            QCOMPARE(f->lblTrovate->text(), QString("Il presente elenco contiene 0 schede."));
            f->txtTrova->setText("rata");
            QTest::mouseClick(f->btnTrova, Qt::LeftButton);
        });
        QVERIFY(std::filesystem::is_regular_file(FileAnno(2021)));
        QCOMPARE(std::filesystem::file_size(FileAnno(2021)), 0u);
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo, QString(messaggi::ListaVuota));
        QVERIFY(!scheda->findChild<QDialog*>());  // destroyed after use
    }

    void everyFilterEmptyListsTheWholeYearInListOrder() {
        const std::vector<TSchedaScadenza> schede = {
            Scadenza("Rata mutuo", "05", "03"), Scadenza("bolletta luce", "10", "01"),
            Scadenza("Visita", "03", "04"), Scadenza("Assicurazione auto", "30", "03")};
        AccodaScadenze(2021, schede);
        Apri([&](TfrmTrovaRicordario* f) {
            f->txtNote->setText("  ");  // blank: not filled
            Cerca(f);
            const QStringList attese = {Riga(schede[3]), Riga(schede[1]), Riga(schede[0]),
                                        Riga(schede[2])};
            QCOMPARE(f->lstRecords->Righe(), attese);
            QCOMPARE(f->lblTrovate->text(), QString("Il presente elenco contiene 4 schede."));
            f->txtTrova->setText("VISITA");
            QTest::mouseClick(f->btnTrova, Qt::LeftButton);
            QCOMPARE(f->lstRecords->Selezionata(), 3);
        });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aMonthInTheDateFilterFindsEveryRecordOfThatMonth() {
        TSchedaScadenza lunga = Scadenza("", "30", "03", "Bianchi");
        lunga.Dettagli = std::string(40, 'r') + "XXXXX";  // 45 characters
        lunga.Costo = "1234567,8912";
        AccodaScadenze(2021, {Scadenza("Rata mutuo", "05", "03"), Scadenza("Visita", "03", "04"), lunga,
                Scadenza("Bolletta", "13", "03"), Scadenza("Tassa", "03", "01")});
        Apri([](TfrmTrovaRicordario* f) {
            f->txtData->setText("03/2021");
            Cerca(f);
            QCOMPARE(f->lstRecords->count(), 3);
            QVERIFY(f->lstRecords->Riga(0).startsWith("Bolletta"));
            QVERIFY(f->lstRecords->Riga(1).startsWith("Rata mutuo"));
            const QString riga = f->lstRecords->Riga(2);
            QCOMPARE(riga.left(48), QString(40, 'r') + "  Data: ");
            QVERIFY2(riga.endsWith("  Tipo:  Pagamento" + QString(15, ' ') + "  € 1234567,8912"),
                     qPrintable(riga));
            QCOMPARE(f->lblTrovate->text(), QString("Il presente elenco contiene 3 schede."));
        });
        // Two filters: a record must hold both.
        Apri([](TfrmTrovaRicordario* f) {
            f->txtData->setText("03/2021");
            f->txtPagatore->setText("BIANCHI");
            Cerca(f);
            QCOMPARE(f->lstRecords->count(), 1);
        });
    }

    void aPickShowsTheRecordOnTheCardWithItsFlagsAndPosition_data() {
        QTest::addColumn<bool>("daConfermarePrima");
        QTest::newRow("box ticked before") << true;
        QTest::newRow("box cleared before") << false;
    }
    void aPickShowsTheRecordOnTheCardWithItsFlagsAndPosition() {
        QFETCH(bool, daConfermarePrima);
        const TSchedaScadenza terza =
            prova::NuovaScadenza(Scadenza("Rinnovo polizza", "07", "02", "Verdi Anna"))
                .CodFisc("VRDNNA80A41H199X")
                .Note("portare il libretto")
                .Costo("99,90")
                .Effettuata("Sì")
                .DaConfermare("forse");  // neither "Sì" nor "No"
        AccodaScadenze(2021, {Scadenza("Rata mutuo", "05", "03"), Scadenza("Visita", "03", "04"), terza});
        scheda->chkDaConfermare->setChecked(daConfermarePrima);
        scheda->chkEffettuata->setChecked(false);
        // The card shows another year than the record's: showing the record puts its own.
        scheda->ImpostaAnno(1999, FileAnno(2021));
        Apri([](TfrmTrovaRicordario* f) {
            Cerca(f);
            QVERIFY(f->lstRecords->Riga(1).startsWith("Rinnovo polizza"));
            DoppioClic(f, 1);
            QVERIFY(!f->isVisible());
        });
        QCOMPARE(scheda->lblPosizione->text(), QString("3"));
        QVERIFY(scheda->chkEffettuata->isChecked());
        QCOMPARE(scheda->chkDaConfermare->isChecked(), daConfermarePrima);
        QCOMPARE(scheda->txtDettagli->text(), QString("Rinnovo polizza"));
        QCOMPARE(scheda->txtPagatore->text(), QString("Verdi Anna"));
        QCOMPARE(scheda->txtCodFisc->text(), QString("VRDNNA80A41H199X"));
        QCOMPARE(scheda->txtNote->text(), QString("portare il libretto"));
        QCOMPARE(scheda->txtCosto->text(), QString("99,90"));
        QCOMPARE(scheda->txtGiorno->currentText(), QString("07"));
        QCOMPARE(scheda->txtMese->currentText(), QString("Febbraio"));
        QCOMPARE(scheda->lblAnno->text(), QString("2021"));
        QCOMPARE(scheda->lblData->text(), QString("07/02/2021"));
        QCOMPARE(scheda->lblOra->text(), QString("09:30"));
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QVERIFY(!scheda->findChild<QDialog*>());
    }

    void ofTwoRecordsWithTheSameLineTheLaterOneStays() {
        TSchedaScadenza prima = Scadenza("Rata", "05", "03");
        prima.Note = "prima";
        TSchedaScadenza dopo = prima;
        dopo.Note = "dopo";
        AccodaScadenze(2021, {prima, Scadenza("Altro", "01", "01"), dopo});
        Apri([](TfrmTrovaRicordario* f) {
            Cerca(f);
            QCOMPARE(f->lstRecords->Riga(1), f->lstRecords->Riga(2));
            DoppioClic(f, 1);
        });
        QCOMPARE(scheda->txtNote->text(), QString("dopo"));
        QCOMPARE(scheda->lblPosizione->text(), QString("3"));
    }

    void aPickThatCannotReadTheArchiveClosesAndLeavesTheCard() {
        AccodaScadenze(2021, {Scadenza("Rata", "05", "03")});
        scheda->txtDettagli->setText("sulla scheda");
        Apri([&](TfrmTrovaRicordario* f) {
            Cerca(f);
            f->lstRecords->Seleziona(0);
            std::filesystem::remove(FileAnno(2021));
            std::filesystem::create_directory(FileAnno(2021));
            DoppioClic(f, 0);
            QVERIFY(!f->isVisible());
        });
        QCOMPARE(scheda->txtDettagli->text(), QString("sulla scheda"));
        QCOMPARE(scheda->lblPosizione->text(), QString());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aFolderInPlaceOfTheArchiveGivesTheAccessMessageAndKeepsTheFilters() {
        std::filesystem::create_directory(FileAnno(2021));
        Apri([](TfrmTrovaRicordario* f) {
            f->txtPagatore->setText("rossi");
            Cerca(f);
            QVERIFY(f->panAvvio->isVisible());
            QVERIFY(!f->panContainer->isVisible());
            QVERIFY(!f->lblAttendere->isVisible());
            QCOMPARE(f->txtPagatore->text(), QString("rossi"));
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo, QString(messaggi::AccessoArchivio));
        QVERIFY(fake->Ultima().testo.contains("archivio.\n\r\n\rAccertarsi"));
    }

    void filtersCarryTheirCaptionsAndEnterRunsTheirChain() {
        Apri([](TfrmTrovaRicordario* f) {
            const QList<QPair<QLineEdit*, QString>> filtri = {
                {f->txtData, "Data scadenza (gg/mm/aaaa):"},
                {f->txtOra, "Ora appuntamento (hh:mm):"},
                {f->txtPagatore, "Cognome e nome:"},
                {f->txtCodFisc, "Codice fiscale:"},
                {f->txtNumTessera, "Zona:"},
                {f->txtCarica, "Questioni in sospeso:"},
                {f->txtAnticipi, "Altre persone da incontrare:"},
                {f->txtBeneficiario, "Tipologia:"},
                {f->txtDettagli, "Causale scadenza:"},
                {f->txtNote, "Note:"},
            };
            for (const auto& [campo, etichetta] : filtri) {
                auto* tit = f->findChild<QLabel*>("tit" + campo->objectName().mid(3));
                QVERIFY2(tit, qPrintable(campo->objectName()));
                QCOMPARE(tit->text(), etichetta);
                QCOMPARE(campo->maxLength(), 32767);  // no limit
            }
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            QVERIFY(f->txtData->hasFocus());
            QVERIFY(f->findChild<QWidget*>("effData")->isVisible());
            for (int i = 0; i < filtri.size(); ++i) {
                QTest::keyClick(filtri[i].first, Qt::Key_Return);
                QVERIFY2(filtri[(i + 1) % filtri.size()].first->hasFocus(),
                         qPrintable(filtri[i].first->objectName()));
            }
            QVERIFY(f->panAvvio->isVisible());  // Enter never searches
        });
    }

    void stampaPrintsTheTitleAndTheLinesInListOrder() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake->stampanteAccettata = true;
        AccodaScadenze(2021, {Scadenza("Zeta", "01", "01"), Scadenza("alfa", "02", "01"),
                Scadenza("Beta", "03", "01")});
        Apri([](TfrmTrovaRicordario* f) {
            Cerca(f);
            QTest::mouseClick(f->btnStampa, Qt::LeftButton);
        });
        QCOMPARE(fake->Di("ChiediStampante").size(), 1);
        QProcess p;
        p.start("pdftotext", {fake->cartella() + "stampa.pdf", "-"});
        QVERIFY(p.waitForFinished());
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const qsizetype titolo = testo.indexOf("Riepilogo scadenze e appuntamenti"),
                        a = testo.indexOf("alfa"), b = testo.indexOf("Beta"),
                        z = testo.indexOf("Zeta");
        QVERIFY2(titolo >= 0 && titolo < a && a < b && b < z, qPrintable(testo));
    }
};

QTEST_MAIN(TestTrovaRicordario)
#include "tst_trova_ricordario.moc"
