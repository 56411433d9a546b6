#include <QtTest>
#include <functional>

#include "core/contacts/Allegati.h"
#include "gui/contacts/TfrmAllegaCartella.h"
#include "support/Banco.h"

namespace {

// The card as the window sees it: an owner with three attachments, which "Applica e
// chiudi" gives back.
class Scheda : public QWidget {
public:
    TfrmAllegaCartella::Allegati allegati;
    // "File01".."File03", "Desc01".."Desc03".
    QString& operator[](const QString& nome) {
        auto& a = allegati[nome.right(2).toInt() - 1];
        return nome.startsWith("File") ? a.file : a.descrizione;
    }
    QStringList Testi() const {
        QStringList t;
        for (const auto& a : allegati) t << a.file << a.descrizione;
        return t;
    }
};

void Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dati);
}

QByteArray Leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestAllegati : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Scheda* scheda = nullptr;
    QTemporaryDir* origini = nullptr;  // where the user's own files are

    QString Cartella() const { return CartellaProgramma() + "Documenti_Allegati/"; }
    QString Origine(const QString& nome, const QByteArray& dati) {
        const QString p = origini->filePath(nome);
        Scrivi(p, dati);
        return p;
    }

    // Opens the window as the card's command does and runs `guida` while it is shown;
    // tells whether the window was still open afterwards.
    bool Apri(const std::function<void(TfrmAllegaCartella*)>& guida) {
        bool aperta = false;
        fake->Rispondi([&](TfrmAllegaCartella* f) {
            guida(f);
            aperta = f->isVisible();
        });
        TfrmAllegaCartella::Apri(
            scheda, scheda->allegati,
            [this](const TfrmAllegaCartella::Allegati& a) { scheda->allegati = a; });
        return aperta;
    }

