#pragma once
// /bin/sleep copied to a path of the test's choosing and started there, so that /proc shows
// a running program under that name. Killed when it goes out of scope.
#include <QFile>
#include <QProcess>
#include <QString>

class NamedProcess {
public:
    explicit NamedProcess(const QString &exePath) {
        QFile::copy(QStringLiteral("/bin/sleep"), exePath);
        m_process.start(exePath, {QStringLiteral("60")});
        m_process.waitForStarted();
    }
    ~NamedProcess() { stop(); }
    NamedProcess(const NamedProcess &) = delete;
    NamedProcess &operator=(const NamedProcess &) = delete;

    void stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

private:
    QProcess m_process;
};
