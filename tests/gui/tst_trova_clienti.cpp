#include <QtTest>
#include <filesystem>
#include <functional>

#include "core/text/Messaggi.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "support/Banco.h"

namespace {

TSchedaContatto Contatto(const char* cliente, const char* note = "", const char* codFisc = "") {
    return prova::NuovoContatto(prova::Contatto(cliente, "", note))
        .Recapito("0543 11")
        .Occupazione("Impiegato")
        .CodFisc(codFisc)
        .Zona(std::string("zona ") + codFisc)
        .Questioni(std::string("questioni ") + codFisc)
        .TelCel(std::string("333 ") + codFisc);
}

QString Riga(const TSchedaContatto& s) {
    return QString::fromStdString(
        ricerca::RigaContatto(SchedaMemorizzata<TSchedaContatto>(s).Vista()));
}

// Stands for the windows that open the search: it owns the search and keeps every contact
// a pick hands it, with its position.
class Chiamante : public QWidget {
public:
    QList<std::pair<std::int64_t, TSchedaContatto>> scelti;
    SceltaContatto Scelta() {
        return [this](std::int64_t posizione, const TSchedaContatto& s) {
            scelti.append({posizione, s});
        };
    }
};

}  // namespace

class TestTrovaClienti : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Chiamante* chiamante = nullptr;

    // Drives the search while it is shown.
    void Guida(const std::function<void(TfrmTrovaClienti*)>& guida) { fake->Rispondi(guida); }
    // Opens the search as an opener does, and drives it while it is shown.
    void Apri(const std::function<void(TfrmTrovaClienti*)>& guida) {
        Guida(guida);
        TfrmTrovaClienti::Apri(chiamante, chiamante->Scelta());
    }
    static void Cerca(TfrmTrovaClienti* f) { QTest::mouseClick(f->btnCerca, Qt::LeftButton); }
    static void Trova(TfrmTrovaClienti* f, const QString& testo) {
        f->txtTrova->setText(testo);
        QTest::mouseClick(f->btnTrova, Qt::LeftButton);
    }
    static void DoppioClic(TfrmTrovaClienti* f, int riga) {
        ListaRisultati* l = f->lstRecords;
        const QPoint punto =
            riga < 0 ? QPoint(20, l->viewport()->height() - 5) : l->RettangoloRiga(riga).center();
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, punto);
    }

