#pragma once

#include "sound_player.h"

class QAudioOutput;
class QMediaPlayer;

// SoundPlayer on Qt Multimedia: a media player with its own audio output. The player is
// made when the first sound is given to it: making one loads the media framework, which a
// run with sound off never needs.
class QtSoundPlayer : public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    void clear() override;
    void setSource(const QUrl &source) override;
    void play() override;

    static SoundPlayerFactory factory();

private:
    QMediaPlayer *player();

    QMediaPlayer *m_player = nullptr;
};
