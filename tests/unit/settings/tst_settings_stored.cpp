// What the mouse, keyboard and key assignment operations keep in the current profile, with
// no device answering: stores happen first and do not depend on the device.
#include "device_flags.h"
#include "fake_dialogs.h"
#include "hid_thread.h"
#include "key_assignment.h"
#include "keyboard_settings.h"
#include "mouse_settings.h"
#include "profile_store.h"
#include "program_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

QVariantList range(int from, int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(from + i);
    return list;
}

QStringList texts(const QVariantList &list) {
    QStringList out;
    for (const QVariant &v : list)
        out.append(v.toString());
    return out;
}

// The operations over one store, wired to the device access object.
struct Operations {
    Operations(ProfileStore &store, Dialogs *dialogs, Hid_Thread *hid)
        : mouse(store, dialogs), keyboard(store), keys(store) {
        mouse.setDevice(hid);
        keyboard.setDevice(hid);
        keys.setDevice(hid);
    }
    MouseSettings mouse;
    KeyboardSettings keyboard;
    KeyAssignment keys;
};

class Stored : public ::testing::Test {
protected:
    DeviceStateGuard deviceState{DeviceStateGuard::Fresh};

    // The device layer reads its current index as the device type; no device is plugged.
    void useKeyboard() { hid.swichCurDevice(0); }
    // A fresh store on the same files: what the next run reads.
    void reload() {
        ops.reset();
        store.reset();
        store = std::make_unique<ProfileStore>();
        ops = std::make_unique<Operations>(*store, &dialogs, &hid);
    }
    MouseSettings &mouse() { return ops->mouse; }
    KeyboardSettings &keyboard() { return ops->keyboard; }
    KeyAssignment &keys() { return ops->keys; }

    ProgramFolder folder;
    FakeDialogs dialogs;
    Hid_Thread hid; // no bus: every transfer is refused
    std::unique_ptr<ProfileStore> store = std::make_unique<ProfileStore>();
    std::unique_ptr<Operations> ops = std::make_unique<Operations>(*store, &dialogs, &hid);
};

TEST_F(Stored, WithoutProfileFilesTheGettersGiveZeroEmptyAndFalse) {
    EXPECT_EQ(mouse().reportRate(), 0);
    EXPECT_EQ(mouse().currentDpiStage(), 0);
    EXPECT_TRUE(mouse().dpiSet().isEmpty());
    for (unsigned char type : {0, 1, 2})
        EXPECT_TRUE(mouse().stageColors(type).isEmpty());
    EXPECT_TRUE(mouse().ledEffect().isEmpty());
    EXPECT_TRUE(keys().keyDefine(0).isEmpty());
    EXPECT_FALSE(keys().scrollPinSwap());
    EXPECT_TRUE(keyboard().ledType().isEmpty());
    EXPECT_TRUE(keyboard().userPicture(0).isEmpty());
    EXPECT_TRUE(keyboard().color(0).isEmpty());
}

TEST_F(Stored, DeviceQueriesFallBackWhenNoDeviceAnswers) {
    EXPECT_EQ(mouse().syncDpi(), 8);
    EXPECT_FALSE(mouse().isLogoLedWorking());
    EXPECT_EQ(mouse().sensorType(), 0);
    EXPECT_EQ(mouse().deviceKeyMatrix(), QVariantList(64, 0));
    EXPECT_EQ(keyboard().firmwareVersion(), "unknown");
}

TEST_F(Stored, MouseSettersStoreWhatThePagesReadBack) {
    mouse().setReportRate(2);
    mouse().setCurrentDpiStage(3);
    mouse().setDpiSet(8, {0x02, 0x45}, {500, 2500, 0, 0, 0, 0, 0, 0});
    mouse().setStageColors(2, {0, 1, 2, 3, 4, 5, 6, 8});
    mouse().setStageColors(1, range(100, 24));
    mouse().setLedEffect(5, 115, 1, {4, 3, 7});

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "same run" : "after a reload");
        EXPECT_EQ(mouse().reportRate(), 2);
        EXPECT_EQ(mouse().currentDpiStage(), 3);
        // The values, not the codes; as stored (text after a reload).
        EXPECT_EQ(texts(mouse().dpiSet()),
                  (QStringList{"500", "2500", "0", "0", "0", "0", "0", "0"}));
        EXPECT_EQ(mouse().stageColors(2), (QVariantList{0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u}));
        EXPECT_EQ(mouse().stageColors(1).value(23), 123u);
        EXPECT_EQ(mouse().ledEffect(), (QVariantList{4u, 3u, 7u}));
        reload();
    }
    // The colour ids are kept as the page wrote them, orange as 8.
    EXPECT_TRUE(folder.read("modules/setting/p1.bin").contains("type2=0, 1, 2, 3, 4, 5, 6, 8"));
}

