#include "macro_files.h"
#include "program_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

class MacroFilesTest : public ::testing::Test {
protected:
    void writeMacro(const QString &name, const QByteArray &ini) {
        folder.write("modules/macro/" + name + ".bin", ini);
    }
    QVariant stored(const QString &name, const QString &key) {
        return QSettings(folder.file("modules/macro/" + name + ".bin"), QSettings::IniFormat)
            .value(key);
    }

    ProgramFolder folder;
    MacroFiles files; // ./modules/macro, inside the program folder
};

TEST_F(MacroFilesTest, CreateTakesTheLowestFreeNumberAndWritesAFreshConfig) {
    EXPECT_EQ(files.createMacroIni(), "Macro. 001"); // the folder is made on demand
    writeMacro("Macro. 003", "[config]\ntotal=0\n");
    EXPECT_EQ(files.createMacroIni(), "Macro. 002");
    EXPECT_EQ(files.createMacroIni(), "Macro. 004");

    const QString name = "Macro. 002";
    EXPECT_EQ(stored(name, "config/index").toInt(), -1);
    EXPECT_EQ(stored(name, "config/total").toInt(), 0);
    EXPECT_EQ(stored(name, "config/repeat").toInt(), 1);
    EXPECT_EQ(stored(name, "config/did").toInt(), -1);
    EXPECT_EQ(files.loadMacroIni(name), QStringList());
}

