#include "window_presence.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace {

// The kernel tells of a closed file a moment before it drops that file's lock, so a probe
// that still finds the lock right after a close looks again this much later.
constexpr int kAfterCloseMs = 100;

} // namespace

QString windowPresenceFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/r8config-window.lock");
}

WindowPresenceLock::~WindowPresenceLock() {
    release();
}

bool WindowPresenceLock::hold(const QString &path) {
    release();
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    // Shared: a second window may be open too. Blocking only for as long as a watcher's
    // probe holds the lock, which it gives up at once.
    int r;
    do
        r = ::flock(m_fd, LOCK_SH);
    while (r < 0 && errno == EINTR);
    if (r < 0) {
        release();
        return false;
    }
    // The write is what the watchers see.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(m_fd, 0) < 0 || ::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0) < 0) {
        release();
        return false;
    }
    return true;
}

void WindowPresenceLock::release() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

WindowPresenceWatch::WindowPresenceWatch(const QString &path, QObject *parent)
    : QObject(parent), m_path(path) {
    if (m_path.isEmpty())
        return;
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return;
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).path());
    m_folderWatch = ::inotify_add_watch(m_inotify, folder.constData(), IN_CREATE | IN_MOVED_TO);
    openFile();
    auto *notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
    m_open = probe();
}

WindowPresenceWatch::~WindowPresenceWatch() {
    if (m_file >= 0)
        ::close(m_file);
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void WindowPresenceWatch::openFile() {
    if (m_file >= 0)
        ::close(m_file);
    if (m_fileWatch >= 0)
        ::inotify_rm_watch(m_inotify, m_fileWatch);
    // Our own descriptor stays open for good: opening and closing it for each probe would
    // report events to ourselves.
    const QByteArray name = QFile::encodeName(m_path);
    m_file = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    m_fileWatch = m_file < 0 ? -1
                             : ::inotify_add_watch(m_inotify, name.constData(),
                                                   IN_MODIFY | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE |
                                                       IN_DELETE_SELF | IN_MOVE_SELF);
}

bool WindowPresenceWatch::isSameFile() const {
    struct stat ours {
    }, named{};
    return m_file >= 0 && ::fstat(m_file, &ours) == 0 &&
           ::stat(QFile::encodeName(m_path).constData(), &named) == 0 &&
           ours.st_ino == named.st_ino && ours.st_dev == named.st_dev;
}

bool WindowPresenceWatch::probe() const {
    if (m_file < 0)
        return false;
    if (::flock(m_file, LOCK_EX | LOCK_NB) == 0) {
        ::flock(m_file, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

void WindowPresenceWatch::update() {
    const bool open = probe();
    if (open != m_open) {
        m_open = open;
        emit windowOpenChanged(open);
    }
}

void WindowPresenceWatch::readEvents() {
    alignas(inotify_event) char buffer[sizeof(inotify_event) + NAME_MAX + 1];
    const QByteArray ownName = QFile::encodeName(QFileInfo(m_path).fileName());
    bool reopen = false, closed = false, any = false;
    for (;;) {
        const ssize_t n = ::read(m_inotify, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + e->len);
            if (e->wd == m_folderWatch) {
                if (e->len && ownName == e->name && !isSameFile())
                    reopen = true;
                continue;
            }
            if (e->wd != m_fileWatch)
                continue; // a watch given up already
            any = true;
            if (e->mask & (IN_DELETE_SELF | IN_MOVE_SELF))
                reopen = true;
            if (e->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE))
                closed = true;
        }
    }
    if (reopen)
        openFile();
    if (!reopen && !any)
        return;
    update();
    if (closed && m_open)
        QTimer::singleShot(kAfterCloseMs, this, [this] { update(); });
}
