// The real r8config on a virtual X screen of its own, where a message box can be answered as
// a user answers it (xdotool): the program must end by itself afterwards.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

struct ProgramCopy {
    QTemporaryDir dir;
    QString exe;
    QString title = "R8 window " + QUuid::createUuid().toString(QUuid::WithoutBraces);

    ProgramCopy() {
        exe = dir.filePath("r8config");
        QFile::copy(qEnvironmentVariable("R8_BIN_DIR") + "/r8config", exe);
        QDir().mkpath(dir.filePath("modules/setting"));
        QFile f(dir.filePath("modules/setting/apConfig.bin"));
        f.open(QIODevice::WriteOnly);
        f.write("[common]\nname=" + title.toUtf8() + "\nproduct_name=R8 Keyboard, R8\n");
    }
};

// An X server for this test alone; it picks a free display itself (-displayfd), so tests
// running side by side never share one.
class VirtualScreen {
public:
    VirtualScreen() {
        m_server.start("Xvfb",
                       {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        if (!m_server.waitForStarted(5000))
            return;
        for (int i = 0; i < 100 && m_display.isEmpty(); ++i) {
            m_server.waitForReadyRead(100);
            const QByteArray line = m_server.readAllStandardOutput().trimmed();
            if (!line.isEmpty())
                m_display = ":" + QString::fromLatin1(line);
        }
    }
    ~VirtualScreen() {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
        m_server.waitForFinished(3000);
    }
    const QString &display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

QString g_display;

QString xdotool(const QStringList &arguments, int ms = 15000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_display);
    p.setProcessEnvironment(env);
    p.start("xdotool", arguments);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Waits for the program's box (a visible window with the program's title), focuses it and
// presses Return, which answers the box's one button.
bool answerTheBox(const QString &title, QProcess &program) {
    for (int tries = 0; tries < 60 && program.state() == QProcess::Running; ++tries) {
        const QString id =
            xdotool({"search", "--onlyvisible", "--name", title}).section('\n', 0, 0);
        if (!id.isEmpty()) {
            xdotool({"windowfocus", "--sync", id});
            xdotool({"key", "--clearmodifiers", "Return"});
            return true;
        }
        program.waitForFinished(250);
    }
    return false;
}

void startOnTheScreen(QProcess &program, const ProgramCopy &copy, const QStringList &arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_QUICK_BACKEND", "software");
    program.setProcessEnvironment(env);
    program.start(copy.exe, arguments);
    ASSERT_TRUE(program.waitForStarted(5000));
}

class WindowProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(screen.display().isEmpty()) << "Xvfb did not start";
        g_display = screen.display();
    }
    VirtualScreen screen;
};

TEST_F(WindowProcess, WithoutTheMouseTheProgramEndsOnceTheBoxIsDismissed) {
    ProgramCopy copy;
    QProcess program;
    // The virtual bus with the keyboard only: no mouse.
    startOnTheScreen(program, copy, {"--emulate=keyboard-only"});
    ASSERT_TRUE(answerTheBox(copy.title, program)) << program.readAllStandardError().data();
    ASSERT_TRUE(program.waitForFinished(10000)) << "still running after the box";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
}

TEST_F(WindowProcess, ASceneThatDoesNotLoadIsToldAndEndsTheProgram) {
    ProgramCopy copy;
    // QML modules looked for in an empty folder: "import QtQuick" fails.
    QDir().mkpath(copy.dir.filePath("no-qml"));
    QFile conf(copy.dir.filePath("qt.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins=" + QLibraryInfo::path(QLibraryInfo::PluginsPath).toUtf8() +
               "\nQml2Imports=" + copy.dir.filePath("no-qml").toUtf8() + "\n");
    conf.close();
    QProcess program;
    startOnTheScreen(program, copy, {"--emulate"});
    ASSERT_TRUE(answerTheBox(copy.title, program)) << program.readAllStandardError().data();
    ASSERT_TRUE(program.waitForFinished(10000)) << "still running after the box";
    EXPECT_NE(program.exitCode(), 0);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(err.contains("cannot be loaded")) << err.toStdString();
    EXPECT_TRUE(err.contains("is not installed")) << err.toStdString(); // the first error named
}

} // namespace
