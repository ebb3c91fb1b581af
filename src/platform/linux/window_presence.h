#pragma once

#include <QObject>
#include <QString>

// Whether the configurator's window is open, told through a file in the user's runtime
// folder ($XDG_RUNTIME_DIR/r8config-window.lock): the window holds a shared flock(2) on it
// for as long as it is open and writes its process number into it once it holds the lock.
// The kernel drops the lock when the window's process ends in any way, a crash included, so
// a stale file never reads as an open window.

// The file both sides use.
QString windowPresenceFile();

// Held by the window. Does nothing when the runtime folder cannot be used.
class WindowPresenceLock {
public:
    WindowPresenceLock() = default;
    ~WindowPresenceLock();
    WindowPresenceLock(const WindowPresenceLock &) = delete;
    WindowPresenceLock &operator=(const WindowPresenceLock &) = delete;

    bool hold(const QString &path = windowPresenceFile());
    void release();
    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// Followed by the watcher: inotify on the file (the window's write when it takes the lock,
// its close when it ends) and on the folder (the file made anew), each answered by a
// non-blocking probe of the lock. No polling.
class WindowPresenceWatch : public QObject {
    Q_OBJECT
public:
    explicit WindowPresenceWatch(const QString &path = windowPresenceFile(),
                                 QObject *parent = nullptr);
    ~WindowPresenceWatch() override;

    // False when neither file nor folder could be watched: the window is then never seen.
    bool isActive() const { return m_inotify >= 0 && m_file >= 0; }
    bool isWindowOpen() const { return m_open; }

signals:
    void windowOpenChanged(bool open);

private:
    void openFile();
    void readEvents();
    bool isSameFile() const;
    bool probe() const;
    void update();

    QString m_path;
    int m_inotify = -1;
    int m_folderWatch = -1;
    int m_fileWatch = -1;
    int m_file = -1;
    bool m_open = false;
};
