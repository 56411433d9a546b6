#include <QtTest>

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
};

QTEST_MAIN(TestPiattaforma)
#include "tst_piattaforma.moc"
