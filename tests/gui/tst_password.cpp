#include <QtTest>
#include <filesystem>
#include <fstream>

#include "core/password/Password.h"
#include "gui/app/Programma.h"
#include "../core/LimiteFile.h"
#include "gui/contacts/TfrmClienti.h"
#include "gui/deadlines/TfrmMenuRicordario.h"
#include "support/FakePiattaforma.h"

class TestPassword : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    Programma* programma = nullptr;
    TfrmPassword* accesso = nullptr;
    TfrmCambiaPassword* cambia = nullptr;

    std::filesystem::path File() const { return PercorsoProgramma("unins000.dll"); }
    void Digita(QLineEdit* e, const QString& t) {
        e->clear();
        QTest::keyClicks(e, t);
    }

private slots:
    void init() {
        fake = new FakePiattaforma;
        password::ScriviPassword(File(), "benvenutoadmin");
        programma = new Programma;
        accesso = programma->accesso();
        cambia = programma->cambiaPassword();
        programma->Avvia();
        QVERIFY(QTest::qWaitForWindowExposed(accesso));
    }
    void cleanup() {
        delete programma;
        delete fake;
    }

    void onlyThePasswordWindowIsVisibleAtStart() {
        QVERIFY(accesso->isVisible());
        QVERIFY(!programma->avvio()->isVisible());
        QVERIFY(!cambia->isVisible());
        QCOMPARE(accesso->geometry().size(), QSize(388, 405));
    }

    // The application windows are built once the password window is on screen, hidden,
    // before anything can reach them; the launcher then opens them.
    void theApplicationWindowsAreBuiltRightAfterThePasswordWindowShows() {
        const auto Finestra = [](const char* nome) -> QWidget* {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == nome) return w;
            return nullptr;
        };
        QTRY_VERIFY(Finestra("TfrmClienti"));
        for (const char* nome : {"TfrmClienti", "TfrmMenuRicordario", "TfrmRicordario"})
            QVERIFY2(!Finestra(nome)->isVisible(), nome);
        Digita(accesso->txtPassword, "benvenutoadmin");
        QTest::keyClick(accesso->txtPassword, Qt::Key_Return);
        QTest::mouseClick(programma->avvio()->findChild<QAbstractButton*>("btnApp01"),
                          Qt::LeftButton);
        QVERIFY(Finestra("TfrmClienti")->isVisible());
        QCOMPARE(Finestra("TfrmClienti"), static_cast<QWidget*>(programma->clienti()));
    }

    void aLauncherShownBeforeTheBuildingStillOpensTheApplications() {
        Programma subito;  // never shown: nothing has been drawn yet
        subito.avvio()->Apri();
        QTest::mouseClick(subito.avvio()->findChild<QAbstractButton*>("btnApp02"), Qt::LeftButton);
        QVERIFY(subito.menuRicordario()->isVisible());
    }

    void firstAccessPasswordInAnyCaseWithBlanksOpensTheLauncher() {
        Digita(accesso->txtPassword, "  BenvenutoAdmin ");
        QTest::keyClick(accesso->txtPassword, Qt::Key_Return);
        QVERIFY(programma->avvio()->isVisible());
        QVERIFY(!accesso->isVisible());
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
    }

    void aWrongPasswordIsRefusedAndTheFieldEmptied() {
        Digita(accesso->txtPassword, "sbagliata");
        QTest::mouseClick(accesso->cmdOK, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo, QString("Attenzione: password errata."));
        QCOMPARE(accesso->txtPassword->text(), QString());
        QVERIFY(!accesso->cmdOK->isEnabled());
        QVERIFY(!programma->avvio()->isVisible());
    }

    void blanksOnlyKeepOkDisabledAndEnterDoesNothing() {
        Digita(accesso->txtPassword, "   ");
        QVERIFY(!accesso->cmdOK->isEnabled());
        QTest::keyClick(accesso->txtPassword, Qt::Key_Return);
        QVERIFY(fake->chiamate.isEmpty());
        QVERIFY(accesso->isVisible());
    }

    void aMissingFileMakesEveryAttemptWrong() {
        std::filesystem::remove(File());
        for (const char* t : {"benvenutoadmin", "x", ""}) {
            Digita(accesso->txtPassword, t);
            if (accesso->cmdOK->isEnabled()) QTest::mouseClick(accesso->cmdOK, Qt::LeftButton);
        }
        QCOMPARE(fake->Di("MostraMessaggio").size(), 2);
        QCOMPARE(fake->Ultima().testo, QString("Attenzione: password errata."));
        QVERIFY(!programma->avvio()->isVisible());
    }

    void aNonHexadecimalValueGivesTheReadingError() {
        std::ofstream(File(), std::ios::trunc) << "[Accesso]\nValore=ZZ12\n";
        Digita(accesso->txtPassword, "benvenutoadmin");
        QTest::mouseClick(accesso->cmdOK, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: si è verificato un errore durante la procedura di lettura "
                         "della password. Si consiglia di reinstallare il software."));
        QCOMPARE(accesso->txtPassword->text(), QString("benvenutoadmin"));
    }

    void esciEndsTheProgram() {
        QTest::mouseClick(accesso->cmdEsci, Qt::LeftButton);
        QCOMPARE(fake->Di("Termina").size(), 1);
    }

    void changingThePassword() {
        QTest::mouseClick(accesso->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(cambia->isVisible());
        QVERIFY(!accesso->isVisible());
        QVERIFY(!cambia->cmdOK->isEnabled());

        // Confirmation differing only in case is not a confirmation.
        Digita(cambia->txtPasswordOld, "BENVENUTOADMIN");
        Digita(cambia->txtPasswordNew, "Segreta");
        Digita(cambia->txtConferma, "segreta");
        QTest::mouseClick(cambia->cmdOK, Qt::LeftButton);
        QVERIFY(fake->Ultima().testo.startsWith(
            "Attenzione: la nuova password non è stata confermata correttamente."));
        QCOMPARE(cambia->txtPasswordNew->text(), QString());
        QCOMPARE(cambia->txtConferma->text(), QString());
        QCOMPARE(cambia->txtPasswordOld->text(), QString("BENVENUTOADMIN"));

        Digita(cambia->txtPasswordOld, "vecchia sbagliata");
        Digita(cambia->txtPasswordNew, "segreta");
        Digita(cambia->txtConferma, "segreta");
        QTest::mouseClick(cambia->cmdOK, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo, QString("Attenzione: vecchia password errata."));
        QCOMPARE(cambia->txtPasswordOld->text(), QString());

        Digita(cambia->txtPasswordOld, "benvenutoadmin");
        QTest::mouseClick(cambia->cmdOK, Qt::LeftButton);
        QCOMPARE(fake->Ultima().testo, QString("Modifica della password completata con successo."));
        QVERIFY(!cambia->isVisible());
        QVERIFY(accesso->isVisible());
        QCOMPARE(accesso->txtPassword->text(), QString());

        Digita(accesso->txtPassword, "SEGRETA");
        QTest::mouseClick(accesso->cmdOK, Qt::LeftButton);
        QVERIFY(programma->avvio()->isVisible());
    }

    void aFileThatCannotBeWrittenKeepsTheOldPassword() {
        QTest::mouseClick(accesso->btnCambiaPassword, Qt::LeftButton);
        Digita(cambia->txtPasswordOld, "benvenutoadmin");
        Digita(cambia->txtPasswordNew, "nuova");
        Digita(cambia->txtConferma, "nuova");
        {
            // The disk is full: the new content cannot be written whole.
            LimiteFile disco(10);
            QTest::mouseClick(cambia->cmdOK, Qt::LeftButton);
        }
        QCOMPARE(fake->Ultima().testo,
                 QString("Attenzione: si è verificato un errore durante la procedura di modifica "
                         "della password. Si consiglia di reinstallare il software."));
        QVERIFY(cambia->isVisible());
        QTest::mouseClick(cambia->cmdEsci, Qt::LeftButton);
        Digita(accesso->txtPassword, "benvenutoadmin");
        QTest::mouseClick(accesso->cmdOK, Qt::LeftButton);
        QVERIFY(programma->avvio()->isVisible());
    }

    void enterMovesThroughTheThreeFields() {
        QTest::mouseClick(accesso->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(cambia));
        cambia->activateWindow();
        cambia->txtPasswordOld->setFocus();
        QTest::keyClick(cambia->txtPasswordOld, Qt::Key_Return);
        QVERIFY(cambia->txtPasswordNew->hasFocus());
        QTest::keyClick(cambia->txtPasswordNew, Qt::Key_Return);
        QVERIFY(cambia->txtConferma->hasFocus());
        QTest::keyClick(cambia->txtConferma, Qt::Key_Return);
        QVERIFY(cambia->txtPasswordOld->hasFocus());
    }
};

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
