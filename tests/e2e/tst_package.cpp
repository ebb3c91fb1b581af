// The Debian package as `cpack -G DEB` makes it: its file list, its dependencies, its
// maintainer scripts, and the programs run from its extracted contents.
#include "install_rig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Package : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        const QString build = QDir(qEnvironmentVariable("R8_BIN_DIR") + "/..").absolutePath();
        s_cpack = runProgram(
            qEnvironmentVariable("R8_CPACK"),
            {"-G", "DEB", "--config", build + "/CPackConfig.cmake", "-B", s_dir->filePath("out")},
            QProcessEnvironment::systemEnvironment(), build, 300000);
        const QStringList debs = QDir(s_dir->filePath("out")).entryList({"*.deb"}, QDir::Files);
        if (debs.size() == 1)
            s_deb = s_dir->filePath("out/" + debs.first());
    }
    static void TearDownTestSuite() { delete s_dir; }

    void SetUp() override {
        ASSERT_EQ(s_cpack.exitCode, 0) << qPrintable(s_cpack.out + s_cpack.err);
        ASSERT_FALSE(s_deb.isEmpty()) << qPrintable(s_cpack.out);
    }
    static QString dpkgDeb(const QStringList &arguments) {
        const ProgramRun r = runProgram("dpkg-deb", arguments,
                                        QProcessEnvironment::systemEnvironment(), s_dir->path());
        EXPECT_EQ(r.exitCode, 0) << qPrintable(r.err);
        return r.out;
    }

    static inline QTemporaryDir *s_dir = nullptr;
    static inline ProgramRun s_cpack;
    static inline QString s_deb;
};

TEST_F(Package, HoldsTheProgramsTheirDataAndTheDesktopFiles) {
    const QString list = dpkgDeb({"--contents", s_deb});
    for (const char *path :
         {"./usr/bin/r8config", "./usr/bin/r8ctl", "./usr/lib/udev/rules.d/70-r8-devices.rules",
          "./usr/share/r8config/modules/setting/pD.bin",
          "./usr/share/r8config/modules/setting/apConfigD.bin",
          "./usr/share/r8config/modules/i18n/lang_031000.ini",
          "./usr/share/r8config/modules/media/01.wav",
          "./usr/share/r8config/modules/img/skin1/background.png",
          "./usr/share/applications/org.r8config.Configurator.desktop",
          "./usr/share/metainfo/org.r8config.Configurator.metainfo.xml",
          "./usr/share/icons/hicolor/scalable/apps/org.r8config.Configurator.svg",
          "./usr/share/man/man1/r8ctl.1", "./usr/share/bash-completion/completions/r8ctl"}) {
        EXPECT_TRUE(list.contains(QString(" ") + path + "\n")) << path;
    }
    // Nothing from a run in the build tree.
    EXPECT_FALSE(list.contains("modules/setting/p1.bin"));
    EXPECT_FALSE(list.contains("r8ctl.ini"));
}

TEST_F(Package, NamesItsVersionAndDependencies) {
    EXPECT_EQ(dpkgDeb({"--field", s_deb, "Version"}).trimmed(), qEnvironmentVariable("R8_VERSION"));
    const QString depends = dpkgDeb({"--field", s_deb, "Depends"});
    // Shared libraries (found by dpkg-shlibdeps) and what no library names.
    for (const char *package :
         {"libqt6core6", "libqt6quick6", "libqt6quickwidgets6", "libqt6multimedia6",
          "libhidapi-hidraw0", "libudev1", "qml6-module-qtquick", "qml6-module-qtqml-workerscript",
          "gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good"}) {
        EXPECT_TRUE(depends.contains(QString(package))) << package << " in " << qPrintable(depends);
    }
    // The udev rule takes effect on installation.
    const QString control = s_dir->filePath("control");
    dpkgDeb({"--control", s_deb, control});
    EXPECT_TRUE(fileBytes(control + "/postinst").contains("udevadm control --reload-rules"));
    EXPECT_TRUE(QFileInfo(control + "/postinst").isExecutable());
}

TEST_F(Package, ProgramsRunFromTheExtractedPackage) {
    const QString root = s_dir->filePath("root");
    dpkgDeb({"--extract", s_deb, root});
    QTemporaryDir home;
    const ProgramRun version = runProgram(root + "/usr/bin/r8ctl", {"--version"},
                                          userEnvironment(home.path()), home.path());
    EXPECT_EQ(version.out, "r8ctl " + qEnvironmentVariable("R8_VERSION") + "\n");
    const ProgramRun info = runProgram(root + "/usr/bin/r8ctl", {"--emulate", "info"},
                                       userEnvironment(home.path()), home.path());
    EXPECT_EQ(info.exitCode, 0) << qPrintable(info.err);
    EXPECT_TRUE(info.out.contains("R8")) << qPrintable(info.out);
    EXPECT_TRUE(
        QFileInfo(home.filePath(".local/share/r8config/modules/setting/apConfig.bin")).isFile());
}

} // namespace
