#include <QtTest>
#include <functional>

#include "gui/checkers/TfrmCarta.h"
#include "gui/checkers/TfrmCodFisc.h"
#include "gui/checkers/TfrmIban.h"
#include "gui/checkers/TfrmPartitaIva.h"
#include "support/Banco.h"

namespace {

// What a card's button calls, by the window it is meant for.
void ApriDaScheda(const QString& quale, QWidget* scheda, const QString& testo) {
    if (quale == "TfrmCodFisc") TfrmCodFisc::Apri(scheda, testo);
    if (quale == "TfrmPartitaIva") TfrmPartitaIva::Apri(scheda, testo);
    if (quale == "TfrmCarta") TfrmCarta::Apri(scheda, testo);
    if (quale == "TfrmIban") TfrmIban::Apri(scheda, testo);
}

QLineEdit* CampoDi(QWidget* finestra) {
    for (const char* nome : {"txtCodFisc", "txtPartitaIva", "txtNumero", "txtIban"})
        if (auto* e = finestra->findChild<QLineEdit*>(nome)) return e;
    return nullptr;
}

const QString kCrLf2 = QStringLiteral("\r\n\r\n");

}  // namespace

class TestControlli : public QObject {
    Q_OBJECT
    FakePiattaforma* fake = nullptr;
    QWidget* scheda = nullptr;

    // Opens the checker as the card does and runs `guida` while it is shown.
    void Apri(const QString& quale, const QString& testo,
              const std::function<void(FinestraControllo*)>& guida) {
        bool attiva = false;
        fake->Rispondi([&](FinestraControllo* f) {
            f->activateWindow();
            attiva = QTest::qWaitForWindowActive(f);
            guida(f);
        });
        ApriDaScheda(quale, scheda, testo);
        QVERIFY(attiva);
    }

private slots:
    void init() { Prepara(fake, scheda); }
    void cleanup() { Smonta(fake, scheda); }

    void controlla_data() {
        QTest::addColumn<QString>("quale");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("finestra");  // the window that opens
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<bool>("chiude");

        const QString cfLunghezza =
            "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
        const QString pivaLunghezza =
            "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
        const QString pivaValida = "Il numero di partita IVA digitato risulta VALIDO." + kCrLf2 +
                                   "E' stato rilasciato dall'Ufficio IVA del Comune di ";
        const QString ibanLunghezza =
            "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";

        QTest::newRow("cf valido") << "TfrmCodFisc"
                                   << "RSSMRA80A01H501U"
                                   << "TfrmCodFisc"
                                   << "Information"
                                   << "Il codice fiscale digitato è VALIDO." << true;
        // Handed over in small letters with blanks: trimmed and in capitals when shown.
        QTest::newRow("cf minuscolo") << "TfrmCodFisc"
                                      << "  rssmra80a01h501u "
                                      << "TfrmCodFisc"
                                      << "Information"
                                      << "Il codice fiscale digitato è VALIDO." << true;
        QTest::newRow("cf errato") << "TfrmCodFisc"
                                   << "RSSMRA80A01H501V"
                                   << "TfrmCodFisc"
                                   << "Warning"
                                   << "Attenzione: il codice fiscale digitato è ERRATO." << true;
        QTest::newRow("cf corto") << "TfrmCodFisc"
                                  << "RSSMRA80A01H501"
                                  << "TfrmCodFisc"
                                  << "Warning" << cfLunghezza << false;
        QTest::newRow("cf vuoto") << "TfrmCodFisc"
                                  << ""
                                  << "TfrmCodFisc"
                                  << "Warning" << cfLunghezza << false;
        // Digits only in the codice fiscale: the partita IVA checker opens instead.
        QTest::newRow("cf numerico") << "TfrmCodFisc"
                                     << " 01234560157 "
                                     << "TfrmPartitaIva"
                                     << "Information" << pivaValida + "Milano 1." << true;
        // Sixteen digits are not cut to eleven: the partita IVA checker says the length.
        QTest::newRow("cf numerico lungo") << "TfrmCodFisc"
                                           << "0123456015700000"
                                           << "TfrmPartitaIva"
                                           << "Warning" << pivaLunghezza << false;

        QTest::newRow("piva Forlì") << "TfrmPartitaIva"
                                    << "01234560405"
                                    << "TfrmPartitaIva"
                                    << "Information" << pivaValida + "Forlì." << true;
        QTest::newRow("piva errata")
            << "TfrmPartitaIva"
            << "01234560158"
            << "TfrmPartitaIva"
            << "Warning"
            << "Attenzione: il numero di partita IVA digitato risulta ERRATO!" + kCrLf2 +
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                   "ha rilasciato."
            << true;
        QTest::newRow("piva corta") << "TfrmPartitaIva"
                                    << "0123456015"
                                    << "TfrmPartitaIva"
                                    << "Warning" << pivaLunghezza << false;

        QTest::newRow("carta a gruppi")
            << "TfrmCarta"
            << " 4111 1111 1111 1111 "
            << "TfrmCarta"
            << "Information"
            << "Il numero di carta di credito 4111 1111 1111 1111 risulta valido." + kCrLf2 +
                   "La carta di credito è del tipo Visa."
            << true;
        QTest::newRow("carta errata")
            << "TfrmCarta"
            << "4111111111111112"
            << "TfrmCarta"
            << "Warning"
            << "Attenzione: il numero digitato risulta ERRATO!" + kCrLf2 +
                   "Non è quindi possibile fornire informazioni relative al tipo di carta di "
                   "credito."
            << true;
        QTest::newRow("carta vuota") << "TfrmCarta"
                                     << "   "
                                     << "TfrmCarta"
                                     << "Warning"
                                     << "Attenzione: immettere il numero di carta di credito "
                                        "prima di premere il pulsante di controllo."
                                     << false;

        QTest::newRow("iban minuscolo") << "TfrmIban"
                                        << "it60x0542811101000000123456"
                                        << "TfrmIban"
                                        << "Information"
                                        << "L'IBAN digitato è VALIDO." << true;
        QTest::newRow("iban scambiato") << "TfrmIban"
                                        << "IT60X0524811101000000123456"
                                        << "TfrmIban"
                                        << "Warning"
                                        << "Attenzione: l'IBAN digitato è ERRATO!" << true;
        QTest::newRow("iban a gruppi") << "TfrmIban"
                                       << "IT60 X054 2811 1010 0000 0123 456"
                                       << "TfrmIban"
                                       << "Warning" << ibanLunghezza << false;
    }

