// The sound module: Qt Multimedia's player behind LettoreSuono.
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

#include "gui/app/Suono.h"

namespace {

class LettoreQt final : public LettoreSuono {
public:
    // Owned by the application and named as the viewer's player, so a check can find it; an
    // unplayable file only reports an error to it, and nothing is heard.
    LettoreQt() : lettore_(new QMediaPlayer(QCoreApplication::instance())) {
        lettore_->setObjectName(QStringLiteral("MediaPlayer"));
        lettore_->setAudioOutput(new QAudioOutput(lettore_));
    }
    ~LettoreQt() override { delete lettore_.data(); }
    bool Carica(const QString& percorso) override {
        lettore_->setSource(QUrl::fromLocalFile(percorso));
        return lettore_->error() == QMediaPlayer::NoError;
    }
    void Suona() override {
        if (lettore_) lettore_->play();
    }
    void Ferma() override {
        if (lettore_) lettore_->stop();
    }

private:
    QPointer<QMediaPlayer> lettore_;
};

}  // namespace

extern "C" Q_DECL_EXPORT LettoreSuono* CreaLettoreSuono() { return new LettoreQt; }
