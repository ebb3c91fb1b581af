#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A throw-away program folder: the test's current directory, with ./modules/... created on
// demand. The previous current directory comes back when it goes out of scope.
class ProgramFolder {
public:
    ProgramFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ProgramFolder() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

    // Writes `contents` to `relative` (e.g. "modules/setting/apConfig.bin"), making folders.
    void write(const QString &relative, const QByteArray &contents) const {
        const QString target = file(relative);
        QDir().mkpath(QFileInfo(target).path());
        QFile f(target);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(contents);
    }

    QByteArray read(const QString &relative) const {
        QFile f(file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
