#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "gui/contacts/TfrmClienti.h"
#include "support/FakePiattaforma.h"

// Preview, printing and PDF of the contact card, read back with a real PDF reader.
class TestClientiStampa : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    TfrmClienti* w = nullptr;

    void Imposta(const char* nome, const QString& testo) {
        if (auto* e = w->findChild<QLineEdit*>(nome))
            e->setText(testo);
        else
            w->findChild<QComboBox*>(nome)->setEditText(testo);
    }
    void Clic(const char* nome) {
        QTest::mouseClick(w->findChild<QAbstractButton*>(nome), Qt::LeftButton);
    }
    QString Pdf() const { return fake->cartella() + "Contatto.pdf"; }
    static QString TestoPdf(const QString& file) {
        QProcess p;
        p.start("pdftotext", {"-layout", file, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void init() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        fake = new FakePiattaforma;
        w = new TfrmClienti;
        w->Apri();
        Imposta("txtCliente", "Niccolò Forlì");
        Imposta("txtComuneNasc", "Cesena");
        Imposta("txtProvNasc", "FC");
        Imposta("txtCarta", "4111111111111111");
        Imposta("txtScadeCarta", "12/2029");
        Imposta("txtZona", "Romagna");
        Imposta("txtNote", "[DATE] va stampato così com'è");
        Imposta("txtCapRes", "47521");
    }
    void cleanup() {
        delete w;
        delete fake;
    }

    void pdfHoldsTitleCaptionsAndValues() {
        fake->risposte = {Risposta::No};
        Clic("cmdPDF");
        QVERIFY(QFileInfo::exists(Pdf()));
        QCOMPARE(fake->Di("ChiediConferma").size(), 1);
        QCOMPARE(fake->Di("ChiediConferma").first().testo,
                 QString("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                         "Si vuole aprire il file?"));
        QVERIFY(fake->Di("ApriUrl").isEmpty());  // No: left on disk, not opened

        const QString t = TestoPdf(Pdf());
        QVERIFY(t.contains("SCHEDA ANAGRAFICA CONTATTO"));
        for (const char* c : {"Cognome e nome:",
                              "Data di nascita:",
                              "Comune di nascita:",
                              "Sesso:",
                              "Recapito preferenziale:",
                              "Indirizzo di residenza:",
                              "Comune di residenza:",
                              "Modalità pagamento:",
                              "Tel. casa:",
                              "Tel. ufficio:",
                              "Tel. cellulare:",
                              "Fax:",
                              "E-mail:",
                              "Codice fiscale:",
                              "Partita IVA:",
                              "Carta di credito:",
                              "IBAN:",
                              "Estremi documento:",
                              "Occupazione:",
                              "Titoli e qualifiche:",
                              "Prodotti e servizi:",
                              "Zona di appartenenza:",
                              "Questioni in sospeso:",
                              "Note:"})
            QVERIFY2(t.contains(QString::fromUtf8(c)), c);
        QVERIFY(t.contains("Niccolò Forlì"));
        QVERIFY(t.contains("Cesena FC"));
        QVERIFY(t.simplified().contains("N. 4111111111111111 - Scadenza: 12/2029"));
        QVERIFY(t.contains("[DATE] va stampato così com'è"));
        QVERIFY(t.contains("Stampa eseguita in data 09/12/2026 alle ore 10:30:00"));
        QVERIFY(!t.contains("47521"));  // the postal code is not printed
    }

    void exportingAgainReplacesTheFileAndYesOpensIt() {
        fake->risposte = {Risposta::No, Risposta::Si};
        Clic("cmdPDF");
        Imposta("txtCliente", "Secondo Contatto");
        Clic("cmdPDF");
        const QString t = TestoPdf(Pdf());
        QVERIFY(t.contains("Secondo Contatto"));
        QVERIFY(!t.contains("Niccolò"));
        QCOMPARE(fake->Di("ApriUrl").size(), 1);
        QCOMPARE(fake->Ultima().testo, QUrl::fromLocalFile(Pdf()).toString());
    }

    void printingUsesZonaAndACancelledDialogPrintsNothing() {
        Clic("cmdStampa");
        QCOMPARE(fake->Di("ChiediStampante").size(), 1);
        QVERIFY(!QFileInfo::exists(fake->cartella() + "stampa.pdf"));

        fake->stampanteAccettata = true;
        Clic("cmdStampa");
        const QString t = TestoPdf(fake->cartella() + "stampa.pdf");
        QVERIFY(t.contains("Zona:"));
        QVERIFY(!t.contains("Zona di appartenenza:"));
        QVERIFY(t.contains("Romagna"));
        QVERIFY(fake->Di("ChiediConferma").isEmpty());
    }

    void previewOpensModally() {
        Clic("cmdAnteprima");
        QCOMPARE(fake->Di("MostraModale").size(), 1);
        QCOMPARE(fake->Di("MostraModale").first().testo, QString("frmAnteprima"));
    }

    void helpOpensTheCardPage() {
        QString titolo;
        fake->Rispondi([&titolo](QDialog* d) {
            titolo = d->findChild<QLabel*>("lblTitolo")->text();
            return int(QDialog::Accepted);
        });
        Clic("cmdGuida");
        QCOMPARE(titolo, QString("Applicazione Anagrafica contatti."));
    }
};

QTEST_MAIN(TestClientiStampa)
#include "tst_clienti_stampa.moc"
