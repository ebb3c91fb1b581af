#include "bounded_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BoundedFile {

namespace {

void say(QString *error, const QString &text) {
    if (error)
        *error = text;
}

QString tooLarge(qint64 maxBytes) {
    return QStringLiteral("is larger than %1 KB").arg(maxBytes / 1024);
}

bool checkStat(const struct stat &st, qint64 maxBytes, QString *error) {
    if (!S_ISREG(st.st_mode)) {
        say(error, QStringLiteral("is not a regular file"));
        return false;
    }
    if (st.st_size > maxBytes) {
        say(error, tooLarge(maxBytes));
        return false;
    }
    return true;
}

// Closes the descriptor on every way out.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

bool isRegularWithin(const QString &path, qint64 maxBytes, QString *error) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        say(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return checkStat(st, maxBytes, error);
}

bool read(const QString &path, qint64 maxBytes, QByteArray *contents, QString *error) {
    // O_NONBLOCK: opening a FIFO that nobody writes would otherwise wait for a writer.
    Fd f{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0) {
        say(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st;
    if (::fstat(f.fd, &st) != 0) {
        say(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (!checkStat(st, maxBytes, error))
        return false;

    // Read what the size says, then one byte more: a regular file ends there, a made-up one
    // (size 0 in /proc) does not.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(f.fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            say(error, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > st.st_size) {
        say(error, QStringLiteral("is not a regular file (it holds more than its size says)"));
        return false;
    }
    bytes.truncate(got);
    *contents = bytes;
    return true;
}

} // namespace BoundedFile
