#include "wire_log.h"

WireLog::WireLog() {
    m_clock.start();
}

bool WireLog::openFile(const QString &path) {
    QMutexLocker lock(&m_mutex);
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

bool WireLog::isWritingFile() const {
    QMutexLocker lock(&m_mutex);
    return m_file.isOpen();
}

void WireLog::add(WireRecord record) {
    QMutexLocker lock(&m_mutex);
    record.ms = m_clock.elapsed();
    m_records.append(record);
    if (m_file.isOpen()) {
        m_file.write(formatLine(record).toLatin1() + '\n');
        m_file.flush();
    }
}

QList<WireRecord> WireLog::records() const {
    QMutexLocker lock(&m_mutex);
    return m_records;
}

qint64 WireLog::now() const {
    QMutexLocker lock(&m_mutex);
    return m_clock.elapsed();
}

void WireLog::clear() {
    QMutexLocker lock(&m_mutex);
    m_records.clear();
}

QString WireLog::hex(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

QString WireLog::formatLine(const WireRecord &r) {
    static const char *kinds[] = {"FEATURE", "OUTPUT", "INPUT"};
    QString line = QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r.ms)
                       .arg(QLatin1String(r.direction == WireRecord::Out ? "OUT" : "IN"))
                       .arg(QLatin1String(kinds[r.kind]))
                       .arg(r.iface)
                       .arg(hex(r.bytes));
    if (!r.plain.isEmpty())
        line += QStringLiteral(" | plain ") + hex(r.plain);
    return line;
}
