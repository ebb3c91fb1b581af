// The programs as `cmake --install` puts them into a prefix, run by a user whose HOME is a
// temporary folder. The prefix is made read-only first, and compared afterwards: every write
// must land in the user's folder.
#include "install_rig.h"
#include "notice_channel.h"

#include <QLocalSocket>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

const QString kAppId = "org.r8config.Configurator";

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = new QTemporaryDir;
        const QString prefix = s_root->filePath("prefix");
        const QString build = QDir(qEnvironmentVariable("R8_BIN_DIR") + "/..").absolutePath();
        s_install =
            runProgram(qEnvironmentVariable("R8_CMAKE"), {"--install", build, "--prefix", prefix},
                       QProcessEnvironment::systemEnvironment(), build);
        runProgram("chmod", {"-R", "a-w", prefix}, QProcessEnvironment::systemEnvironment(),
                   s_root->path());
        s_before = new QMap<QString, QString>(folderRecord(prefix));
    }
    static void TearDownTestSuite() {
        runProgram("chmod", {"-R", "u+w", s_root->path()}, QProcessEnvironment::systemEnvironment(),
                   s_root->path());
        delete s_before;
        delete s_root;
    }

    void SetUp() override {
        ASSERT_EQ(s_install.exitCode, 0) << qPrintable(s_install.err);
        QDir().mkpath(home.path());
        QDir().mkpath(work.path());
    }
    void TearDown() override {
        // Whatever the test ran, the installation stays as it was installed.
        EXPECT_EQ(folderRecord(prefix()), *s_before);
    }

    static QString prefix() { return s_root->filePath("prefix"); }
    static QString installed(const QString &relative) { return prefix() + "/" + relative; }
    QString user(const QString &relative) const {
        return home.filePath(".local/share/r8config/" + relative);
    }
    ProgramRun r8ctl(const QStringList &arguments) const {
        return runProgram(installed("bin/r8ctl"), arguments, userEnvironment(home.path()),
                          work.path());
    }

    QTemporaryDir home;
    QTemporaryDir work;
    static inline QTemporaryDir *s_root = nullptr;
    static inline ProgramRun s_install;
    static inline QMap<QString, QString> *s_before = nullptr;
};

TEST_F(Installed, EverythingTheProgramsNeedIsInstalled) {
    for (const char *path :
         {"bin/r8config", "bin/r8ctl", "lib/udev/rules.d/70-r8-devices.rules",
          "share/r8config/modules/setting/pD.bin", "share/r8config/modules/setting/apConfig.bin",
          "share/r8config/modules/setting/apConfigD.bin",
          "share/r8config/modules/i18n/lang_031000.ini", "share/r8config/modules/media/00.mp3",
          "share/r8config/modules/media/04.wav", "share/r8config/modules/img/skin1/background.png",
          "share/r8config/modules/img/skin2/background.png",
          "share/applications/org.r8config.Configurator.desktop",
          "share/metainfo/org.r8config.Configurator.metainfo.xml",
          "share/icons/hicolor/48x48/apps/org.r8config.Configurator.png",
          "share/icons/hicolor/256x256/apps/org.r8config.Configurator.png",
          "share/icons/hicolor/scalable/apps/org.r8config.Configurator.svg",
          "share/man/man1/r8ctl.1", "share/man/man1/r8config.1",
          "share/bash-completion/completions/r8ctl"}) {
        EXPECT_TRUE(QFileInfo(installed(path)).isFile()) << path;
    }
    // What the program writes while it runs in place is not part of the installation.
    EXPECT_FALSE(QFileInfo::exists(installed("share/r8config/modules/setting/p1.bin")));
    EXPECT_FALSE(QFileInfo::exists(installed("share/r8config/modules/macro")));
}

TEST_F(Installed, DesktopEntryMetainfoAndManualPagesValidate) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const ProgramRun desktop =
        runProgram("desktop-file-validate",
                   {installed("share/applications/" + kAppId + ".desktop")}, env, work.path());
    EXPECT_EQ(desktop.exitCode, 0) << qPrintable(desktop.out + desktop.err);
    EXPECT_EQ(desktop.out + desktop.err, "");
    const ProgramRun metainfo =
        runProgram("appstreamcli",
                   {"validate", "--no-net", "--pedantic",
                    installed("share/metainfo/" + kAppId + ".metainfo.xml")},
                   env, work.path());
    EXPECT_EQ(metainfo.exitCode, 0) << qPrintable(metainfo.out + metainfo.err);

    for (const char *page : {"share/man/man1/r8ctl.1", "share/man/man1/r8config.1"}) {
        // -ww: every warning; a page that renders with none is well-formed roff.
        const ProgramRun man =
            runProgram("groff", {"-man", "-Tutf8", "-ww", "-z", installed(page)}, env, work.path());
        EXPECT_EQ(man.exitCode, 0) << page;
        EXPECT_EQ(man.err, "") << page;
    }
    // The r8ctl page carries every command's own help.
    const QString page = QString::fromUtf8(fileBytes(installed("share/man/man1/r8ctl.1")));
    for (const char *command : {"info", "profile", "dpi", "light", "button", "macro", "lang"})
        EXPECT_TRUE(page.contains(QString(".SS ") + command + "\n")) << command;
}

