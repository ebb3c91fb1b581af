#include "fake_dialogs.h"
#include "macro_library.h"
#include "macro_test_util.h"
#include "program_folder.h"

#include <QMap>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// Stands in for the device's macro memory: what each slot last received.
struct SlotMemory {
    QMap<int, QByteArray> mouse;    // slot ID -> 128 bytes
    QMap<int, QByteArray> keyboard; // macro ID -> 192 bytes
    int writes = 0;

    MacroSender sender() {
        return [this](MacroSlotCommand command, uchar id, const QByteArray &buffer) {
            ++writes;
            (command == MacroSlotCommand::Mouse13H ? mouse : keyboard)[id] = buffer;
        };
    }
};

constexpr int kMouse = MacroDevice::mouse;
constexpr int kKeyboard = MacroDevice::keyboard;

class MacroLibraryTest : public ::testing::Test {
protected:
    void writeMacro(const QString &name, const QByteArray &config, const QStringList &lines) {
        QByteArray ini =
            "[config]\n" + config + "\ntotal=" + QByteArray::number(lines.size()) + "\n[macro]\n";
        for (int i = 0; i < lines.size(); ++i)
            ini += QByteArray::number(i) + "=\"" + lines[i].toUtf8() + "\"\n";
        folder.write("modules/macro/" + name + ".bin", ini);
    }
    static QStringList keyPresses(int count) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << down("B");
        return lines;
    }

    ProgramFolder folder;
    FakeDialogs dialogs;
    SlotMemory device;
    MacroLibrary library{MacroFiles(), &dialogs, device.sender()};
    const QStringList messages = {"KB MACRO", "Too long for the keyboard", "", "", "", ""};
};

TEST_F(MacroLibraryTest, MouseSlotCarriesTheRepeatCountInItsFirstTwoBytes) {
    writeMacro("m", "repeat=3", {down("A"), delay(50), up("A")});
    library.setMouseMacroKey(5, "m", kMouse);
    ASSERT_TRUE(device.mouse.contains(5));
    const QByteArray slot = device.mouse[5];
    ASSERT_EQ(slot.size(), 128);
    EXPECT_EQ(hex(slot.left(8)), "00 03 05 04 81 04 00 00");
    EXPECT_EQ(slot.mid(8), QByteArray(120, '\0'));
    EXPECT_TRUE(dialogs.boxes.isEmpty());

    writeMacro("big", "repeat=258", {down("A")});
    library.setMouseMacroKey(12, "big", kMouse);
    EXPECT_EQ(hex(device.mouse[12].left(6)), "01 02 01 04 00 00");
}

TEST_F(MacroLibraryTest, AMissingMacroIsSentAsTheEmptyMacro) {
    library.setMouseMacroKey(1, "missing", kMouse);
    EXPECT_EQ(hex(device.mouse[1].left(4)), "00 01 00 00");
    library.setKeyboardMacroKey(0, "missing", kKeyboard, messages);
    EXPECT_EQ(hex(device.keyboard[0].left(4)), "00 01 00 00");
    EXPECT_EQ(device.keyboard[0].size(), 192);
}

TEST_F(MacroLibraryTest, ATooLongMouseMacroIsCutAfterAWholeItemAndWarned) {
    writeMacro("long", "repeat=2", keyPresses(61) << delay(9000) << up("B"));
    library.setMouseMacroKey(3, "long", kMouse);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(dialogs.boxes[0].title, "MACRO");
    EXPECT_EQ(dialogs.boxes[0].text, "Out of memory,\nsome command line has been cut.");
    const QByteArray slot = device.mouse[3];
    ASSERT_EQ(slot.size(), 128);
    EXPECT_EQ(hex(slot.left(4)), "00 02 01 05");
    EXPECT_EQ(hex(slot.mid(122, 2)), "01 05");     // the 61st event is the last item kept
    EXPECT_EQ(slot.mid(124), QByteArray(4, '\0')); // end mark, then nothing of the delay
}

TEST_F(MacroLibraryTest, ATooLongKeyboardMacroIsCutAndWarnedInTheLanguage) {
    writeMacro("long", "repeat=9", keyPresses(93) << delay(1000));
    library.setKeyboardMacroKey(7, "long", kKeyboard, messages);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, "KB MACRO");
    EXPECT_EQ(dialogs.boxes[0].text, "Too long for the keyboard");
    const QByteArray slot = device.keyboard[7];
    ASSERT_EQ(slot.size(), 192);
    EXPECT_EQ(hex(slot.left(2)), "00 01"); // no repeat count on the keyboard
    EXPECT_EQ(hex(slot.mid(186, 2)), "01 05");
    EXPECT_EQ(slot.mid(188), QByteArray(4, '\0'));

    // Before any language is loaded the box is empty but still shown.
    library.setKeyboardMacroKey(7, "long", kKeyboard, {});
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes[1].title, "");
}

TEST_F(MacroLibraryTest, SavingRewritesTheBoundSlot) {
    struct Case {
        const char *what;
        int device;
        int index;
        int mouseSlot;  // expected mouse slot ID written, or 0
        int keyboardId; // expected keyboard macro ID written, or -1
    };
    const Case cases[] = {
        {"mouse index 0 goes to slot 1", kMouse, 0, 1, -1},
        {"mouse index 11 goes to slot 12", kMouse, 11, 12, -1},
        {"mouse index 12 is no slot", kMouse, 12, 0, -1},
        {"no slot", kMouse, -1, 0, -1},
        {"keyboard index 0", kKeyboard, 0, 0, 0},
        {"keyboard index 34", kKeyboard, 34, 0, 34},
        {"keyboard index 35 is no slot", kKeyboard, 35, 0, -1},
    };
    for (const Case &c : cases) {
        device = SlotMemory();
        const QString name = QString::fromLatin1(c.what);
        writeMacro(name, "repeat=1\nindex=" + QByteArray::number(c.index), {down("A")});
        ASSERT_TRUE(library.saveMacroIni(name, {down("Z"), up("Z")}, c.device, messages)) << c.what;
        EXPECT_EQ(device.writes, (c.mouseSlot || c.keyboardId >= 0) ? 1 : 0) << c.what;
        if (c.mouseSlot) {
            EXPECT_EQ(hex(device.mouse.value(c.mouseSlot).left(8)), "00 01 01 1D 81 1D 00 00")
                << c.what;
        }
        if (c.keyboardId >= 0) {
            EXPECT_EQ(hex(device.keyboard.value(c.keyboardId).left(8)), "00 01 01 1D 81 1D 00 00")
                << c.what;
        }
    }
}

