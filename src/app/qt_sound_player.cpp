#include "qt_sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : SoundPlayer(parent), m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this)) {
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia)
            emit finished();
    });
}

void QtSoundPlayer::clear() {
    m_player->stop();
    m_player->setSource(QUrl());
}

void QtSoundPlayer::setSource(const QUrl &source) {
    m_player->setSource(source);
}

void QtSoundPlayer::play() {
    m_player->play();
}

SoundPlayerFactory QtSoundPlayer::factory() {
    return [](QObject *parent) -> SoundPlayer * { return new QtSoundPlayer(parent); };
}
