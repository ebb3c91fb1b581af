// The real program with --emulate: it passes the handshake with the shipped config, stays up
// and writes the wire log.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList readLines(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

// A copy of the staged program with the shipped settings: a run writes into its own folder
// (the first start creates the profiles), never into the build's.
QString copyOfTheProgram(const QTemporaryDir &dir) {
    const QString bin = qEnvironmentVariable("R8_BIN_DIR");
    QDir().mkpath(dir.filePath("modules/setting"));
    for (const char *name : {"apConfig.bin", "apConfigD.bin", "pD.bin"})
        QFile::copy(bin + "/modules/setting/" + name,
                    dir.filePath(QString("modules/setting/") + name));
    QFile::copy(bin + "/r8config", dir.filePath("r8config"));
    return dir.filePath("r8config");
}

TEST(EmulateProcess, HandshakePassesAndTheWireLogRecordsIt) {
    QTemporaryDir dir;
    const QString log = dir.filePath("wire.log");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("R8_EMULATE");
    env.remove("R8_WIRE_LOG");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(copyOfTheProgram(dir), {"--emulate=sensor=1", "--wire-log", log});
    ASSERT_TRUE(program.waitForStarted(5000));

    QElapsedTimer clock;
    clock.start();
    while (readLines(log).size() < 2 && clock.elapsed() < 10000)
        program.waitForFinished(100);
    program.waitForFinished(1000); // a refused device would close the program by now
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);

    const QString output = QString::fromLocal8Bit(program.readAll());
    EXPECT_TRUE(output.contains("Device Connect")) << output.toStdString();
    // The desktop's pointer settings are left alone, and the program says so once.
    EXPECT_EQ(output.count("pointer settings go to memory"), 1) << output.toStdString();
    const QStringList lines = readLines(log);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(" OUT FEATURE 1 00 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("| plain 00 ")) << "the challenge";
    EXPECT_TRUE(lines[1].contains(" IN FEATURE 1 00 "));
}

TEST(EmulateProcess, BadOptionsAreRefusedWithAMessage) {
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("R8_BIN_DIR") + "/r8config", {"--emulate=sensor=7"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAll().contains("bad emulator option \"sensor=7\""));
}

} // namespace