TEST_F(Stored, ReportRateIsStoredOnlyForTheMouse) {
    useKeyboard();
    mouse().setReportRate(2);
    EXPECT_FALSE(store->read("sensor/reportRate_R8").isValid());
}

TEST_F(Stored, MouseKeyMatrixIsStoredAsFourEntriesPerKey) {
    QVariantList matrix = range(0, 64);
    matrix[8] = 240;
    keys().setMouseKeyMatrix(matrix);
    EXPECT_EQ(keys().keyDefine(2), (QVariantList{240, 9, 10, 11}));
    EXPECT_EQ(keys().keyDefine(QStringLiteral("15")), (QVariantList{60, 61, 62, 63}));
    EXPECT_TRUE(keys().keyDefine(16).isEmpty());
    reload();
    EXPECT_EQ(keys().keyDefine(2).value(0).toInt(), 240);
}

TEST_F(Stored, KeyMatrixListsOfTheWrongLengthAreCutOrPadded) {
    keys().setMouseKeyMatrix(range(1, 6));
    EXPECT_EQ(keys().keyDefine(1), (QVariantList{5, 6, 0, 0}));
    EXPECT_EQ(keys().keyDefine(15), (QVariantList{0, 0, 0, 0}));
    keys().setMouseKeyMatrix(range(1, 80));
    EXPECT_EQ(keys().keyDefine(15), (QVariantList{61, 62, 63, 64}));
    EXPECT_FALSE(store->read("keydefine_R8/16").isValid());
}

TEST_F(Stored, KeyboardKeyMatrixKeepsTheFirst126Keys) {
    useKeyboard();
    keys().setKeyboardKeyMatrix(range(0, 512));
    EXPECT_EQ(keys().keyDefine(125), (QVariantList{500, 501, 502, 503}));
    EXPECT_FALSE(store->read("keydefine/126").isValid());
    // The keyboard reads its own prefix.
    keys().setMouseKeyMatrix(QVariantList(64, 9));
    EXPECT_EQ(keys().keyDefine(3), (QVariantList{12, 13, 14, 15}));
}

TEST_F(Stored, ScrollSwapIsStoredEvenWithoutADevice) {
    keys().setScrollPinSwap(true);
    EXPECT_TRUE(keys().scrollPinSwap());
    reload();
    EXPECT_TRUE(keys().scrollPinSwap());
}

TEST_F(Stored, KeyboardSettersStoreTheirLists) {
    useKeyboard();
    keyboard().setUserPicture(2, KeyboardSettings::kStoreOnly, range(0, 512));
    keyboard().setColor(3, 255, 0, 0);
    keyboard().setLedType(9, 1, 2, 3, 4, 5);
    reload();
    EXPECT_EQ(keyboard().userPicture(2).size(), 512);
    EXPECT_EQ(keyboard().userPicture(2).value(511).toInt(), 511);
    EXPECT_EQ(texts(keyboard().color(3)), (QStringList{"255", "0", "0"}));
    EXPECT_EQ(texts(keyboard().ledType()), (QStringList{"1", "2", "3", "4", "5"}));
}

TEST_F(Stored, SyncCopiesFivePicturesOnTheKeyboardOnly) {
    keyboard().syncFW();
    EXPECT_FALSE(store->read("userPicture/0").isValid());

    useKeyboard();
    keyboard().syncFW();
    reload();
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(keyboard().userPicture(index).size(), 512) << index;
    EXPECT_TRUE(keyboard().userPicture(5).isEmpty());
}

TEST_F(Stored, ProfileSwitchChangesWhereLaterWritesGo) {
    keyboard().selectProfile(3);
    EXPECT_EQ(store->currentIndex(), 3);
    mouse().setCurrentDpiStage(6);
    keyboard().selectProfile(42); // ignored
    EXPECT_EQ(store->currentIndex(), 3);
    reload();
    EXPECT_FALSE(store->read("sensor/stage_R8").isValid());
    ASSERT_TRUE(store->select(3));
    EXPECT_EQ(store->read("sensor/stage_R8").toInt(), 6);
}

TEST_F(Stored, LeftButtonQuestionUsesMessagesFourAndFive) {
    const QStringList messages = {"m0", "m1", "m2", "m3", "Careful", "Take the left button?"};
    for (bool answer : {true, false}) {
        dialogs.questionAnswer = answer;
        EXPECT_EQ(mouse().confirmLeftButtonRemoval(messages), answer);
    }
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes[0].kind, "question");
    EXPECT_EQ(dialogs.boxes[0].title, "Careful");
    EXPECT_EQ(dialogs.boxes[0].text, "Take the left button?");
    // Before any language file is loaded both texts are empty.
    mouse().confirmLeftButtonRemoval({});
    EXPECT_EQ(dialogs.boxes.last().title, "");
    EXPECT_EQ(dialogs.boxes.last().text, "");
}

} // namespace
