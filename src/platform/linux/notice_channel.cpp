#include "notice_channel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalSocket>

namespace {
constexpr int kHeaderBytes = 12;
constexpr quint32 kMaxNoticeBytes = 1 << 20;
constexpr int kSendTimeoutMs = 2000;

QByteArray encode(const NoticeMessage &message) {
    QByteArray wire;
    QDataStream out(&wire, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << message.tag << message.byteCount << quint32(message.data.size());
    wire.append(message.data);
    return wire;
}
} // namespace

NoticeServer::NoticeServer(QObject *parent) : QObject(parent) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readFrom(socket);
        }
    });
}

QString NoticeServer::serverNameFor(const QString &title) {
    // Titles may hold any character; socket names may not.
    return QStringLiteral("r8notice-") +
           QString::fromLatin1(
               QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool NoticeServer::listen(const QString &title) {
    const QString name = serverNameFor(title);
    if (m_server.listen(name))
        return true;
    // A copy that crashed leaves its socket file behind; a live copy answers a connect.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200))
        return false;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

QString NoticeServer::serverName() const {
    return m_server.serverName();
}

void NoticeServer::readFrom(QLocalSocket *socket) {
    for (;;) {
        if (socket->bytesAvailable() < kHeaderBytes)
            return;
        QDataStream in(socket->peek(kHeaderBytes));
        in.setByteOrder(QDataStream::LittleEndian);
        NoticeMessage message;
        quint32 length = 0;
        in >> message.tag >> message.byteCount >> length;
        if (length > kMaxNoticeBytes) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < kHeaderBytes + qint64(length))
            return;
        socket->read(kHeaderBytes);
        message.data = socket->read(length);
        // Handlers show modal boxes; run them from the event loop, not inside the socket's
        // readyRead, or the box's loop deletes the disconnected socket under its signal.
        QMetaObject::invokeMethod(
            this, [this, message] { emit noticeReceived(message); }, Qt::QueuedConnection);
    }
}

bool sendNotice(const QString &title, const NoticeMessage &message, const NoticeServer *except) {
    const QString name = NoticeServer::serverNameFor(title);
    if (except && except->serverName() == name)
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kSendTimeoutMs))
        return false;
    socket.write(encode(message));
    const bool written = socket.waitForBytesWritten(kSendTimeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return written;
}