TEST_F(MacroLibraryTest, EverySaveOfABoundMacroReachesTheSlotAgain) {
    writeMacro("m", "index=0\nrepeat=1\ndid=1", {});
    for (const QStringList &lines : {QStringList{down("A")}, QStringList{down("B"), up("B")}}) {
        ASSERT_TRUE(library.saveMacroIni("m", lines, kMouse, messages));
        const QList<uchar> expected = macroIncode(lines, kMouse); // repeat 1: same header
        EXPECT_EQ(hex(device.mouse[1].left(expected.size())), hex(expected));
    }
    EXPECT_EQ(device.writes, 2);
}

TEST_F(MacroLibraryTest, SavingAMacroThatIsGoneSendsNothing) {
    EXPECT_FALSE(library.saveMacroIni("gone", {down("A")}, kMouse, messages));
    EXPECT_EQ(device.writes, 0);
    EXPECT_FALSE(QFileInfo::exists(folder.file("modules/macro/gone.bin")));
}

TEST_F(MacroLibraryTest, ImportAsksForAMacroFileAndReplacesTheMacro) {
    writeMacro("m", "index=-1", {down("A")});
    folder.write("chosen.mc", "[config]\nindex=4\ntotal=1\n[macro]\n0=B    [Down]\n");
    dialogs.fileAnswer = folder.file("chosen.mc");
    library.loadMacroIniFromFile("m");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].kind, "open");
    EXPECT_EQ(dialogs.fileRequests[0].caption, "Open File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Macro(*.mc)");
    EXPECT_EQ(dialogs.fileRequests[0].folder,
              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    EXPECT_EQ(folder.read("modules/macro/m.bin"), folder.read("chosen.mc"));

    // Into a macro that does not exist: nothing, even with a file chosen.
    library.loadMacroIniFromFile("missing");
    EXPECT_FALSE(QFileInfo::exists(folder.file("modules/macro/missing.bin")));

    // Cancelled: the macro stays.
    dialogs.fileAnswer.clear();
    writeMacro("m", "index=-1", {down("C")});
    library.loadMacroIniFromFile("m");
    EXPECT_EQ(library.files().loadMacroIni("m"), QStringList{down("C")});
}

TEST_F(MacroLibraryTest, ExportAsksWhereAndCopiesTheMacro) {
    library.saveMacroIniToFile("missing");
    EXPECT_TRUE(dialogs.fileRequests.isEmpty()); // no macro, no dialog

    writeMacro("m", "index=2", {down("A")});
    folder.write("out.mc", "older export");
    dialogs.fileAnswer = folder.file("out.mc");
    library.saveMacroIniToFile("m");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].kind, "save");
    EXPECT_EQ(dialogs.fileRequests[0].caption, "Save File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Macro(*.mc)");
    EXPECT_EQ(folder.read("out.mc"), folder.read("modules/macro/m.bin"));
}

// The import chooser lists "*.mc" only: whatever the user typed, the export lands there.
TEST_F(MacroLibraryTest, AnExportTypedWithoutTheEndingGetsIt) {
    writeMacro("m", "index=-1", {down("A")});
    const std::pair<const char *, const char *> cases[] = {
        {"plain", "plain.mc"},           {"done.mc", "done.mc"},
        {"Macro. 001", "Macro. 001.mc"}, // " 001" is no file ending of ours
        {"notes.txt", "notes.txt.mc"},   {"LOUD.MC", "LOUD.MC.mc"},
    };
    for (const auto &[typed, written] : cases) {
        dialogs.fileAnswer = folder.file(typed);
        library.saveMacroIniToFile("m");
        EXPECT_EQ(folder.read(written), folder.read("modules/macro/m.bin")) << typed;
        if (QString(typed) != written) {
            EXPECT_FALSE(QFileInfo::exists(folder.file(typed))) << typed;
        }
    }
}

TEST_F(MacroLibraryTest, ARenameToANameNoMacroCanHaveIsRefusedWithAWarning) {
    writeMacro("m", "index=-1", {down("A")});
    writeMacro("taken", "index=-1", {});
    for (const QString &name : {QString(".m"), QString(), QString("a/b"), QString("..")}) {
        dialogs.boxes.clear();
        EXPECT_FALSE(library.renameMacroIniFile("m", name)) << name.toStdString();
        ASSERT_EQ(dialogs.boxes.size(), 1) << name.toStdString();
        EXPECT_EQ(dialogs.boxes[0].kind, "warning");
        EXPECT_TRUE(dialogs.boxes[0].text.contains("\"" + name + "\""));
        EXPECT_TRUE(library.files().exists("m"));
    }
    // A name that is merely taken fails as it always did, without a box.
    dialogs.boxes.clear();
    EXPECT_FALSE(library.renameMacroIniFile("m", "taken"));
    EXPECT_TRUE(library.renameMacroIniFile("m", "renamed"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_TRUE(library.files().exists("renamed"));
}

} // namespace