    void controlla() {
        QFETCH(QString, quale);
        QFETCH(QString, testo);
        QFETCH(QString, finestra);
        QFETCH(QString, tipo);
        QFETCH(QString, messaggio);
        QFETCH(bool, chiude);

        bool visibile = false, fuocoSulCampo = false, aperta = false;
        Apri(quale, testo, [&](FinestraControllo* f) {
            aperta = true;
            QTest::mouseClick(f->btnControlla, Qt::LeftButton);
            visibile = f->isVisible();
            fuocoSulCampo = f->focusWidget() == CampoDi(f);
        });
        QVERIFY(aperta);
        QCOMPARE(fake->Di("MostraModale").size(), 1);
        QCOMPARE(fake->Di("MostraModale").first().testo, finestra);
        const auto avvisi = fake->Di("MostraAvviso");
        QCOMPARE(avvisi.size(), 1);
        QCOMPARE(avvisi.first().tipo, tipo);
        QCOMPARE(avvisi.first().testo, messaggio);
        QVERIFY(fake->Di("MostraMessaggio").isEmpty());
        QCOMPARE(visibile, !chiude);
        if (!chiude) QVERIFY(fuocoSulCampo);
        // The window is destroyed once closed: nothing of it is left under the card.
        QVERIFY(scheda->findChildren<QDialog*>().isEmpty());
    }

    void chiudiClosesWithoutChecking() {
        for (const char* quale : {"TfrmCodFisc", "TfrmPartitaIva", "TfrmCarta", "TfrmIban"}) {
            bool visibile = true;
            Apri(quale, "RSSMRA80A01H501U", [&](FinestraControllo* f) {
                QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
                visibile = f->isVisible();
            });
            QVERIFY2(!visibile, quale);
        }
        QVERIFY(fake->Di("MostraAvviso").isEmpty());
    }

