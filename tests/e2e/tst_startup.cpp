// The real program, started as a user would, from another current directory.
#include "notice_channel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

// A copy of the staged program in its own folder, so each test controls what lies beside it.
struct InstalledCopy {
    QTemporaryDir dir;
    QString exe;

    explicit InstalledCopy(bool withModules, const QByteArray &apConfig = {}) {
        const QString bin = qEnvironmentVariable("R8_BIN_DIR");
        exe = dir.filePath("r8config");
        QFile::copy(bin + "/r8config", exe);
        if (withModules) {
            QDir().mkpath(dir.filePath("modules/setting"));
            QFile f(dir.filePath("modules/setting/apConfig.bin"));
            f.open(QIODevice::WriteOnly);
            f.write(apConfig);
        }
    }
};

bool waitForListener(const QString &title, QProcess &program, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && program.state() == QProcess::Running) {
        QLocalSocket probe;
        probe.connectToServer(NoticeServer::serverNameFor(title));
        if (probe.waitForConnected(100))
            return true;
        program.waitForFinished(100);
    }
    return false;
}

TEST(Startup, FindsModulesBesideTheExecutableWhenStartedElsewhere) {
    // The window title comes from ./modules/setting/apConfig.bin; the program's notice
    // server is named after it. Finding the server proves the program read the file beside
    // itself and not one in the current directory.
    const QString title = "R8 e2e " + QUuid::createUuid().toString(QUuid::WithoutBraces);
    InstalledCopy copy(true, "[common]\nname=" + title.toUtf8() +
                                 "\nsCode1=k-wodrum\nproduct_name=Keyboard, R8\n");
    QTemporaryDir elsewhere;
    QProcess program;
    program.setWorkingDirectory(elsewhere.path());
    program.start(copy.exe, {});
    ASSERT_TRUE(program.waitForStarted(5000));
    EXPECT_TRUE(waitForListener(title, program, 10000)) << program.readAllStandardError().data();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);
}

TEST(Startup, AMissingModulesFolderDoesNotCrash) {
    InstalledCopy copy(false);
    QProcess program;
    // Without modules/ beside it the program counts as installed and keeps the user's
    // files under XDG_DATA_HOME: keep them in the test's folder.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", copy.dir.filePath("data"));
    program.setProcessEnvironment(env);
    program.start(copy.exe, {});
    ASSERT_TRUE(program.waitForStarted(5000));
    // Without a config there is no device and no demo code: the program shows its
    // "Can not detect" box and waits for it. It must still be alive, not crashed.
    program.waitForFinished(2000);
    EXPECT_TRUE(program.state() == QProcess::Running ||
                program.exitStatus() == QProcess::NormalExit)
        << program.readAllStandardError().data();
    program.kill();
    program.waitForFinished(5000);
}

} // namespace