private slots:
    void init() { Prepara(fake, chiamante); }
    void cleanup() { Smonta(fake, chiamante); }

    void aMissingArchiveIsCreatedEmptyAndTheCountIsZero() {
        QVERIFY(!std::filesystem::exists(FileContatti()));
        Apri([](TfrmTrovaClienti* f) {
            QVERIFY(f->panAvvio->isVisible());
            QVERIFY(!f->panContainer->isVisible());
            QCOMPARE(f->windowTitle(), QString(" Trova contatti in archivio"));
            Cerca(f);
            QVERIFY(!f->panAvvio->isVisible());
            QVERIFY(f->panContainer->isVisible());
            QCOMPARE(f->lstRecords->count(), 0);
            QCOMPARE(f->lblTrovate->text(), QString("Il presente riepilogo contiene 0 schede."));
        });
        QVERIFY(std::filesystem::is_regular_file(FileContatti()));
        QCOMPARE(std::filesystem::file_size(FileContatti()), 0u);
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void theSearchListsTheMatchesSortedAndCountsThem() {
        AccodaContatti({Contatto("Verdi Giuseppe"), Contatto("Rossi Mario"),
                        Contatto("Bianchi", "amico di Rossi"), Contatto("rossi anna"),
                        Contatto("ROSSINI")});
        Apri([](TfrmTrovaClienti* f) {
            f->txtCliente->setText("ROSSI");
            f->txtNote->setText("   ");  // blank: not filled
            Cerca(f);
            const QStringList attese = {Riga(Contatto("rossi anna")), Riga(Contatto("Rossi Mario")),
                                        Riga(Contatto("ROSSINI"))};
            QCOMPARE(f->lstRecords->Righe(), attese);
            QCOMPARE(f->lblTrovate->text(), QString("Il presente riepilogo contiene 3 schede."));
        });
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);  // every filter empty: everything
            QCOMPARE(f->lstRecords->count(), 5);
            QVERIFY(f->lstRecords->Riga(0).startsWith("Bianchi"));
            QVERIFY(f->lstRecords->Riga(4).startsWith("Verdi"));
            QCOMPARE(f->lblTrovate->text(), QString("Il presente riepilogo contiene 5 schede."));
        });
    }

    void trovaOnAnEmptyListGivesTheMessage() {
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            Trova(f, "rossi");
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo,
                 QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    }

    void repeatedTrovaStepsOnAndWrapsAndShowEmptiesTheRememberedText() {
        AccodaContatti({Contatto("Rossi Mario"), Contatto("Bianchi", "cugino di ROSSI"),
                        Contatto("Verdi"), Contatto("Neri")});
        // List order: Bianchi (cugino di ROSSI), Neri, Rossi Mario, Verdi.
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            Trova(f, "Rossi");
            QCOMPARE(f->lstRecords->Selezionata(), 0);
            Trova(f, "Rossi");
            QCOMPARE(f->lstRecords->Selezionata(), 2);
            Trova(f, "rossi");
            QCOMPARE(f->lstRecords->Selezionata(), 0);  // wrapped
            Trova(f, "verdi");
            QCOMPARE(f->lstRecords->Selezionata(), 3);
            Trova(f, "verdi");
            QCOMPARE(f->lstRecords->Selezionata(), 3);  // the only match stays
            Trova(f, "gialli");
            QCOMPARE(f->lstRecords->Selezionata(), 3);  // nothing found: selection unchanged
            Trova(f, "rossi");
            QCOMPARE(f->lstRecords->Selezionata(), 0);
        });
        Apri([](TfrmTrovaClienti* f) {
            QCOMPARE(f->txtTrova->text(), QString());
            Cerca(f);
            // A new window forgot "rossi": a new search tests the first line first (a
            // repeated one would have stepped on to the third).
            Trova(f, "rossi");
            QCOMPARE(f->lstRecords->Selezionata(), 0);
        });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aDoubleClickHandsTheOpenerEveryEqualRecordTheLaterLast() {
        // Records 2 and 4 give the same line; only fields outside the line tell them apart.
        AccodaContatti({Contatto("Bianchi", "", "B"), Contatto("Rossi Mario", "nota", "PRIMA"),
                        Contatto("Rossi Mario", "altra nota", "ALTRA"),
                        Contatto("Rossi Mario", "nota", "DOPO")});
        Apri([](TfrmTrovaClienti* f) {
            f->txtCliente->setText("rossi");
            Cerca(f);
            QCOMPARE(f->lstRecords->count(), 3);
            // Records 2 and 4 ("nota") sort after "altra nota", in file order; the line
            // counts, not the row: the row of record 2 brings record 4 too.
            QVERIFY(f->lstRecords->Riga(1).endsWith("  nota"));
            DoppioClic(f, 1);
            QVERIFY(!f->isVisible());
            QCOMPARE(f->lstRecords->count(), 0);  // emptied on close, memory given back
            QCOMPARE(f->lstRecords->Memoria(), 0u);
            // The search's own fields are not touched by the pick.
            QCOMPARE(f->txtCliente->text(), QString("rossi"));
        });
        QCOMPARE(chiamante->scelti.size(), 2);
        QCOMPARE(chiamante->scelti[0].first, std::int64_t{2});
        QCOMPARE(chiamante->scelti[0].second.CodFisc, std::string("PRIMA"));
        QCOMPARE(chiamante->scelti[1].first, std::int64_t{4});
        QCOMPARE(chiamante->scelti[1].second.CodFisc, std::string("DOPO"));
        QCOMPARE(chiamante->scelti[1].second.Zona, std::string("zona DOPO"));
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void clientiModeShowsTheLaterRecordOnTheCardAtItsPosition() {
        TfrmClienti scheda;
        auto* chk = scheda.findChild<QCheckBox*>("chkRicontatta");
        chk->setChecked(false);
        TSchedaContatto prima = Contatto("Rossi Mario", "nota", "PRIMA");
        prima.Ricontatta = "Sì";
        prima.File01 = "prima.pdf";
        TSchedaContatto dopo = Contatto("Rossi Mario", "nota", "DOPO");
        dopo.Ricontatta = "forse";
        dopo.File01 = "dopo.pdf";
        AccodaContatti({Contatto("Bianchi"), prima, Contatto("Rossi Mario", "altra nota"), dopo});
        Guida([](TfrmTrovaClienti* f) {
            Cerca(f);
            QVERIFY(f->lstRecords->Riga(2).endsWith("  Prod. " + QString(30, ' ') + "  nota"));
            DoppioClic(f, 2);
            QVERIFY(!f->isVisible());
        });
        scheda.cmdTrovaClick();
        QCOMPARE(scheda.findChild<QLineEdit*>("txtCliente")->text(), QString("Rossi Mario"));
        QCOMPARE(scheda.findChild<QLineEdit*>("txtCodFisc")->text(), QString("DOPO"));
        QCOMPARE(scheda.findChild<QLineEdit*>("txtZona")->text(), QString("zona DOPO"));
        QCOMPARE(scheda.findChild<QLabel*>("lblFile01")->text(), QString("dopo.pdf"));
        QCOMPARE(scheda.findChild<QLabel*>("lblPosizione")->text(), QString("4"));
        // Each equal record is shown in turn: the first ticked the box, and the later one,
        // neither "Sì" nor "No", left it as it was.
        QVERIFY(chk->isChecked());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aDoubleClickWithNoLineSelectedClosesSilently() {
        AccodaContatti({Contatto("Rossi Mario", "", "X")});
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            DoppioClic(f, -1);  // below the only line
            QVERIFY(!f->isVisible());
        });
        QVERIFY(chiamante->scelti.isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aPickThatCannotReadTheArchiveClosesSilently() {
        AccodaContatti({Contatto("Rossi Mario", "", "X")});
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            f->lstRecords->Seleziona(0);
            std::filesystem::remove(FileContatti());
            std::filesystem::create_directory(FileContatti());
            DoppioClic(f, 0);
            QVERIFY(!f->isVisible());
        });
        QVERIFY(chiamante->scelti.isEmpty());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aFolderInPlaceOfTheArchiveGivesTheAccessMessage() {
        std::filesystem::create_directory(FileContatti());
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            QVERIFY(f->panAvvio->isVisible());
            QVERIFY(!f->panContainer->isVisible());
            QVERIFY(!f->lblAttendere->isVisible());
        });
        QCOMPARE(fake->Di("MostraMessaggio").size(), 1);
        QCOMPARE(fake->Ultima().testo, QString(messaggi::AccessoArchivio));
        QVERIFY(fake->Ultima().testo.contains("archivio.\n\r\n\rAccertarsi"));
    }

    void theBusyLabelShowsWhileTheMouseIsDownOnCerca() {
        Apri([](TfrmTrovaClienti* f) {
            QVERIFY(!f->lblAttendere->isVisible());
            QTest::mousePress(f->btnCerca, Qt::LeftButton);
            QVERIFY(f->lblAttendere->isVisible());
            QVERIFY(f->panAvvio->isVisible());  // the search runs on release
            QTest::mouseRelease(f->btnCerca, Qt::LeftButton);
            QVERIFY(f->panContainer->isVisible());
            QVERIFY(!f->lblAttendere->isVisible());
        });
    }

    void enterChainsTheFiltersAndHighlightsFollowTheFocus() {
        Apri([](TfrmTrovaClienti* f) {
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
            QVERIFY(f->txtCliente->hasFocus());
            auto* eff = f->findChild<QWidget*>("effCliente");
            QVERIFY(eff && eff->isVisible());
            const QList<QLineEdit*> catena = {f->txtCliente,  f->txtComuneRes, f->txtPartitaIva,
                                              f->txtCodFisc,  f->txtDocumento, f->txtOccupazione,
                                              f->txtProdotti, f->txtZona,      f->txtQuestioni,
                                              f->txtNote};
            for (int i = 0; i < catena.size(); ++i) {
                QTest::keyClick(catena[i], Qt::Key_Return);
                QVERIFY2(catena[(i + 1) % catena.size()]->hasFocus(),
                         qPrintable(catena[i]->objectName()));
            }
            QVERIFY(eff->isVisible());
            QVERIFY(!f->findChild<QWidget*>("effNote")->isVisible());
            QVERIFY(f->panAvvio->isVisible());  // Enter never searches

            // On the result panel Enter in the find field goes to "Trova" without pressing it.
            Cerca(f);
            QVERIFY(f->txtTrova->hasFocus());
            QVERIFY(f->findChild<QWidget*>("effTrova")->isVisible());
            QTest::keyClick(f->txtTrova, Qt::Key_Return);
            QVERIFY(f->btnTrova->hasFocus());
        });
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void stampaPrintsTheTitleAndTheLinesInListOrder() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake->stampanteAccettata = true;
        AccodaContatti({Contatto("Zeta"), Contatto("alfa"), Contatto("Beta")});
        Apri([](TfrmTrovaClienti* f) {
            Cerca(f);
            QTest::mouseClick(f->btnStampa, Qt::LeftButton);
        });
        QCOMPARE(fake->Di("ChiediStampante").size(), 1);
        QProcess p;
        p.start("pdftotext", {fake->cartella() + "stampa.pdf", "-"});
        QVERIFY(p.waitForFinished());
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const qsizetype titolo = testo.indexOf("Riepilogo contatti"), a = testo.indexOf("alfa"),
                        b = testo.indexOf("Beta"), z = testo.indexOf("Zeta");
        QVERIFY2(titolo >= 0 && titolo < a && a < b && b < z, qPrintable(testo));
    }
};

QTEST_MAIN(TestTrovaClienti)
#include "tst_trova_clienti.moc"
