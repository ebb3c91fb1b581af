#pragma once

#include "sound_player.h"

class QAudioOutput;
class QMediaPlayer;

// SoundPlayer on Qt Multimedia: a media player with its own audio output.
class QtSoundPlayer : public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    void clear() override;
    void setSource(const QUrl &source) override;
    void play() override;

    static SoundPlayerFactory factory();

private:
    QMediaPlayer *m_player;
    QAudioOutput *m_output;
};
