#pragma once

#include "notice.h"

#include <QObject>
#include <QSet>
#include <QString>

class QLocalSocket;
class QSocketNotifier;
class QTimer;

// Notices between copies of the program over a local socket, the successor of sending a
// copy-data message to a window found by its title. A running program listens on a socket
// named after its window title; `sendNotice` finds it by the same title.
//
// The socket lives in the user's own runtime folder ($XDG_RUNTIME_DIR when it is a folder of
// this user that nobody else may enter, otherwise "r8config-<uid>" in the temporary folder,
// made with the same rights): another user can neither take the name first nor connect. The
// server also refuses peers of another user, takes at most kMaxConnections at a time, drops
// a connection that has not completed a notice within the idle time-out, and keeps listening
// when accepting fails (out of file descriptors, for instance).
//
// Wire form of one notice: tag, byte count and data length as little-endian 32-bit
// numbers, then the data bytes (at most kMaxNoticeBytes).
class NoticeServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 8;
    static constexpr quint32 kMaxNoticeBytes = 64 * 1024;
    // What all connections together may hold unread: every connection's buffer is bounded.
    static constexpr qint64 kMaxPendingBytes = kMaxConnections * (12 + qint64(kMaxNoticeBytes));
    static constexpr int kIdleTimeoutMs = 2000;
    // After accepting failed for want of resources, the next try comes this much later.
    static constexpr int kAcceptRetryMs = 250;

    explicit NoticeServer(QObject *parent = nullptr);
    ~NoticeServer() override;

    // Listens under the name derived from `title`; a stale socket of a dead copy is
    // replaced. Returns false when the name is taken by a live copy or no private folder
    // can be had.
    bool listen(const QString &title);
    // Stops listening and drops every connection; the socket file goes.
    void close();
    // The socket's path while listening, else empty.
    QString serverName() const;
    int connectionCount() const { return int(m_connections.size()); }
    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms; }

    // The socket path for `title`, in runtimeFolder(); empty without such a folder.
    static QString serverNameFor(const QString &title);
    // The user's private runtime folder (see above), made when missing; empty when none
    // can be had safely.
    static QString runtimeFolder();

signals:
    // Emitted (from the event loop) for every complete notice that arrives; main passes it
    // to noticeFilter.
    void noticeReceived(const NoticeMessage &message);

private:
    void acceptPending();
    void adopt(int fd);
    void readFrom(QLocalSocket *socket);
    void drop(QLocalSocket *socket);

    int m_listenFd = -1;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_retry = nullptr;
    QSet<QLocalSocket *> m_connections;
    int m_idleTimeoutMs = kIdleTimeoutMs;
};

// Sends `message` to the program whose window title is `title`, unless that program is
// `except` (our own server, for instance). Returns false when nobody listens under the
// title or the notice could not be written. The receiver handles the notice from its own
// event loop, so sending to the program itself never blocks.
bool sendNotice(const QString &title, const NoticeMessage &message,
                const NoticeServer *except = nullptr);