    void enterMovesToControllaWithoutPressingIt() {
        const std::pair<const char*, const char*> casi[] = {
            {"TfrmCodFisc", " Controllo codice fiscale"},
            {"TfrmPartitaIva", " Controllo partita IVA"},
            {"TfrmCarta", " Controllo carta di credito"},
            {"TfrmIban", " Controllo IBAN"},
        };
        for (const auto& [quale, titolo] : casi) {
            fake->chiamate.clear();
            QString caption;
            bool fuocoIniziale = false, fuocoSulPulsante = false, apertaDopoInvio = false;
            int avvisiDopoInvio = -1, avvisiDopoSecondoInvio = -1;
            Apri(quale, "", [&](FinestraControllo* f) {
                caption = f->windowTitle();
                QLineEdit* campo = CampoDi(f);
                fuocoIniziale = campo->hasFocus();
                QTest::keyClick(campo, Qt::Key_Return);
                fuocoSulPulsante = f->btnControlla->hasFocus();
                apertaDopoInvio = f->isVisible();
                avvisiDopoInvio = fake->Di("MostraAvviso").size();
                // Enter again, now on the focused button, presses it.
                QTest::keyClick(f->btnControlla, Qt::Key_Return);
                avvisiDopoSecondoInvio = fake->Di("MostraAvviso").size();
            });
            QCOMPARE(caption, QString(titolo));
            QVERIFY2(fuocoIniziale, quale);
            QVERIFY2(fuocoSulPulsante, quale);
            QVERIFY2(apertaDopoInvio, quale);
            QCOMPARE(avvisiDopoInvio, 0);
            QCOMPARE(avvisiDopoSecondoInvio, 1);
        }
    }

    void typingIsFiltered() {
        struct Caso {
            const char* quale;
            const char* digitato;
            const char* risultato;
            int lunghezzaMassima;
        };
        const Caso casi[] = {
            // Capitals, and a blank typed at the end disappears at once.
            {"TfrmCodFisc", "rssmra80a01h501 u", "RSSMRA80A01H501U", 16},
            // Only digits can be typed.
            {"TfrmPartitaIva", "01a23-4.5 6", "0123456", 11},
            {"TfrmCarta", "4111 x1111-1", "411111111", 30},
            {"TfrmIban", "it60 x054", "IT60X054", 27},
        };
        for (const auto& c : casi) {
            QString testo;
            int massimo = 0;
            Apri(c.quale, "", [&](FinestraControllo* f) {
                QLineEdit* campo = CampoDi(f);
                QTest::keyClicks(campo, c.digitato);
                testo = campo->text();
                massimo = campo->maxLength();
            });
            QCOMPARE(testo, QString(c.risultato));
            QCOMPARE(massimo, c.lunghezzaMassima);
        }
    }

    void handedOverTextIsTrimmedAndFiltered() {
        struct Caso {
            const char* quale;
            const char* consegnato;
            const char* mostrato;
        };
        const Caso casi[] = {
            // Codice fiscale and IBAN stand in capitals, as if typed.
            {"TfrmCodFisc", " rssmra80a01h501u\t", "RSSMRA80A01H501U"},
            {"TfrmIban", "  it60x0542811101000000123456 ", "IT60X0542811101000000123456"},
            {"TfrmCarta", " 4111 1111 1111 1111 ", "4111 1111 1111 1111"},
            {"TfrmPartitaIva", " 01234560157  ", "01234560157"},
        };
        for (const auto& c : casi) {
            QString testo;
            Apri(c.quale, c.consegnato, [&](FinestraControllo* f) { testo = CampoDi(f)->text(); });
            QCOMPARE(testo, QString(c.mostrato));
        }
    }

    void typedLowerCaseCodeIsValid() {
        Apri("TfrmCodFisc", "", [&](FinestraControllo* f) {
            QTest::keyClicks(CampoDi(f), "mrtmtt25d09f205z");
            QTest::mouseClick(f->btnControlla, Qt::LeftButton);
        });
        QCOMPARE(fake->Ultima().testo, QString("Il codice fiscale digitato è VALIDO."));
    }

    void backspaceStillWorksInTheDigitsField() {
        QString testo;
        Apri("TfrmPartitaIva", "", [&](FinestraControllo* f) {
            QLineEdit* campo = CampoDi(f);
            QTest::keyClicks(campo, "0123");
            QTest::keyClick(campo, Qt::Key_Backspace);
            QTest::keyClick(campo, Qt::Key_Left);
            QTest::keyClick(campo, Qt::Key_Delete);
            testo = campo->text();
        });
        QCOMPARE(testo, QString("01"));
    }
};

QTEST_MAIN(TestControlli)
#include "tst_controlli.moc"
