#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

// One sound channel. The host view owns five; each plays on its own so the background and a
// click sound can overlap.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Stops playback and drops the source.
    virtual void clear() = 0;
    virtual void setSource(const QUrl &source) = 0;
    virtual void play() = 0;

signals:
    // The source played to its end. A source that cannot be played never finishes, so a
    // missing file does not restart the background track in a loop.
    void finished();
};

// Makes a player owned by `parent`.
using SoundPlayerFactory = std::function<SoundPlayer *(QObject *parent)>;
