#include "atomic_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicReplace {

namespace {

bool fail(QString *error, const QString &text) {
    if (error)
        *error = text;
    return false;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray &bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The folder entry of a rename is only durable once the folder itself is synced.
void syncFolder(const QByteArray &folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Temporary files of this target that runs killed in the middle left behind.
void removeLeftovers(const QString &target) {
    const QFileInfo info(target);
    const QString prefix = info.fileName() + QLatin1String(kTemporaryMark);
    const QStringList names =
        QDir(info.absolutePath())
            .entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        bool numeric = false;
        const qint64 pid =
            name.mid(prefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&numeric);
        if (numeric && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(info.absolutePath() + QLatin1Char('/') + name);
    }
}

} // namespace

bool write(const QString &requested, const QByteArray &bytes, QString *error, const Check &check) {
    QString target = requested;
    struct stat st;
    bool exists = ::lstat(QFile::encodeName(target).constData(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        // Replace what the link names, not the link.
        const QString resolved = QFileInfo(target).canonicalFilePath();
        if (resolved.isEmpty()) {
            target = QFileInfo(target).symLinkTarget();
            exists = false;
        } else {
            target = resolved;
            exists = ::stat(QFile::encodeName(target).constData(), &st) == 0;
        }
    }
    if (exists && !S_ISREG(st.st_mode))
        return fail(error, QStringLiteral("is not a regular file"));

    removeLeftovers(target);
    const QByteArray finalName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = finalName + kTemporaryMark + QByteArray::number(qint64(::getpid())) + '-' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(error, systemError());
    }
    if (fd < 0)
        return fail(error, systemError());

    bool ok = true;
    QString reason;
    if (exists && ::fchmod(fd, st.st_mode & 07777) != 0) {
        ok = false;
        reason = systemError();
    }
    if (ok && !writeAll(fd, bytes)) {
        ok = false;
        reason = systemError();
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        reason = systemError();
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = systemError();
    }
    if (ok && check)
        ok = check(QFile::decodeName(temporary), &reason);
    if (ok && ::rename(temporary.constData(), finalName.constData()) != 0) {
        ok = false;
        reason = systemError();
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return fail(error, reason);
    }
    syncFolder(folder);
    return true;
}

} // namespace AtomicReplace
