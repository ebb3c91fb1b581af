#pragma once

// r8ctl run as a user runs it: a separate process, from another current directory, on a
// copy of the staged program so that no test changes build/bin/modules.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

struct R8ctlRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// One line of the wire log.
struct WireLine {
    QString direction; // OUT, IN
    QString kind;      // FEATURE, OUTPUT, INPUT
    int iface = 0;
    QByteArray bytes;
    QByteArray plain;
};

class R8ctlRig {
public:
    R8ctlRig() {
        const QString bin = qEnvironmentVariable("R8_BIN_DIR");
        exe = program.filePath("r8ctl");
        QFile::copy(bin + "/r8ctl", exe);
        for (const char *folder : {"modules/setting", "modules/i18n"}) {
            QDirIterator it(bin + "/" + folder, QDir::Files);
            QDir().mkpath(program.filePath(folder));
            while (it.hasNext()) {
                it.next();
                QFile::copy(it.filePath(), program.filePath(QString(folder) + "/" + it.fileName()));
            }
        }
        QDir().mkpath(program.filePath("modules/macro"));
    }

    // Runs r8ctl with `arguments` from the user's folder.
    R8ctlRun run(const QStringList &arguments) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("R8_EMULATE");
        env.remove("R8_WIRE_LOG");
        env.insert("GSETTINGS_BACKEND", "memory");
        for (auto it = environment.begin(); it != environment.end(); ++it)
            env.insert(it.key(), it.value());
        p.setProcessEnvironment(env);
        if (beforeExec)
            p.setChildProcessModifier(beforeExec);
        p.setWorkingDirectory(user.path());
        p.start(exe, arguments);
        R8ctlRun r;
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            r.err = "r8ctl did not finish";
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QString userFile(const QString &name) const { return user.filePath(name); }
    QString programFile(const QString &relative) const { return program.filePath(relative); }

    void writeUserFile(const QString &name, const QByteArray &contents) const {
        QFile f(userFile(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(contents);
    }
    static QByteArray read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every file under modules/ with its bytes.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(program.filePath("modules"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            files.insert(it.filePath(), read(it.filePath()));
        }
        return files;
    }

    QList<WireLine> wireLog(const QString &name = "w.log") const {
        QList<WireLine> lines;
        static const QRegularExpression form("^\\d+ (OUT|IN) (FEATURE|OUTPUT|INPUT) (\\d) ([0-9a-f "
                                             "]+?)(?: \\| plain ([0-9a-f ]+))?$");
        for (const QByteArray &raw : read(userFile(name)).split('\n')) {
            const QRegularExpressionMatch m = form.match(QString::fromLatin1(raw));
            if (!m.hasMatch())
                continue;
            lines.append({m.captured(1), m.captured(2), m.captured(3).toInt(),
                          QByteArray::fromHex(m.captured(4).toLatin1()),
                          QByteArray::fromHex(m.captured(5).toLatin1())});
        }
        return lines;
    }

    // The set commands of a wire log: every outgoing frame whose code is below 80H, the
    // handshake's 00H aside.
    static QList<WireLine> setCommands(const QList<WireLine> &log) {
        QList<WireLine> sets;
        for (const WireLine &l : log) {
            if (l.direction == "OUT" && l.kind == "FEATURE" && l.plain.size() == 8 &&
                uchar(l.plain[0]) != 0x00 && uchar(l.plain[0]) < 0x80)
                sets.append(l);
        }
        return sets;
    }

    QTemporaryDir program;
    QTemporaryDir user;
    QString exe;
    // Set by a test for the runs that follow: more environment, and what the child does
    // just before it starts r8ctl (limits, signal dispositions).
    QMap<QString, QString> environment;
    std::function<void()> beforeExec;
};

// A rig whose every run finds the virtual mouse (R8_EMULATE): switching, importing or
// resetting the current profile sends it to the mouse, so these need one.
struct R8ctlRigOnVirtualMouse : R8ctlRig {
    R8ctlRigOnVirtualMouse() { environment.insert("R8_EMULATE", ""); }
};

// The frame's checksum: NOT of the 8-bit sum of bytes 0..6.
inline uchar frameChecksum(const QByteArray &frame) {
    uchar sum = 0;
    for (int i = 0; i < 7; ++i)
        sum = uchar(sum + uchar(frame[i]));
    return uchar(~sum);
}

inline QByteArray hexBytes(const char *spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}