TEST_F(MacroFilesTest, NumbersPastNineHundredNinetyNineGrow) {
    for (int n = 1; n <= 999; ++n)
        writeMacro(QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0')), "");
    EXPECT_EQ(files.createMacroIni(), "Macro. 1000");
}

TEST_F(MacroFilesTest, NamesAreBinFilesSortedWithoutRegardToCase) {
    writeMacro("b", "");
    writeMacro("A", "");
    writeMacro("c", "");
    folder.write("modules/macro/notes.txt", "");
    folder.write("modules/macro/sub.bin/x.bin", ""); // a folder, not a macro
    EXPECT_EQ(files.getMacroIniNames(), (QStringList{"A.bin", "b.bin", "c.bin"}));
}

// The list shows exactly the macros the program can open by the listed name, and a name
// the list could never show (a hidden file) is no macro name.
TEST_F(MacroFilesTest, TheListHoldsOnlyNamesThatOpen) {
    const struct {
        const char *file;
        bool listed;
    } cases[] = {
        {"plain.bin", true},       {"Upper.BIN", false},      {"mixed.Bin", false},
        {".hidden.bin", false},    {"..bin", false},          {"Macro. 001.bin", true},
        {"two\nlines.bin", false}, {"esc\x1b[0m.bin", false},
    };
    for (const auto &c : cases)
        folder.write(QStringLiteral("modules/macro/") + c.file, "[config]\ntotal=0\n");
    const QStringList listed = files.getMacroIniNames();
    for (const auto &c : cases)
        EXPECT_EQ(listed.contains(c.file), c.listed) << c.file;
    for (const QString &file : listed)
        EXPECT_TRUE(files.exists(file.chopped(4))) << file.toStdString();

    EXPECT_TRUE(files.filePath(".hidden").isEmpty());
    EXPECT_FALSE(files.renameMacroIniFile("plain", ".plain"));
    EXPECT_TRUE(files.exists("plain"));
}

TEST_F(MacroFilesTest, LinesSurviveSavingAndLoadingUnchanged) {
    const QString name = files.createMacroIni();
    const QStringList lines = {
        "A    [Down]",   "KP 7     [Down]", ", <      [Up]",
        "; :    [Down]", "' \"      [Up]",  "\\ |    [Down]",
        "= +    [Down]", "1000   [Delay]",  QString::fromUtf8("\u25BA    [Down]")};
    ASSERT_TRUE(files.saveMacroIni(name, lines));
    EXPECT_EQ(files.loadMacroIni(name), lines);
}

TEST_F(MacroFilesTest, SavingFewerLinesLeavesNoStaleKeysAndKeepsTheConfig) {
    writeMacro("m", "[config]\nindex=4\ntotal=5\nrepeat=7\ndid=1\n"
                    "[macro]\n0=a\n1=b\n2=c\n3=d\n4=e\n");
    ASSERT_TRUE(files.saveMacroIni("m", {"x", "y", "z"}));
    QSettings ini(folder.file("modules/macro/m.bin"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("config/total").toInt(), 3);
    EXPECT_FALSE(ini.contains("macro/3"));
    EXPECT_FALSE(ini.contains("macro/4"));
    EXPECT_EQ(ini.value("macro/2").toString(), "z");
    EXPECT_EQ(ini.value("config/index").toInt(), 4);
    EXPECT_EQ(ini.value("config/repeat").toInt(), 7);
    EXPECT_EQ(ini.value("config/did").toInt(), 1);
}

TEST_F(MacroFilesTest, SavingAMissingMacroCreatesNothing) {
    EXPECT_FALSE(files.saveMacroIni("gone", {"A    [Down]"}));
    EXPECT_FALSE(QFileInfo::exists(folder.file("modules/macro/gone.bin")));
}

TEST_F(MacroFilesTest, LoadingReadsTotalLinesWithMissingOnesAsZero) {
    struct Case {
        const char *what;
        QByteArray ini;
        QStringList lines;
    };
    const Case cases[] = {
        {"gaps read 0", "[config]\ntotal=3\n[macro]\n0=a\n2=c\n", {"a", "0", "c"}},
        {"lines beyond total are ignored", "[config]\ntotal=1\n[macro]\n0=a\n1=b\n", {"a"}},
        {"no total, no lines", "[macro]\n0=a\n", {}},
        {"negative total", "[config]\ntotal=-4\n[macro]\n0=a\n", {}},
        {"an unquoted comma stays in the line",
         "[config]\ntotal=1\n[macro]\n0=, <    [Down]\n",
         {", <    [Down]"}},
    };
    for (const Case &c : cases) {
        // A file of its own per case: equal sizes written within the same moment could be
        // served from the settings library's cache.
        const QString name = QString::fromLatin1(c.what);
        writeMacro(name, c.ini);
        EXPECT_EQ(files.loadMacroIni(name), c.lines) << c.what;
    }
    EXPECT_EQ(files.loadMacroIni("missing"), QStringList());
}

TEST_F(MacroFilesTest, AnAbsurdLineCountIsCapped) {
    writeMacro("huge", "[config]\ntotal=1000000000\n[macro]\n0=A    [Down]\n");
    const QStringList lines = files.loadMacroIni("huge");
    ASSERT_EQ(lines.size(), MacroFiles::kMaxLines);
    EXPECT_EQ(lines.first(), "A    [Down]");
    EXPECT_EQ(lines.last(), "0");
}

TEST_F(MacroFilesTest, ConfigIndexCountsOnlyForTheDeviceItWasSetFor) {
    writeMacro("kb", "[config]\nindex=3\nrepeat=2\ndid=0\n");
    EXPECT_EQ(files.loadMacroIniConfig("kb", 1), (QVariantList{-1, 2}));
    EXPECT_EQ(files.loadMacroIniConfig("kb", 0), (QVariantList{3, 2}));
    writeMacro("bare", "");
    EXPECT_EQ(files.loadMacroIniConfig("bare", 1), (QVariantList{-1, 1}));
    EXPECT_EQ(files.loadMacroIniConfig("missing", 1), QVariantList());
}

TEST_F(MacroFilesTest, SetConfigStoresSlotRepeatAndTheDevice) {
    writeMacro("m", "[config]\nindex=-1\ntotal=0\nrepeat=1\ndid=-1\n");
    files.setMacroIniConfig("m", {5, 300}, 1);
    EXPECT_EQ(files.loadMacroIniConfig("m", 1), (QVariantList{5, 300}));
    EXPECT_EQ(stored("m", "config/did").toInt(), 1);

    files.setMacroIniConfig("m", {7}, 1); // incomplete: ignored
    EXPECT_EQ(files.loadMacroIniConfig("m", 1), (QVariantList{5, 300}));

    files.setMacroIniConfig("missing", {1, 1}, 1);
    EXPECT_FALSE(files.exists("missing"));
}

TEST_F(MacroFilesTest, RepeatCountIsTakenAsSixteenBits) {
    const std::pair<QByteArray, int> cases[] = {
        {"", 1}, {"repeat=3", 3}, {"repeat=65535", 65535}, {"repeat=65536", 0}};
    for (const auto &[line, repeat] : cases) {
        const QString name = "repeat " + QString::number(repeat);
        writeMacro(name, "[config]\n" + line + "\n");
        EXPECT_EQ(files.repeatCount(name), repeat) << line.constData();
    }
}

TEST_F(MacroFilesTest, DeleteAndRename) {
    writeMacro("one", "[config]\ntotal=1\n[macro]\n0=A    [Down]\n");
    writeMacro("two", "");
    EXPECT_FALSE(files.renameMacroIniFile("one", "two")); // onto an existing name
    EXPECT_TRUE(files.exists("two"));
    EXPECT_TRUE(files.renameMacroIniFile("one", "uno"));
    EXPECT_FALSE(files.exists("one"));
    EXPECT_EQ(files.loadMacroIni("uno"), QStringList{"A    [Down]"});
    EXPECT_FALSE(files.renameMacroIniFile("missing", "other"));
    EXPECT_FALSE(files.renameMacroIniFile("uno", "")); // ".bin" would vanish from the list
    EXPECT_TRUE(files.exists("uno"));

    EXPECT_TRUE(files.deleteMacroIni("uno"));
    EXPECT_FALSE(files.deleteMacroIni("uno"));
}

TEST_F(MacroFilesTest, ImportAndExportCopyWholeFiles) {
    writeMacro("m", "[config]\ntotal=1\n[macro]\n0=old\n");
    folder.write("in.mc", "[config]\nindex=2\ntotal=1\n[macro]\n0=new\n");
    EXPECT_TRUE(files.importFile("m", folder.file("in.mc")));
    EXPECT_EQ(folder.read("modules/macro/m.bin"), folder.read("in.mc"));

    // A copy that fails loses nothing.
    EXPECT_FALSE(files.importFile("m", folder.file("no-such.mc")));
    EXPECT_EQ(files.loadMacroIni("m"), QStringList{"new"});
    // Importing a file onto itself keeps it.
    EXPECT_TRUE(files.importFile("m", folder.file("modules/macro/m.bin")));
    EXPECT_EQ(files.loadMacroIni("m"), QStringList{"new"});
    // No macro, no import.
    EXPECT_FALSE(files.importFile("missing", folder.file("in.mc")));
    EXPECT_FALSE(files.exists("missing"));

    folder.write("out.mc", "something older");
    EXPECT_TRUE(files.exportFile("m", folder.file("out.mc")));
    EXPECT_EQ(folder.read("out.mc"), folder.read("modules/macro/m.bin"));
    EXPECT_FALSE(files.exportFile("missing", folder.file("out2.mc")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("out2.mc")));
}

// Names come from users and files; none of them may reach outside ./modules/macro/.
TEST_F(MacroFilesTest, NamesThatLeaveTheFolderAreRefused) {
    folder.write("modules/victim.bin", "[config]\ntotal=1\n[macro]\n0=keep\n");
    folder.write("modules/macro/inside.bin", "[config]\ntotal=0\n");
    folder.write("in.mc", "[config]\ntotal=1\n[macro]\n0=evil\n");
    const QByteArray victim = folder.read("modules/victim.bin");
    const QString names[] = {"../victim", "sub/../../victim", "..\\victim", "/tmp/victim",
                             QString("vic") + QChar(0) + "tim"};
    for (const QString &name : names) {
        const std::string n = name.toStdString();
        EXPECT_TRUE(files.filePath(name).isEmpty()) << n;
        EXPECT_FALSE(files.exists(name)) << n;
        EXPECT_EQ(files.loadMacroIni(name), QStringList()) << n;
        EXPECT_EQ(files.loadMacroIniConfig(name, 1), QVariantList()) << n;
        EXPECT_FALSE(files.saveMacroIni(name, {"x"})) << n;
        files.setMacroIniConfig(name, {1, 1}, 1);
        EXPECT_FALSE(files.deleteMacroIni(name)) << n;
        EXPECT_FALSE(files.importFile(name, folder.file("in.mc"))) << n;
        EXPECT_FALSE(files.exportFile(name, folder.file("out.mc"))) << n;
        EXPECT_FALSE(files.renameMacroIniFile(name, "stolen")) << n;
        EXPECT_FALSE(files.renameMacroIniFile("inside", name)) << n;
    }
    EXPECT_EQ(folder.read("modules/victim.bin"), victim);
    EXPECT_TRUE(files.exists("inside"));
    EXPECT_FALSE(files.exists("stolen"));
    EXPECT_FALSE(QFileInfo::exists(folder.file("out.mc")));
}

} // namespace