TEST_F(Installed, VersionComesFromTheBuild) {
    const QString version = qEnvironmentVariable("R8_VERSION");
    ASSERT_FALSE(version.isEmpty());
    EXPECT_EQ(r8ctl({"--version"}).out, "r8ctl " + version + "\n");
    const ProgramRun window = runProgram(installed("bin/r8config"), {"--version"},
                                         userEnvironment(home.path()), work.path());
    EXPECT_EQ(window.out, "r8config " + version + "\n");
}

TEST_F(Installed, R8ctlKeepsTheUsersFilesInTheUsersFolder) {
    // First run: settings, a macro, a profile export.
    ProgramRun r = r8ctl({"--emulate", "rate", "500"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    ASSERT_EQ(r8ctl({"macro", "create", "Jump"}).exitCode, 0);
    QFile lines(work.filePath("jump.txt"));
    ASSERT_TRUE(lines.open(QIODevice::WriteOnly));
    lines.write("Space down\n50 ms\nSpace up\n");
    lines.close();
    r = r8ctl({"macro", "set", "Jump", "jump.txt"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    r = r8ctl({"profile", "export", "1", "p1.pf"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);

    EXPECT_EQ(QSettings(user("modules/setting/p1.bin"), QSettings::IniFormat)
                  .value("sensor/reportRate_R8")
                  .toInt(),
              2);
    EXPECT_TRUE(QFileInfo(user("modules/macro/Jump.bin")).isFile());
    EXPECT_EQ(fileBytes(work.filePath("p1.pf")), fileBytes(user("modules/setting/p1.bin")));
    // Nothing beside the user's folder in HOME; the working folder holds only what the
    // user named.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{".local"});
    EXPECT_EQ(
        QDir(home.filePath(".local/share")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{"r8config"});
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), (QStringList{"jump.txt", "p1.pf"}));

    // A second run sees the first run's changes.
    r = r8ctl({"--json", "profile", "show", "1"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("500")) << qPrintable(r.out);
    r = r8ctl({"macro", "show", "Jump"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("Space")) << qPrintable(r.out);

    // A reset copies the installation's factory profile, reached through the user's folder.
    EXPECT_EQ(QFileInfo(user("modules/setting/pD.bin")).symLinkTarget(),
              installed("share/r8config/modules/setting/pD.bin"));
    r = r8ctl({"profile", "reset", "1"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.err);
    EXPECT_EQ(fileBytes(user("modules/setting/p1.bin")),
              fileBytes(installed("share/r8config/modules/setting/pD.bin")));
    // The copy of a read-only factory file still takes the user's next setting.
    ASSERT_EQ(r8ctl({"--emulate", "rate", "125"}).exitCode, 0);
    EXPECT_EQ(QSettings(user("modules/setting/p1.bin"), QSettings::IniFormat)
                  .value("sensor/reportRate_R8")
                  .toInt(),
              8);
}

TEST_F(Installed, TheWindowStartsOnTheSameUsersFolder) {
    // r8ctl seeds the folder; the window then reads the user's config from it: its notice
    // server is named after the title stored there.
    ASSERT_EQ(r8ctl({"profile", "list"}).exitCode, 0);
    const QString title = "R8 installed " + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSettings config(user("modules/setting/apConfig.bin"), QSettings::IniFormat);
        config.setValue("common/name", title);
    }
    QProcess window;
    window.setProcessEnvironment(userEnvironment(home.path()));
    window.setWorkingDirectory(work.path());
    window.start(installed("bin/r8config"), {"--emulate"});
    ASSERT_TRUE(window.waitForStarted(5000));
    bool listening = false;
    for (int i = 0; i < 150 && !listening && window.state() == QProcess::Running; ++i) {
        QLocalSocket probe;
        probe.connectToServer(NoticeServer::serverNameFor(title));
        listening = probe.waitForConnected(100);
        if (!listening)
            window.waitForFinished(100);
    }
    // Running a while longer: the window was shown and its documents loaded.
    window.waitForFinished(2000);
    const bool running = window.state() == QProcess::Running;
    window.kill();
    window.waitForFinished(5000);
    const QString err = QString::fromUtf8(window.readAllStandardError());
    EXPECT_TRUE(listening) << qPrintable(err);
    EXPECT_TRUE(running) << qPrintable(err);
    EXPECT_FALSE(err.contains("qrc:")) << qPrintable(err);  // no QML load errors
    EXPECT_FALSE(err.contains("file:")) << qPrintable(err); // every skin image found
    // Skins, sounds and languages are the installation's.
    EXPECT_EQ(QFileInfo(user("modules/img")).symLinkTarget(),
              installed("share/r8config/modules/img"));
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

} // namespace
