#include "qt_sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>

QtSoundPlayer::QtSoundPlayer(QObject *parent) : SoundPlayer(parent) {}

QMediaPlayer *QtSoundPlayer::player() {
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_player->setAudioOutput(new QAudioOutput(m_player));
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus s) {
                    if (s == QMediaPlayer::EndOfMedia)
                        emit finished();
                });
    }
    return m_player;
}

void QtSoundPlayer::clear() {
    // Nothing was ever played: nothing to stop.
    if (!m_player)
        return;
    m_player->stop();
    m_player->setSource(QUrl());
}

void QtSoundPlayer::setSource(const QUrl &source) {
    player()->setSource(source);
}

void QtSoundPlayer::play() {
    player()->play();
}

SoundPlayerFactory QtSoundPlayer::factory() {
    return [](QObject *parent) -> SoundPlayer * { return new QtSoundPlayer(parent); };
}
