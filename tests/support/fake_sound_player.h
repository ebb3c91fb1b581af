#pragma once

#include "sound_player.h"

#include <QFileInfo>
#include <QStringList>

// Records what the view asks of each player into one shared log, e.g. "4 clear",
// "4 source 04.wav", "4 play"; `finish()` plays the source to its end.
class FakeSoundPlayer : public SoundPlayer {
public:
    FakeSoundPlayer(int index, QStringList *log, QObject *parent)
        : SoundPlayer(parent), m_index(index), m_log(log) {}

    void clear() override {
        note(QStringLiteral("clear"));
        m_playing = false;
    }
    void setSource(const QUrl &source) override {
        note(QStringLiteral("source ") + QFileInfo(source.toLocalFile()).fileName());
    }
    void play() override {
        note(QStringLiteral("play"));
        m_playing = true;
    }
    void finish() {
        m_playing = false;
        emit finished();
    }
    bool playing() const { return m_playing; }

    // A factory that numbers players in creation order.
    static SoundPlayerFactory factory(QStringList *log, QList<FakeSoundPlayer *> *made) {
        return [log, made](QObject *parent) -> SoundPlayer * {
            auto *p = new FakeSoundPlayer(int(made->size()), log, parent);
            made->append(p);
            return p;
        };
    }

private:
    void note(const QString &what) { m_log->append(QString::number(m_index) + ' ' + what); }

    int m_index;
    QStringList *m_log;
    bool m_playing = false;
};
