#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QString>

// One report that crossed the emulated bus.
struct WireRecord {
    enum Direction { Out, In };
    enum Kind { Feature, Output, Input };
    qint64 ms = 0;
    Direction direction = Out;
    Kind kind = Feature;
    int iface = 1;    // 1 primary, 2 secondary
    QByteArray bytes; // as sent, report ID included for feature and output reports
    QByteArray plain; // the deciphered 8-byte frame, when the cipher is on; else empty
};

// Keeps every record and, when given a file, writes one line per record:
//   <ms since start> <OUT|IN> <FEATURE|OUTPUT|INPUT> <iface 1|2> <hex bytes>[ | plain <hex>]
// Thread-safe.
class WireLog {
public:
    WireLog();
    // Opens (truncates) the log file; false when it cannot be written.
    bool openFile(const QString &path);
    bool isWritingFile() const;
    void add(WireRecord record);
    QList<WireRecord> records() const;
    // The log's clock now, in the unit of WireRecord::ms (for measuring delays up to a report).
    qint64 now() const;
    void clear();

    static QString formatLine(const WireRecord &record);
    static QString hex(const QByteArray &bytes); // "00 1a ff"

private:
    mutable QMutex m_mutex;
    QElapsedTimer m_clock;
    QList<WireRecord> m_records;
    QFile m_file;
};