private slots:
    void init() {
        Prepara(fake, scheda);
        origini = new QTemporaryDir;
    }
    void cleanup() {
        delete origini;
        Smonta(fake, scheda);
    }

    void theCardsLabelsFillTheSlots() {
        (*scheda)["File01"] = " fattura.pdf ";
        (*scheda)["Desc01"] = "  Fattura di marzo\t";
        (*scheda)["Desc03"] = "solo descrizione";
        Apri([&](TfrmAllegaCartella* f) {
            QCOMPARE(f->windowTitle(), QString(" Allega file"));
            QCOMPARE(f->txtFile01->text(), QString("fattura.pdf"));
            QCOMPARE(f->txtDesc01->text(), QString("Fattura di marzo"));
            QCOMPARE(f->txtDesc03->text(), QString("solo descrizione"));
            QVERIFY(f->txtFile01->isReadOnly());
            // "Apri" is there exactly when the slot has a name.
            QVERIFY(f->btnApri01->isEnabled());
            QVERIFY(!f->btnApri02->isEnabled());
            QVERIFY(!f->btnApri03->isEnabled());
        });
        // Opening alone writes nothing.
        QVERIFY(!QFileInfo::exists(Cartella()));
    }

    void firstBrowseCreatesTheFolderWithItsParentsAndCopies() {
        ImpostaCartellaProgramma(fake->cartella() + "non/ancora");
        const QString scelto = Origine("preventivo 2024.pdf", "contenuto del preventivo");
        fake->fileScelti << scelto;
        Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia02, Qt::LeftButton);
            QCOMPARE(f->txtFile02->text(), QString("preventivo 2024.pdf"));
            QVERIFY(f->btnApri02->isEnabled());
        });
        QVERIFY(Cartella().startsWith(fake->cartella() + "non/ancora"));
        QCOMPARE(Leggi(Cartella() + "preventivo 2024.pdf"), QByteArray("contenuto del preventivo"));
        QCOMPARE(Leggi(scelto), QByteArray("contenuto del preventivo"));
        QCOMPARE(fake->Di("ScegliFile").size(), 1);
        QCOMPARE(fake->Di("ScegliFile").first().testo, QString("Selezionare il file da allegare:"));
        QCOMPARE(fake->Di("ScegliFile").first().tipo, QString("Tutti i file (*.*)"));
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QVERIFY(fake->Di("ChiediConferma").isEmpty());
    }

    void cancellingTheFileDialogChangesNothing() {
        (*scheda)["File01"] = "fattura.pdf";
        Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
            QCOMPARE(f->txtFile01->text(), QString("fattura.pdf"));
        });
        QCOMPARE(fake->Di("ScegliFile").size(), 1);
        QVERIFY(!QFileInfo::exists(Cartella()));
    }

    void anExistingNameAsksBeforeOverwriting() {
        QDir().mkpath(Cartella());
        Scrivi(Cartella() + "fattura.pdf", "versione precedente");
        fake->fileScelti << Origine("fattura.pdf", "versione nuova")
                         << Origine("fattura.pdf", "versione nuova");
        fake->risposte << Risposta::No << Risposta::Si;
        Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
            // No: the slot refers to the file already there, which stays as it was.
            QCOMPARE(f->txtFile01->text(), QString("fattura.pdf"));
            QCOMPARE(Leggi(Cartella() + "fattura.pdf"), QByteArray("versione precedente"));
            QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
            QCOMPARE(Leggi(Cartella() + "fattura.pdf"), QByteArray("versione nuova"));
        });
        const auto domande = fake->Di("ChiediConferma");
        QCOMPARE(domande.size(), 2);
        QCOMPARE(domande.first().testo,
                 QString("Attenzione: nella cartella dei documenti allegati è presente un file "
                         "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
    }

    void choosingTheCopyAlreadyInTheFolderAsksNothing() {
        QDir().mkpath(Cartella());
        Scrivi(Cartella() + "contratto.pdf", "firmato");
        fake->fileScelti << Cartella() + "contratto.pdf";
        Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia03, Qt::LeftButton);
            QCOMPARE(f->txtFile03->text(), QString("contratto.pdf"));
        });
        QVERIFY(fake->Di("ChiediConferma").isEmpty());
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
        QCOMPARE(Leggi(Cartella() + "contratto.pdf"), QByteArray("firmato"));
    }

    void clearingASlotAndApplyingStoresAnEmptyName() {
        QDir().mkpath(Cartella());
        Scrivi(Cartella() + "fattura.pdf", "resta");
        (*scheda)["File01"] = "fattura.pdf";
        (*scheda)["Desc01"] = "Fattura";
        (*scheda)["File02"] = "altro.pdf";
        const bool aperta = Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->imgCancella01, Qt::LeftButton);
            QCOMPARE(f->txtFile01->text(), QString());
            QCOMPARE(f->txtDesc01->text(), QString("Fattura"));
            QVERIFY(!f->btnApri01->isEnabled());
            f->txtDesc02->setText("  Altro documento ");
            QTest::mouseClick(f->btnApplica, Qt::LeftButton);
        });
        QVERIFY(!aperta);
        QCOMPARE(scheda->Testi(),
                 QStringList({"", "Fattura", "altro.pdf", "Altro documento", "", ""}));
        QCOMPARE(Leggi(Cartella() + "fattura.pdf"), QByteArray("resta"));
    }

    void annullaLeavesTheCardAsItWas() {
        (*scheda)["File01"] = "vecchio.pdf";
        (*scheda)["Desc01"] = "Vecchio";
        const QStringList prima = scheda->Testi();
        fake->fileScelti << Origine("nuovo.pdf", "nuovo");
        const bool aperta = Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
            f->txtDesc01->setText("Nuovo");
            QTest::mouseClick(f->btnAnnulla, Qt::LeftButton);
        });
        QVERIFY(!aperta);
        QCOMPARE(scheda->Testi(), prima);
        // The copy made meanwhile stays in the folder.
        QCOMPARE(Leggi(Cartella() + "nuovo.pdf"), QByteArray("nuovo"));
    }

    void apriHandsTheFileToTheShell() {
        (*scheda)["File02"] = " perché 1.pdf ";
        Apri([&](TfrmAllegaCartella* f) { QTest::mouseClick(f->btnApri02, Qt::LeftButton); });
        const auto aperture = fake->Di("ApriUrl");
        QCOMPARE(aperture.size(), 1);
        QCOMPARE(aperture.first().testo,
                 QUrl::fromLocalFile(Cartella() + "perché 1.pdf").toString());
    }

    void storedNamesThatLeadOutOfTheFolderAreNeverOpened() {
        (*scheda)["File01"] = "../Contatti.rub";
        (*scheda)["File02"] = "..\\unins000.dll";
        (*scheda)["File03"] = "/etc/passwd";
        Apri([&](TfrmAllegaCartella* f) {
            for (QPushButton* b : {f->btnApri01, f->btnApri02, f->btnApri03}) {
                QVERIFY(b->isEnabled());
                QTest::mouseClick(b, Qt::LeftButton);
            }
        });
        QVERIFY(fake->Di("ApriUrl").isEmpty());
        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), 3);
        for (const auto& a : avvisi) {
            QCOMPARE(a.tipo, QString("Warning"));
            QCOMPARE(a.testo, QString(allegati::testi::NomeNonValido));
        }
    }

    void chosenFilesWithUnsafeNamesAreNeverCopied() {
        // Names that hold ".." or a backslash (a separator on Windows); the last one has no
        // Windows-1252 form and could not come back from the card.
        const QStringList nomi = {"..\\Contatti.rub", "x..pdf", "sotto\\fattura.pdf", "Ωmega.pdf"};
        for (const QString& nome : nomi) fake->fileScelti << Origine(nome, "dati");
        (*scheda)["File01"] = "fattura.pdf";
        Apri([&](TfrmAllegaCartella* f) {
            for (int i = 0; i < nomi.size(); ++i) {
                QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
                QCOMPARE(f->txtFile01->text(), QString("fattura.pdf"));
            }
        });
        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), nomi.size());
        for (const auto& a : avvisi) {
            QCOMPARE(a.tipo, QString("Warning"));
            QCOMPARE(a.testo, QString(allegati::testi::NomeNonAllegabile));
        }
        // Nothing was written: neither the folder nor anything beside it.
        QVERIFY(!QFileInfo::exists(Cartella()));
        QCOMPARE(QDir(CartellaProgramma()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void aCopyThatFailsIsReported() {
        // A file stands where the folder should be; then a folder where the copy should go.
        Scrivi(CartellaProgramma() + "Documenti_Allegati", "non una cartella");
        fake->fileScelti << Origine("fattura.pdf", "dati");
        Apri([&](TfrmAllegaCartella* f) {
            QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton);
            QCOMPARE(f->txtFile01->text(), QString("fattura.pdf"));
        });
        QFile::remove(CartellaProgramma() + "Documenti_Allegati");
        QDir().mkpath(Cartella() + "fattura.pdf");
        fake->fileScelti << Origine("fattura.pdf", "dati");
        fake->risposte << Risposta::Si;
        Apri([&](TfrmAllegaCartella* f) { QTest::mouseClick(f->btnSfoglia01, Qt::LeftButton); });

        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), 2);
        for (const auto& a : avvisi) {
            QCOMPARE(a.tipo, QString("Error"));
            QCOMPARE(a.testo, QString(allegati::testi::CopiaFallita));
            QVERIFY(a.testo.startsWith("Attenzione:"));
        }
        QVERIFY(QFileInfo(Cartella() + "fattura.pdf").isDir());
    }
};

QTEST_MAIN(TestAllegati)
#include "tst_allegati.moc"
