#include <QtTest>
#include <memory>

#include "gui/app/Suono.h"
#include "support/FakePiattaforma.h"

// The fake must stand in for the real platform and point the program folder at its own.
class TestPiattaforma : public QObject {
    Q_OBJECT
private slots:
    void fakeIsInstalledAndRecords() {
        FakePiattaforma fake;
        QCOMPARE(&piattaforma(), static_cast<Piattaforma*>(&fake));
        QCOMPARE(CartellaProgramma(), fake.cartella());
        fake.risposte = {Risposta::No};
        QCOMPARE(piattaforma().ChiediConferma(nullptr, "Domanda?"), Risposta::No);
        QCOMPARE(piattaforma().ChiediConferma(nullptr, "Ancora?"), Risposta::Si);
        QCOMPARE(fake.Di("ChiediConferma").size(), 2);
        QCOMPARE(fake.Ultima().testo, QString("Ancora?"));
    }

    // The sound player is a module loaded on first use; it must be there and make a player.
    void theSoundModuleMakesAPlayer() {
        QLibrary modulo(QStringLiteral(CARTELLA_PORTABILE "/") + QLatin1String(kModuloSuono));
        const auto crea = reinterpret_cast<CreaLettore>(modulo.resolve(kCreaLettoreSuono));
        QVERIFY2(crea, qPrintable(modulo.errorString()));
        std::unique_ptr<LettoreSuono> lettore(crea());
        QVERIFY(lettore);
        lettore->Ferma();
    }
};

QTEST_MAIN(TestPiattaforma)
#include "tst_piattaforma.moc"
