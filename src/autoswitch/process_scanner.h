#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

// The names of the running programs, read from /proc. A scan lists the process folders and
// reads only processes it has not met before; a process keeps the names it was first read
// with, except during its first few scans (between fork and exec a child still carries its
// parent's name, and launchers exec their game a moment after they start).
//
// The names of a process: its command name (`comm`, at most 15 characters), the last part
// of its first argument (full length; a Wine program's "C:\\Games\\x.exe" gives "x.exe") and
// of its executable's path where we may read it.
//
// Listing /proc costs more than an idle watcher may spend each second, so a scan first asks
// the kernel for the last process number it gave out (/proc/loadavg): when no process has
// started since the previous scan, none is young, and every process whose names are of
// interest still runs, nothing that matters can have changed and the folder is not listed.
class ProcessScanner {
public:
    static constexpr int kYoungScans = 5;
    using Interest = std::function<bool(const QString &name)>;

    explicit ProcessScanner(QByteArray procRoot = QByteArrayLiteral("/proc"));

    // The names whose programs' end must be seen (those a rule names); by default all. The
    // next scan lists the folder.
    void setInterest(Interest interest);

    // Reads the process table; true when the set of names differs from the previous scan.
    // Names of no interest may stay listed after their process ended, until the next scan
    // that lists the folder.
    bool scan();
    // Every distinct name, sorted.
    QStringList names() const;
    // Processes read during the last scan (the cost of a scan beyond listing the folder).
    int examinedLastScan() const { return m_examined; }
    // Whether the last scan listed the folder.
    bool listedLastScan() const { return m_listed; }

private:
    struct Process {
        quint64 inode = 0; // a reused process number comes with a new folder
        QStringList names;
        int youngScans = 0;
        bool seen = false;
    };

    QStringList readNames(const QByteArray &folder) const;
    void count(const QStringList &names, int delta);
    qint64 lastProcessNumber() const;
    bool watchedStillRun() const;
    void listFolder();

    QByteArray m_root;
    QHash<int, Process> m_processes;
    QHash<QString, int> m_nameCount;
    Interest m_interest;
    QSet<int> m_watched; // processes with a name of interest
    qint64 m_lastNumber = -1;
    int m_young = 0;
    bool m_changed = false;
    bool m_listed = false;
    int m_examined = 0;
};
