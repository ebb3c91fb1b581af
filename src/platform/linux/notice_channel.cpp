#include "notice_channel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int kHeaderBytes = 12;
constexpr int kSendTimeoutMs = 2000;
constexpr int kBacklog = 16;

QByteArray encode(const NoticeMessage &message) {
    QByteArray wire;
    QDataStream out(&wire, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << message.tag << message.byteCount << quint32(message.data.size());
    wire.append(message.data);
    return wire;
}

// A folder of this user that nobody else may enter or list, and not a link to elsewhere.
bool isPrivateFolder(const QByteArray &path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

bool fillAddress(const QByteArray &path, sockaddr_un *address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address->sun_path))
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Whether a live copy answers on `path`.
bool answers(const QByteArray &path) {
    sockaddr_un address;
    if (!fillAddress(path, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool live = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return live;
}
} // namespace

NoticeServer::NoticeServer(QObject *parent) : QObject(parent), m_retry(new QTimer(this)) {
    m_retry->setSingleShot(true);
    m_retry->setInterval(kAcceptRetryMs);
    connect(m_retry, &QTimer::timeout, this, [this] {
        if (m_notifier)
            m_notifier->setEnabled(true);
        acceptPending();
    });
}

NoticeServer::~NoticeServer() {
    close();
}

QString NoticeServer::runtimeFolder() {
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (xdg.startsWith('/') && isPrivateFolder(xdg))
        return QFile::decodeName(xdg);
    const QString fallback =
        QDir::tempPath() + QStringLiteral("/r8config-") + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(fallback);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // A folder someone else made, or one others may enter, is never used (nor loosened or
    // taken over): whoever made it could be listening under our name.
    return isPrivateFolder(path) ? fallback : QString();
}

QString NoticeServer::serverNameFor(const QString &title) {
    const QString folder = runtimeFolder();
    if (folder.isEmpty())
        return QString();
    // Titles may hold any character; socket names may not.
    return folder + QStringLiteral("/r8notice-") +
           QString::fromLatin1(
               QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool NoticeServer::listen(const QString &title) {
    close();
    const QString name = serverNameFor(title);
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address;
    if (name.isEmpty() || !fillAddress(path, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const auto bindTo = [&] {
        return ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    };
    bool bound = bindTo();
    if (!bound && errno == EADDRINUSE && !answers(path)) {
        // A copy that crashed leaves its socket behind; a live copy answers a connect.
        ::unlink(path.constData());
        bound = bindTo();
    }
    // The folder already keeps others out; the socket itself says the same.
    if (!bound || ::chmod(path.constData(), 0600) != 0 || ::listen(fd, kBacklog) != 0) {
        if (bound)
            ::unlink(path.constData());
        ::close(fd);
        return false;
    }
    m_listenFd = fd;
    m_path = name;
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &NoticeServer::acceptPending);
    return true;
}

QString NoticeServer::serverName() const {
    return m_path;
}

void NoticeServer::close() {
    for (QLocalSocket *socket : std::as_const(m_connections)) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_connections.clear();
    delete m_notifier;
    m_notifier = nullptr;
    m_retry->stop();
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(QFile::encodeName(m_path).constData());
        m_listenFd = -1;
    }
    m_path.clear();
}

void NoticeServer::acceptPending() {
    while (m_listenFd >= 0) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            adopt(fd);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED || errno == EPROTO)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return;
        // Out of descriptors or memory: the caller waits in the backlog. Listening goes on;
        // pause rather than spin on a socket that stays readable.
        m_notifier->setEnabled(false);
        m_retry->start();
        return;
    }
}

void NoticeServer::adopt(int fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::getuid() ||
        m_connections.size() >= kMaxConnections) {
        ::close(fd);
        return;
    }
    auto *socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(qintptr(fd))) {
        ::close(fd);
        delete socket;
        return;
    }
    // Unread data per connection stays within one notice; Qt stops reading beyond it.
    socket->setReadBufferSize(kHeaderBytes + kMaxNoticeBytes);
    m_connections.insert(socket);
    auto *idle = new QTimer(socket);
    idle->setObjectName(QStringLiteral("idle"));
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
    idle->start(m_idleTimeoutMs);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
    readFrom(socket);
}

void NoticeServer::drop(QLocalSocket *socket) {
    if (!m_connections.remove(socket))
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void NoticeServer::readFrom(QLocalSocket *socket) {
    while (m_connections.contains(socket)) {
        if (socket->bytesAvailable() < kHeaderBytes)
            return;
        QDataStream in(socket->peek(kHeaderBytes));
        in.setByteOrder(QDataStream::LittleEndian);
        NoticeMessage message;
        quint32 length = 0;
        in >> message.tag >> message.byteCount >> length;
        if (length > kMaxNoticeBytes) {
            drop(socket);
            return;
        }
        if (socket->bytesAvailable() < kHeaderBytes + qint64(length))
            return;
        socket->read(kHeaderBytes);
        message.data = socket->read(length);
        // A sender that keeps completing notices is not idle.
        if (auto *idle = socket->findChild<QTimer *>(QStringLiteral("idle")))
            idle->start(m_idleTimeoutMs);
        // Handlers show modal boxes; run them from the event loop, not inside the socket's
        // readyRead, or the box's loop deletes the disconnected socket under its signal.
        QMetaObject::invokeMethod(
            this, [this, message] { emit noticeReceived(message); }, Qt::QueuedConnection);
    }
}

bool sendNotice(const QString &title, const NoticeMessage &message, const NoticeServer *except) {
    const QString name = NoticeServer::serverNameFor(title);
    if (name.isEmpty() || (except && except->serverName() == name))
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
