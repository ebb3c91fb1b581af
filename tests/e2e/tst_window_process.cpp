// The real r8config on a virtual X screen, where a message box can be answered as a user
// answers it (xdotool): the program must end by itself afterwards. Run under xvfb-run.
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

QString xdotool(const QStringList &arguments, int ms = 15000) {
    QProcess p;
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
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_QUICK_BACKEND", "software");
    program.setProcessEnvironment(env);
    program.start(copy.exe, arguments);
    ASSERT_TRUE(program.waitForStarted(5000));
}

TEST(WindowProcess, WithoutTheMouseTheProgramEndsOnceTheBoxIsDismissed) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    ProgramCopy copy;
    QProcess program;
    // The virtual bus with the keyboard only: no mouse.
    startOnTheScreen(program, copy, {"--emulate=keyboard-only"});
    ASSERT_TRUE(answerTheBox(copy.title, program)) << program.readAllStandardError().data();
    ASSERT_TRUE(program.waitForFinished(10000)) << "still running after the box";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
}

TEST(WindowProcess, ASceneThatDoesNotLoadIsToldAndEndsTheProgram) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
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
