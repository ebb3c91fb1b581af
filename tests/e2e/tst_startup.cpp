// The real program, started as a user would, from another current directory.
#include "notice_channel.h"

#include <QDataStream>
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
    QFile::remove(NoticeServer::serverNameFor(title)); // a killed copy leaves it
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

QByteArray noticeBytes(const QByteArray &text) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(kNoticeTag) << quint32(text.size()) << quint32(text.size() + 1);
    return bytes + text + '\0';
}

// What crashed the window before: a notice of nested markup (laid out as a document, it
// overflowed the stack) and a flood of notices on one connection (each box opened inside the
// last). Shown as plain text, one box at a time, the window lives on.
TEST(Startup, HostileNoticesDoNotBringTheWindowDown) {
    const QString title = "R8 e2e " + QUuid::createUuid().toString(QUuid::WithoutBraces);
    InstalledCopy copy(true, "[common]\nname=" + title.toUtf8() +
                                 "\nsCode1=R8v0s1\nproduct_name=Keyboard, R8\n");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QUICK_BACKEND", "software");
    program.setProcessEnvironment(env);
    program.start(copy.exe, {"--emulate"});
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(waitForListener(title, program, 15000)) << program.readAllStandardError().data();

    QByteArray nested; // 4,300 levels: just within what one notice may hold
    for (int i = 0; i < 4300; ++i)
        nested += "<table><tr><td>";
    QByteArray flood = noticeBytes(nested);
    for (int i = 0; i < 8000; ++i)
        flood += noticeBytes("notice " + QByteArray::number(i));
    QLocalSocket socket;
    socket.connectToServer(NoticeServer::serverNameFor(title));
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write(flood);
    QElapsedTimer t;
    t.start();
    while (socket.bytesToWrite() > 0 && t.elapsed() < 10000)
        socket.waitForBytesWritten(100);
    EXPECT_EQ(socket.bytesToWrite(), 0);
    socket.disconnectFromServer();

    program.waitForFinished(4000);
    EXPECT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().data();
    program.kill();
    program.waitForFinished(5000);
    QFile::remove(NoticeServer::serverNameFor(title)); // a killed copy leaves it
}

} // namespace
