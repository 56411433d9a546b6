// The sound module: Qt Multimedia's player behind LettoreSuono.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "gui/app/Suono.h"

namespace {

class LettoreQt final : public LettoreSuono {
public:
    LettoreQt() { lettore_.setAudioOutput(&uscita_); }
    bool Carica(const QString& percorso) override {
        lettore_.setSource(QUrl::fromLocalFile(percorso));
        return lettore_.error() == QMediaPlayer::NoError;
    }
    void Suona() override { lettore_.play(); }
    void Ferma() override { lettore_.stop(); }

private:
    QAudioOutput uscita_;
    QMediaPlayer lettore_;
};

}  // namespace

extern "C" Q_DECL_EXPORT LettoreSuono* CreaLettoreSuono() { return new LettoreQt; }
