// Nothing lost silently: what a card shows is what the archive holds (characters without a
// Windows-1252 form are refused where typed or pasted, in the cards and the password
// fields), a busy archive says so, two programs on one folder see each other's saves, and
// the installed data folder is its user's alone.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "core/archive/FileArchivio.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/password/Password.h"
#include "core/text/Messaggi.h"
#include "gui/app/Programma.h"
#include "gui/app/TfrmPassword.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/contacts/TfrmTrovaClienti.h"
#include "gui/deadlines/TfrmRicordario.h"
#include "support/Banco.h"

namespace {

std::string Byte(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Puts `testo` at the caret as a paste does.
void Incolla(QLineEdit* e, const QString& testo) {
    QApplication::clipboard()->setText(testo);
    e->paste();
}

// Types `testo` one character at a time, as the keyboard sends them (also those beyond
// Latin-1, which QTest::keyClicks does not take).
void Digita(QWidget* w, const QString& testo) {
    for (int i = 0; i < testo.size(); ++i) {
        const int n = testo.at(i).isHighSurrogate() && i + 1 < testo.size() ? 2 : 1;
        const QString c = testo.mid(i, n);
        i += n - 1;
        QKeyEvent giu(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QKeyEvent su(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(w, &giu);
        QApplication::sendEvent(w, &su);
    }
}

// The line edit a field's text is typed into: its own, or its editable list's.
QLineEdit* Riga(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
    return nullptr;
}

unsigned Modo(const QString& p) {
    struct stat st {};
    return ::lstat(p.toLocal8Bit().constData(), &st) == 0 ? st.st_mode & 0777 : 01000000;
}

// A second program on the same folder: this test's own executable again, driving its own
// windows (tst_nulla_perso --istanza FOLDER salva|cerca NAME). Prints what it found.
int Istanza(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 5) return 2;
    FakePiattaforma fake;
    ImpostaCartellaProgramma(QString::fromLocal8Bit(argv[2]));
    const QString nome = QString::fromUtf8(argv[4]);
    if (qstrcmp(argv[3], "salva") == 0) {
        TfrmClienti card;
        card.findChild<QLineEdit*>("txtCliente")->setText(nome);
        card.cmdSalvaClick();
        std::cout << fake.Ultima().testo.toStdString() << std::endl;
        return 0;
    }
    QWidget chiamante;
    int trovate = -1;
    fake.Rispondi([&](TfrmTrovaClienti* f) {
        f->txtCliente->setText(nome);
        QTest::mouseClick(f->btnCerca, Qt::LeftButton);
        trovate = f->lstRecords->count();
    });
    TfrmTrovaClienti::Apri(&chiamante, [](std::int64_t, const TSchedaContatto&) {});
    std::cout << trovate << std::endl;
    return 0;
}

}  // namespace

class TestNullaPerso : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;

    QString AltraIstanza(const char* comando, const QString& nome) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(),
                {"--istanza", fake->cartella(), comando, nome});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) return "failed";
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    // Every text field of both cards (their record tables): a paste or a keystroke bringing
    // a character without a Windows-1252 form leaves the field as it was and says why in
    // the status line.
    template <class Card>
    void OgniCampoRifiuta(Card& card) {
        using Scheda = typename Card::Scheda;
        auto* info = card.template findChild<QLabel*>("panInfo");
        QVERIFY(info);
        int campi = 0;
        for (const auto& campo : Scheda::Campi) {
            const QString nome = "txt" + QString::fromLatin1(campo.nome.data(), campo.nome.size());
            QLineEdit* e = Riga(card.template findChild<QWidget*>(nome));
            if (!e || e->isReadOnly()) continue;  // a check box, a hidden label, a list-only combo
            ++campi;
            const QString prima = e->maxLength() > 1 ? "1" : "";  // room for a character
            e->setText(prima);
            info->clear();
            // A field of one or two characters takes only what fits of a paste, as always;
            // each text starts with what cannot be stored, so something is always refused.
            for (const QString& rifiutato :
                 {QStringLiteral("Łukasz Wałęsa"), QStringLiteral("😀 casa"), QStringLiteral("ł")}) {
                e->end(false);
                Incolla(e, rifiutato);
                QVERIFY2(e->text() == prima, qPrintable(nome + ": " + e->text()));
                Digita(e, "ł");
                QVERIFY2(e->text() == prima, qPrintable(nome + ": " + e->text()));
            }
            QTest::qWait(0);
            QVERIFY2(info->text() == QString::fromUtf8(messaggi::CarattereNonAmmesso),
                     qPrintable(nome));
        }
        qInfo("%s: %d fields refuse", card.metaObject()->className(), campi);
        QVERIFY(campi > 0);
    }

