#pragma once

// Shared by the fuzz targets: a Qt application for the objects that need one, a scratch
// folder per process, and a way to cut one input into parts.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace fuzz {

inline void ensureApp() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("GSETTINGS_BACKEND", "memory");
    // The readers log what they refuse; thousands of runs a second need a quiet console.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    static QCoreApplication app(argc, argv);
}

// One scratch folder for the whole process; each input overwrites what it needs.
inline const QString &scratch() {
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

// Splits the input at each occurrence of `separator` (a line of its own in the seeds), so
// that one input can carry several files.
inline QList<QByteArray> parts(const QByteArray &input, const QByteArray &separator, int max) {
    QList<QByteArray> out;
    qsizetype from = 0;
    while (out.size() < max - 1) {
        const qsizetype at = input.indexOf(separator, from);
        if (at < 0)
            break;
        out.append(input.mid(from, at - from));
        from = at + separator.size();
    }
    out.append(input.mid(from));
    while (out.size() < max)
        out.append(QByteArray());
    return out;
}

// Reads bytes off the front of the input; zeros once it is used up.
class Stream {
public:
    Stream(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool empty() const { return m_pos >= m_size; }
    QByteArray rest() {
        const QByteArray r(reinterpret_cast<const char *>(m_data + m_pos),
                           qsizetype(m_size - m_pos));
        m_pos = m_size;
        return r;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace fuzz
