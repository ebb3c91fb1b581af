#include "process_scanner.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>

namespace {

// Up to `size` bytes of a small /proc file; empty when it cannot be read.
QByteArray readSmall(const QByteArray &path, int size) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray data(size, Qt::Uninitialized);
    const ssize_t n = ::read(fd, data.data(), size_t(size));
    ::close(fd);
    data.truncate(n > 0 ? int(n) : 0);
    return data;
}

QString lastPart(const QString &path) {
    const int cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

bool isNumber(const char *name) {
    if (!*name)
        return false;
    for (; *name; ++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

} // namespace

ProcessScanner::ProcessScanner(QByteArray procRoot) : m_root(std::move(procRoot)) {}

QStringList ProcessScanner::readNames(const QByteArray &folder) const {
    QStringList names;
    auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    };
    add(QString::fromUtf8(readSmall(folder + "/comm", 64)).trimmed());
    // The first argument ends at the first NUL; 4 KiB covers any real program path.
    const QByteArray cmdline = readSmall(folder + "/cmdline", 4096);
    add(lastPart(QString::fromUtf8(cmdline.left(cmdline.indexOf('\0')))));
    char target[4096];
    const ssize_t n = ::readlink((folder + "/exe").constData(), target, sizeof target - 1);
    if (n > 0) {
        QString exe = QString::fromUtf8(target, int(n));
        if (exe.endsWith(QLatin1String(" (deleted)"))) // replaced by an update while running
            exe.chop(10);
        add(lastPart(exe));
    }
    return names;
}

void ProcessScanner::count(const QStringList &names, int delta) {
    for (const QString &name : names) {
        int &c = m_nameCount[name];
        const bool before = c > 0;
        c += delta;
        if ((c > 0) != before)
            m_changed = true;
        if (c <= 0)
            m_nameCount.remove(name);
    }
}

void ProcessScanner::setInterest(Interest interest) {
    m_interest = std::move(interest);
    m_lastNumber = -1; // the watched set is made anew by listing the folder
}

qint64 ProcessScanner::lastProcessNumber() const {
    // "0.08 0.12 0.09 1/183 43121": the last field is the last process number given out.
    const QByteArray text = readSmall(m_root + "/loadavg", 128).trimmed();
    bool ok = false;
    const qint64 n = text.mid(text.lastIndexOf(' ') + 1).toLongLong(&ok);
    return ok ? n : -1;
}

bool ProcessScanner::watchedStillRun() const {
    for (int pid : m_watched) {
        // Signal 0 only asks whether the process exists; EPERM: it does, as someone else's.
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            return false;
    }
    return true;
}

bool ProcessScanner::scan() {
    m_changed = false;
    m_examined = 0;
    m_listed = false;
    const qint64 last = lastProcessNumber();
    if (last >= 0 && last == m_lastNumber && m_young == 0 && watchedStillRun())
        return false;
    m_lastNumber = last;
    listFolder();
    return m_changed;
}

void ProcessScanner::listFolder() {
    DIR *dir = ::opendir(m_root.constData());
    if (!dir)
        return;
    m_listed = true;
    for (auto &p : m_processes)
        p.seen = false;
    while (const dirent *e = ::readdir(dir)) {
        if (!isNumber(e->d_name))
            continue;
        const int pid = atoi(e->d_name);
        auto it = m_processes.find(pid);
        if (it != m_processes.end() && it->inode != quint64(e->d_ino)) {
            count(it->names, -1);
            m_processes.erase(it);
            it = m_processes.end();
        }
        if (it == m_processes.end()) {
            it = m_processes.insert(pid, Process{quint64(e->d_ino), {}, kYoungScans, false});
        }
        it->seen = true;
        if (it->youngScans > 0) {
            --it->youngScans;
            ++m_examined;
            const QStringList names = readNames(m_root + '/' + e->d_name);
            if (names != it->names) {
                count(names, +1);
                count(it->names, -1);
                it->names = names;
            }
        }
    }
    ::closedir(dir);
    m_watched.clear();
    m_young = 0;
    for (auto it = m_processes.begin(); it != m_processes.end();) {
        if (!it->seen) {
            count(it->names, -1);
            it = m_processes.erase(it);
            continue;
        }
        if (it->youngScans > 0)
            ++m_young;
        if (std::any_of(it->names.begin(), it->names.end(),
                        [this](const QString &name) { return !m_interest || m_interest(name); }))
            m_watched.insert(it.key());
        ++it;
    }
}

QStringList ProcessScanner::names() const {
    QStringList all = m_nameCount.keys();
    std::sort(all.begin(), all.end());
    return all;
}