private slots:
    void init() { fake = new FakePiattaforma; }
    void cleanup() {
        delete fake;
        fake = nullptr;
    }

    // Every text field of both cards refuses what the archive cannot hold.
    void everyTextFieldOfBothCardsRefusesWhatTheArchiveCannotHold() {
        TfrmClienti clienti;
        OgniCampoRifiuta(clienti);
        TfrmRicordario ricordario;
        OgniCampoRifiuta(ricordario);
    }

    void accentsAndTheEuroAreTypedAndStoredAsShown() {
        TfrmClienti card;
        auto* cliente = card.findChild<QLineEdit*>("txtCliente");
        auto* note = card.findChild<QLineEdit*>("txtNote");
        Digita(cliente, "Forlì Niccolò");
        Incolla(note, "casa 😀");  // refused whole
        QCOMPARE(note->text(), QString());
        Incolla(note, "caffè 2€ «sì» Œ");
        Digita(note, "ł😀");  // refused, the rest stays
        QCOMPARE(cliente->text(), QString("Forlì Niccolò"));
        QCOMPARE(note->text(), QString("caffè 2€ «sì» Œ"));
        card.cmdSalvaClick();
        const std::string b = Byte(FileContatti());
        QCOMPARE(b.size(), std::size_t{3372});
        QCOMPARE(b.substr(0, 14), std::string("\x0D" "Forl\xEC Niccol\xF2", 14));
        QCOMPARE(b.substr(1612, 16), std::string("\x0F" "caff\xE8 2\x80 \xABs\xEC\xBB \x8C", 16));
    }

    void aPasswordWithACharacterWindows1252LacksIsRefusedAndTheFileUnchanged() {
        password::ScriviPassword(PercorsoProgramma(password::NomeFile), password::PrimoAccesso);
        const std::string prima = Byte(PercorsoProgramma(password::NomeFile));
        TfrmPassword accesso;
        TfrmCambiaPassword cambia(&accesso);
        auto* nuova = cambia.findChild<QLineEdit*>("txtPasswordNew");
        auto* conferma = cambia.findChild<QLineEdit*>("txtConferma");
        cambia.findChild<QLineEdit*>("txtPasswordOld")->setText(password::PrimoAccesso);
        Incolla(nuova, "bał");
        Digita(conferma, "ł");
        Digita(accesso.findChild<QLineEdit*>("txtPassword"), "ł");
        QTest::qWait(0);
        QCOMPARE(nuova->text(), QString());
        QCOMPARE(conferma->text(), QString());
        // Said once in each window, by message.
        QCOMPARE(fake->Di("MostraMessaggio").size(), 2);
        QCOMPARE(fake->Ultima().testo, QString::fromUtf8(messaggi::CarattereNonAmmessoPassword));
        QCOMPARE(Byte(PercorsoProgramma(password::NomeFile)), prima);

        // "€" and accents, which Windows-1252 holds, make a password.
        Incolla(nuova, "Caffè€");
        conferma->setText("Caffè€");
        QCOMPARE(nuova->text(), QString("Caffè€"));
        cambia.cmdOKClick();
        QCOMPARE(fake->Ultima().testo,
                 QString("Modifica della password completata con successo."));
        QVERIFY(password::VerificaPassword(PercorsoProgramma(password::NomeFile), "CAFFè€"));
        QVERIFY(!password::VerificaPassword(PercorsoProgramma(password::NomeFile), "CAFFè¬"));
    }

    // Another program keeps the archive past the wait: the card says so and saves nothing.
    void aBusyArchiveIsSaidAndNothingIsSaved() {
        const auto attesa = blocchi::Attesa();
        blocchi::ImpostaAttesa(std::chrono::milliseconds(200));
        AccodaContatti({prova::Contatto("Rossi Mario")});
        const std::string prima = Byte(FileContatti());
        TfrmClienti card;
        card.findChild<QLineEdit*>("txtCliente")->setText("Bianchi Anna");
        {
            TArchivioContatti altro;  // another opening holds it as a save does
            altro.Apri(FileContatti());
            card.cmdSalvaClick();
        }
        blocchi::ImpostaAttesa(attesa);
        QCOMPARE(fake->Ultima().operazione, QString("MostraAvviso"));
        QCOMPARE(fake->Ultima().tipo, QString("Error"));
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: l'archivio Contatti.rub è in uso da un altro programma.\n\r\n\r"
                         "Riprovare tra qualche istante."));
        QCOMPARE(Byte(FileContatti()), prima);
        QCOMPARE(card.findChild<QLabel*>("lblPosizione")->text(), QString());
        // Once it is free, the same Salva goes through.
        card.cmdSalvaClick();
        QCOMPARE(fake->Ultima().testo, QString("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(Byte(FileContatti()).size(), std::size_t{2 * 3372});
    }

    // Two programs on one folder: what one saves, the other's search finds, both ways.
    void twoProgramsOnOneFolderSeeEachOthersSaves() {
        QCOMPARE(AltraIstanza("salva", "Verdi Giuseppe"),
                 QString("La scheda corrente è stata inserita in archivio."));
        int trovate = -1;
        fake->Rispondi([&](TfrmTrovaClienti* f) {
            f->txtCliente->setText("VERDI");
            QTest::mouseClick(f->btnCerca, Qt::LeftButton);
            trovate = f->lstRecords->count();
        });
        QWidget chiamante;
        TfrmTrovaClienti::Apri(&chiamante, [](std::int64_t, const TSchedaContatto&) {});
        QCOMPARE(trovate, 1);

        TfrmClienti card;
        card.findChild<QLineEdit*>("txtCliente")->setText("Neri Paola");
        card.cmdSalvaClick();
        QCOMPARE(AltraIstanza("cerca", "NERI"), QString("1"));
        QCOMPARE(AltraIstanza("cerca", "VERDI"), QString("1"));
    }

    // The installed program: its first start makes the data folder its user's alone, and
    // the files it writes there too; a portable folder's files follow the umask.
    void theInstalledDataFolderIsTheUsersAloneAndAPortableOneAsBefore() {
        QTemporaryDir t;
        const QString bin = t.filePath("bin"), share = t.filePath("share/ricordario");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
        QVERIFY(QFile::copy(RICORDARIO_ESEGUIBILE, bin + "/Ricordario"));
        password::ScriviPassword((share + "/unins000.dll").toStdString(), password::PrimoAccesso);
        QFile::setPermissions(share + "/unins000.dll", QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ReadGroup | QFile::ReadOther);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", t.filePath("dati"));
        p.setProcessEnvironment(env);
        p.start(bin + "/Ricordario", {"--calendario", "2026"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString dati = t.filePath("dati/Ricordario/");
        QCOMPARE(Modo(dati), 0700u);
        QCOMPARE(Modo(dati + "unins000.dll"), 0600u);
        QCOMPARE(Modo(dati + "Scadenze_2026.ics"), 0600u);

        // Portable: the password file beside the executable.
        QVERIFY(QFile::copy(share + "/unins000.dll", bin + "/unins000.dll"));
        const mode_t maschera = ::umask(022);
        ::umask(maschera);
        p.start(bin + "/Ricordario", {"--calendario", "2026"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(Modo(bin + "/Scadenze_2026.ics"), 0666u & ~maschera);
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--istanza") == 0) return Istanza(argc, argv);
    QApplication app(argc, argv);
    TestNullaPerso t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_nulla_perso.moc"
