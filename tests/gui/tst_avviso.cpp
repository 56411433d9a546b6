// The alarm sound as shipped in the program folder, through Qt's own decoder and the
// program's own player.
#include <QAudioDecoder>
#include <QMediaPlayer>
#include <QtTest>

#include "avviso/Avviso.h"
#include "gui/app/Piattaforma.h"

class TestAvviso : public QObject {
    Q_OBJECT
    const QString spedito = QStringLiteral(CARTELLA_PORTABILE "/Avviso.mp3");

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(spedito), qPrintable(spedito)); }

    void theShippedFileDecodesToTheWholeSound() {
        QAudioDecoder decoder;
        decoder.setSource(QUrl::fromLocalFile(spedito));
        qint64 microsecondi = 0;
        int campionamento = 0, canali = 0;
        bool finito = false, errore = false;
        connect(&decoder, &QAudioDecoder::bufferReady, this, [&] {
            const QAudioBuffer b = decoder.read();
            microsecondi += b.duration();
            campionamento = b.format().sampleRate();
            canali = b.format().channelCount();
        });
        connect(&decoder, &QAudioDecoder::finished, this, [&] { finito = true; });
        connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
                [&] { errore = true; });
        decoder.start();
        QTRY_VERIFY_WITH_TIMEOUT(finito || errore, 20000);
        QVERIFY2(!errore, qPrintable(decoder.errorString()));
        QCOMPARE(campionamento, avviso::Campionamento);
        QCOMPARE(canali, 1);
        // Within a frame of MP3 (1152 samples, 26 ms) of the length it was made with.
        QVERIFY2(qAbs(microsecondi - avviso::DurataMs * 1000) <= 26000,
                 qPrintable(QString::number(microsecondi)));
    }

    void theProgramsPlayerPlaysItAndStops() {
        Piattaforma& qt = piattaforma();  // no test platform installed: the real one
        QVERIFY(!qt.CaricaSuono(spedito + ".manca"));
        QVERIFY(qt.CaricaSuono(spedito));
        auto* lettore = qApp->findChild<QMediaPlayer*>("MediaPlayer");
        QVERIFY(lettore);
        qt.Suona();
        QTRY_COMPARE_WITH_TIMEOUT(lettore->playbackState(), QMediaPlayer::PlayingState, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(lettore->position() > 0, 10000);
        QCOMPARE(lettore->error(), QMediaPlayer::NoError);
        qt.FermaSuono();
        QCOMPARE(lettore->playbackState(), QMediaPlayer::StoppedState);
    }

    void anUnplayableFileIsOnlySilence() {
        QTemporaryDir cartella;
        const QString rotto = cartella.filePath("Avviso.mp3");
        QFile f(rotto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4000, '\x5A'));
        f.close();
        Piattaforma& qt = piattaforma();
        qt.CaricaSuono(rotto);
        qt.Suona();
        auto* lettore = qApp->findChild<QMediaPlayer*>("MediaPlayer");
        QVERIFY(lettore);
        QTRY_COMPARE_WITH_TIMEOUT(lettore->mediaStatus(), QMediaPlayer::InvalidMedia, 10000);
        QCOMPARE(lettore->position(), 0);
        qt.FermaSuono();
    }
};

QTEST_MAIN(TestAvviso)
#include "tst_avviso.moc"
