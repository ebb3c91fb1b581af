#pragma once

// Running programs as a user of the installed package runs them: a temporary HOME with its
// XDG folders, a working folder of its own, and a record of every file under a folder so a
// test can tell that nothing in it changed.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ProgramRun runProgram(const QString &program, const QStringList &arguments,
                             const QProcessEnvironment &env, const QString &folder,
                             int timeoutMs = 120000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(program, arguments);
    ProgramRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = program + " did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// HOME and the XDG folders below `home`; the real-device and GSettings seams kept away.
inline QProcessEnvironment userEnvironment(const QString &home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    env.insert("XDG_STATE_HOME", home + "/.local/state");
    env.insert("GSETTINGS_BACKEND", "memory");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    env.remove("R8_EMULATE");
    env.remove("R8_WIRE_LOG");
    return env;
}

// Every entry below `root`: its relative path -> what it is (a link's target, a file's
// permissions and content hash, or a folder).
inline QMap<QString, QString> folderRecord(const QString &root) {
    QMap<QString, QString> record;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QDir(root).relativeFilePath(path);
        if (info.isSymLink()) {
            record[relative] = "-> " + info.symLinkTarget();
        } else if (info.isDir()) {
            record[relative] = "folder";
        } else {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            record[relative] =
                QString::number(int(info.permissions()), 16) + " " +
                QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
        }
    }
    return record;
}

inline QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll()
                                       : QByteArray("<missing: " + path.toUtf8() + ">");
}
