#include "leftover_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>

#include <cerrno>
#include <signal.h>
#include <sys/stat.h>

namespace LeftoverFiles {

namespace {

bool processGone(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

struct FileId {
    dev_t device;
    ino_t inode;
};

// The files every visible process holds open; false when they cannot be seen (no /proc).
bool openFiles(QList<FileId> *files) {
    if (!QFileInfo::exists(QStringLiteral("/proc/self/fd")))
        return false;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : pids) {
        if (pid.isEmpty() || !pid[0].isDigit())
            continue;
        const QString fdFolder = QStringLiteral("/proc/") + pid + QStringLiteral("/fd");
        const QStringList fds = QDir(fdFolder).entryList(QDir::AllEntries | QDir::System);
        for (const QString &fd : fds) {
            struct stat st;
            if (::stat(QFile::encodeName(fdFolder + QLatin1Char('/') + fd).constData(), &st) == 0 &&
                S_ISREG(st.st_mode))
                files->append({st.st_dev, st.st_ino});
        }
    }
    return true;
}

bool isHeldOpen(const QFileInfo &file, const QList<FileId> &open) {
    struct stat st;
    if (::stat(QFile::encodeName(file.filePath()).constData(), &st) != 0)
        return false;
    for (const FileId &id : open)
        if (id.device == st.st_dev && id.inode == st.st_ino)
            return true;
    return false;
}

} // namespace

QStringList clean(const QStringList &folders) {
    static const QRegularExpression ours(QStringLiteral("\\.r8tmp-(\\d+)-[0-9a-z]+$"));
    static const QRegularExpression library(
        QStringLiteral("\\.(bin|ini)\\.([A-Za-z0-9]{6}|part)$"));
    QStringList removed;
    bool looked = false, canSee = false;
    QList<FileId> open;
    for (const QString &folder : folders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QFileInfo &file : files) {
            const QString name = file.fileName();
            bool remove = false;
            if (const QRegularExpressionMatch m = ours.match(name); m.hasMatch()) {
                remove = processGone(m.captured(1).toLongLong());
            } else if (library.match(name).hasMatch() || name.endsWith(QLatin1String(".lock"))) {
                if (!looked) {
                    canSee = openFiles(&open);
                    looked = true;
                }
                if (canSee) {
                    // A lock is held open by its owner for as long as it is held; one a run
                    // was killed in the middle of writing may not even name its owner.
                    remove = !isHeldOpen(file, open);
                } else if (name.endsWith(QLatin1String(".lock"))) {
                    QLockFile lock(file.filePath()); // taken over when its owner is gone
                    if (lock.tryLock(0))
                        lock.unlock();
                    if (!QFile::exists(file.filePath()))
                        removed.append(name);
                    continue;
                } else {
                    remove =
                        file.lastModified().secsTo(QDateTime::currentDateTime()) > kQuietSeconds;
                }
            }
            if (remove && QFile::remove(file.filePath()))
                removed.append(name);
        }
    }
    return removed;
}

} // namespace LeftoverFiles
