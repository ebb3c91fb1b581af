#pragma once

#include "notice.h"

#include <QLocalServer>
#include <QString>

// Notices between copies of the program over a local socket, the successor of sending a
// copy-data message to a window found by its title. A running program listens on a server
// named after its window title; `sendNotice` finds that server by the same title.
//
// Wire form of one notice: tag, byte count and data length as little-endian 32-bit
// numbers, then the data bytes.
class NoticeServer : public QObject {
    Q_OBJECT
public:
    explicit NoticeServer(QObject *parent = nullptr);

    // Listens under the name derived from `title`; a stale socket of a dead copy is
    // replaced. Returns false when the name cannot be taken.
    bool listen(const QString &title);
    QString serverName() const;

    static QString serverNameFor(const QString &title);

signals:
    // Emitted for every complete notice that arrives; main passes it to noticeFilter.
    void noticeReceived(const NoticeMessage &message);

private:
    void readFrom(class QLocalSocket *socket);

    QLocalServer m_server;
};

// Sends `message` to the program whose window title is `title`, unless that program is
// `except` (our own server, for instance). Returns false when nobody listens under the
// title or the notice could not be written. The receiver handles the notice from its own
// event loop, so sending to the program itself never blocks.
bool sendNotice(const QString &title, const NoticeMessage &message,
                const NoticeServer *except = nullptr);
