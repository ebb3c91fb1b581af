// Where the program keeps its files: in place, or installed with the user's own folder.
#include "data_folders.h"
#include "r8_build_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void write(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    f.write(bytes);
}

QByteArray read(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A temporary prefix laid out as `cmake --install` lays it out, and a user's data home.
struct Installation {
    QTemporaryDir root;
    QString prefix = root.filePath("prefix");
    QString bin = prefix + "/bin";
    QString data = QDir::cleanPath(bin + "/" + R8BuildInfo::kDataFromBin) + "/modules";
    QString home = root.filePath("home/.local/share");

    Installation() {
        QDir().mkpath(bin);
        write(data + "/setting/pD.bin", "[sensor]\nstage_R8=2\n");
        write(data + "/setting/apConfigD.bin", "[common]\nname=R8\n");
        write(data + "/setting/apConfig.bin", "[common]\nname=R8\n");
        write(data + "/i18n/lang_031000.ini", "english");
        write(data + "/i18n/lang_025044.ini", "chinese");
        write(data + "/media/01.wav", "RIFF");
        write(data + "/img/skin1/background.png", "png");
        // Installed files are read-only to the user.
        QFile::setPermissions(data + "/setting/apConfig.bin", QFileDevice::ReadOwner |
                                                                  QFileDevice::ReadGroup |
                                                                  QFileDevice::ReadOther);
    }
    DataFolders folders() const { return DataFolders::locate(bin, home); }
    QString user(const QString &relative) const { return home + "/r8config/" + relative; }
};

TEST(DataFolders, AWritableModulesBesideTheProgramIsUsedInPlace) {
    QTemporaryDir program;
    QDir().mkpath(program.filePath("modules/setting"));
    const DataFolders folders = DataFolders::locate(program.path(), "/nonexistent");
    EXPECT_FALSE(folders.installed());
    EXPECT_EQ(folders.userFolder(), QDir::cleanPath(program.path()));
    EXPECT_EQ(folders.factoryFile("modules/setting/pD.bin"),
              program.filePath("modules/setting/pD.bin"));
    QString error;
    EXPECT_TRUE(folders.prepare(&error));
    EXPECT_EQ(QDir(program.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"modules"});
}

TEST(DataFolders, InstalledTheUserFolderIsSeededFromTheInstallation) {
    Installation inst;
    const DataFolders folders = inst.folders();
    ASSERT_TRUE(folders.installed());
    EXPECT_EQ(folders.userFolder(), inst.home + "/r8config");
    EXPECT_EQ(folders.factoryFile("modules/setting/pD.bin"), inst.data + "/setting/pD.bin");
    QString error;
    ASSERT_TRUE(folders.prepare(&error)) << qPrintable(error);

    // Read-only data is reached through links, so an upgrade replaces it.
    struct Linked {
        const char *path;
        QString target;
    };
    for (const Linked &l :
         {Linked{"modules/img", inst.data + "/img"}, Linked{"modules/media", inst.data + "/media"},
          Linked{"modules/i18n/lang_031000.ini", inst.data + "/i18n/lang_031000.ini"},
          Linked{"modules/setting/pD.bin", inst.data + "/setting/pD.bin"},
          Linked{"modules/setting/apConfigD.bin", inst.data + "/setting/apConfigD.bin"}}) {
        const QFileInfo info(inst.user(l.path));
        EXPECT_TRUE(info.isSymLink()) << l.path;
        EXPECT_EQ(info.symLinkTarget(), l.target) << l.path;
    }
    // The config is the user's own copy, and takes saves although the factory file is
    // read-only.
    const QFileInfo config(inst.user("modules/setting/apConfig.bin"));
    EXPECT_FALSE(config.isSymLink());
    EXPECT_TRUE(config.permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(read(config.filePath()), "[common]\nname=R8\n");
    EXPECT_TRUE(QFileInfo(inst.user("modules/macro")).isDir());
    EXPECT_TRUE(QFileInfo(inst.user("modules/img/skin1/background.png")).isFile());
}

TEST(DataFolders, ASecondStartKeepsTheUsersFilesAndFollowsTheInstallation) {
    Installation inst;
    QString error;
    ASSERT_TRUE(inst.folders().prepare(&error));
    write(inst.user("modules/setting/apConfig.bin"), "mine");
    write(inst.user("modules/setting/p1.bin"), "profile");
    write(inst.user("modules/macro/Jump.bin"), "macro");
    // A language of the user's own, and one that replaces an installed one.
    write(inst.user("modules/i18n/lang_042000.ini"), "own");
    QFile::remove(inst.user("modules/i18n/lang_025044.ini"));
    write(inst.user("modules/i18n/lang_025044.ini"), "own chinese");

    // The upgrade drops English and ships French.
    QFile::remove(inst.data + "/i18n/lang_031000.ini");
    write(inst.data + "/i18n/lang_037000.ini", "french");
    ASSERT_TRUE(inst.folders().prepare(&error)) << qPrintable(error);

    EXPECT_EQ(read(inst.user("modules/setting/apConfig.bin")), "mine");
    EXPECT_EQ(read(inst.user("modules/setting/p1.bin")), "profile");
    EXPECT_EQ(read(inst.user("modules/macro/Jump.bin")), "macro");
    EXPECT_EQ(read(inst.user("modules/i18n/lang_042000.ini")), "own");
    EXPECT_EQ(read(inst.user("modules/i18n/lang_025044.ini")), "own chinese");
    EXPECT_EQ(read(inst.user("modules/i18n/lang_037000.ini")), "french");
    EXPECT_FALSE(QFileInfo(inst.user("modules/i18n/lang_031000.ini")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(inst.user("modules/i18n/lang_031000.ini")));
}

TEST(DataFolders, LinksFollowTheInstallationWhenItMoves) {
    Installation inst;
    QString error;
    ASSERT_TRUE(inst.folders().prepare(&error));
    const QString moved = inst.root.filePath("moved");
    ASSERT_TRUE(QDir().rename(inst.prefix, moved));
    const DataFolders folders = DataFolders::locate(moved + "/bin", inst.home);
    ASSERT_TRUE(folders.prepare(&error)) << qPrintable(error);
    EXPECT_EQ(QFileInfo(inst.user("modules/setting/pD.bin")).symLinkTarget(),
              folders.factoryFile("modules/setting/pD.bin"));
    EXPECT_EQ(read(inst.user("modules/i18n/lang_031000.ini")), "english");
    EXPECT_EQ(read(inst.user("modules/media/01.wav")), "RIFF");
}

TEST(DataFolders, AnUnwritableDataHomeIsReported) {
    Installation inst;
    write(inst.root.filePath("file"), "not a folder");
    const DataFolders folders = DataFolders::locate(inst.bin, inst.root.filePath("file"));
    QString error;
    EXPECT_FALSE(folders.prepare(&error));
    EXPECT_TRUE(error.contains("file/r8config")) << qPrintable(error);
}

TEST(DataFolders, WithoutFactoryFilesTheUserFolderStillWorks) {
    QTemporaryDir root;
    const DataFolders folders = DataFolders::locate(root.filePath("bin"), root.filePath("home"));
    QString error, warning;
    ASSERT_TRUE(folders.prepare(&error, &warning)) << qPrintable(error);
    EXPECT_TRUE(warning.contains("no factory files")) << qPrintable(warning);
    EXPECT_TRUE(QFileInfo(root.filePath("home/r8config/modules/setting")).isDir());
    EXPECT_TRUE(QFileInfo(root.filePath("home/r8config/modules/macro")).isDir());
}

} // namespace
