#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>

// The names of the running programs, read from /proc. A scan lists the process folders and
// reads only processes it has not met before; a process keeps the names it was first read
// with, except during its first few scans (between fork and exec a child still carries its
// parent's name, and launchers exec their game a moment after they start).
//
// The names of a process: its command name (`comm`, at most 15 characters), the last part
// of its first argument (full length; a Wine program's "C:\\Games\\x.exe" gives "x.exe") and
// of its executable's path where we may read it.
class ProcessScanner {
public:
    static constexpr int kYoungScans = 5;

    explicit ProcessScanner(QByteArray procRoot = QByteArrayLiteral("/proc"));

    // Reads the process table; true when the set of names differs from the previous scan.
    bool scan();
    // Every distinct name, sorted.
    QStringList names() const;
    // Processes read during the last scan (the cost of a scan beyond listing the folder).
    int examinedLastScan() const { return m_examined; }

private:
    struct Process {
        quint64 inode = 0; // a reused process number comes with a new folder
        QStringList names;
        int youngScans = 0;
        bool seen = false;
    };

    QStringList readNames(const QByteArray &folder) const;
    void count(const QStringList &names, int delta);

    QByteArray m_root;
    QHash<int, Process> m_processes;
    QHash<QString, int> m_nameCount;
    bool m_changed = false;
    int m_examined = 0;
};
