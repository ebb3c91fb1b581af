// The mouse operations against the virtual R8: what goes on the wire, what the mouse keeps,
// and what the profile keeps.
#include "settings_rig.h"

namespace {

QVariantList range(int from, int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(from + i);
    return list;
}

TEST(SettingsOnMouse, SettersSendTheirFrameAndDataPhase) {
    SettingsRig rig;
    ASSERT_TRUE(rig.connected());
    const struct {
        const char *name;
        std::function<void(SettingsRig &)> call;
        QString frame;
        QByteArray data; // leading bytes of the data phase
    } cases[] = {
        // 01 |rate| 00 | 00 | 00 | 00 | 00 | cs
        {"report rate",
         [](SettingsRig &r) { r.mouse.setReportRate(2); },
         "01 02 00 00 00 00 00 fc",
         {}},
        {"dpi stage",
         [](SettingsRig &r) { r.mouse.setCurrentDpiStage(3); },
         "0b 03 00 00 00 00 00 f1",
         {}},
        // 11 |stg| 08 | ...          then the codes, a short list padded with stage-off
        {"dpi set",
         [](SettingsRig &r) {
             r.mouse.setDpiSet(8, {0x02, 0x45}, {500, 2500});
         },
         "11 08 08 00 00 00 00 de", bytes({0x02, 0x45, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80})},
        // 10 |typ| L  |              type 2: four packed bytes
        {"colour ids",
         [](SettingsRig &r) {
             r.mouse.setStageColors(2, {0, 1, 2, 3, 4, 5, 6, 8});
         },
         "10 02 04 00 00 00 00 e9", bytes({0x10, 0x32, 0x54, 0x86})},
        {"stage colours", [](SettingsRig &r) { r.mouse.setStageColors(1, range(100, 24)); },
         "10 01 18 00 00 00 00 d6", bytes({100, 101, 102})},
        // 0D |eff|bri|spd|
        {"effect",
         [](SettingsRig &r) {
             r.mouse.setLedEffect(5, 115, 1, {4, 3, 7});
         },
         "0d 05 73 01 00 00 00 79",
         {}},
        // 12 | 01 | 40 | 08 |
        {"key matrix", [](SettingsRig &r) { r.keys.setMouseKeyMatrix(range(0, 64)); },
         "12 01 40 08 00 00 00 a4", bytes({0, 1, 2, 3})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        rig.clear();
        c.call(rig);
        EXPECT_EQ(rig.frames(), QStringList{c.frame});
        EXPECT_EQ(rig.dataPhase().left(c.data.size()), c.data);
    }
}

TEST(SettingsOnMouse, TheMouseKeepsWhatTheSettersSent) {
    SettingsRig rig;
    rig.mouse.setReportRate(4);
    rig.mouse.setCurrentDpiStage(5);
    rig.mouse.setDpiSet(6, {1, 2, 3, 4, 5, 6, 7, 8, 99}, range(250, 8));
    rig.mouse.setStageColors(2, {0, 1, 2, 3, 4, 5, 6, 8});
    rig.mouse.setStageColors(0, range(10, 24));
    rig.mouse.setLedEffect(3, 45, 9, {2, 1, 1});
    rig.hid->waitForTransfers();

    const MouseState m = rig.bus->mouseState();
    EXPECT_EQ(m.reportRate, 4);
    EXPECT_EQ(m.dpiStage, 5);
    EXPECT_EQ(m.dpiStageCount, 6);
    EXPECT_EQ(m.dpiCodes, (std::array<uchar, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(m.stageColorIndices, (std::array<uchar, 4>{0x10, 0x32, 0x54, 0x86}));
    EXPECT_EQ(m.lightingColors[23], 33);
    EXPECT_EQ(m.effect, 3);
    EXPECT_EQ(m.brightness, 45);
    EXPECT_EQ(m.speed, 9);
    // The profile has the values, the page's lists unchanged.
    EXPECT_EQ(rig.mouse.reportRate(), 4);
    EXPECT_EQ(rig.mouse.dpiSet(), range(250, 8));
}

TEST(SettingsOnMouse, StageColourBlocksGoInOneReport) {
    SettingsRig rig;
    rig.mouse.setStageColors(1, range(0, 24));
    EXPECT_EQ(rig.outputReports(), 1);
    rig.clear();
    rig.keys.setMouseKeyMatrix(range(0, 64));
    EXPECT_EQ(rig.outputReports(), 2);
}

TEST(SettingsOnMouse, CapabilityQueriesAskTheDevice) {
    // The stage count comes in the reply frame of a read with a data phase, which the
    // firmware answers in plain even with the cipher on.
    const struct {
        QString options;
        int sensor;
        bool logo;
        int stages;
    } cases[] = {
        {"sensor=2,logo=on,stages=4", 2, true, 4},
        {"cipher=off,sensor=3,logo=off,stages=8", 3, false, 8},
        {"sensor=1,stages=1", 1, true, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options.toStdString());
        SettingsRig rig(c.options);
        ASSERT_TRUE(rig.connected());
        EXPECT_EQ(rig.mouse.sensorType(), c.sensor);
        EXPECT_EQ(rig.mouse.isLogoLedWorking(), c.logo);
        EXPECT_EQ(rig.mouse.syncDpi(), c.stages);
    }
}

TEST(SettingsOnMouse, AStageCountOutsideOneToEightCountsAsNoAnswer) {
    SettingsRig rig("stages=4");
    ASSERT_TRUE(rig.connected());
    rig.bus->setFault(EmulatorFault::Garbage);
    const int stages = rig.mouse.syncDpi();
    EXPECT_GE(stages, 1);
    EXPECT_LE(stages, 8);
}

TEST(SettingsOnMouse, QueriesFallBackWhenTheMouseStopsAnswering) {
    SettingsRig rig;
    ASSERT_TRUE(rig.connected());
    rig.bus->setFault(EmulatorFault::NoAnswer);
    EXPECT_EQ(rig.mouse.syncDpi(), 8);
    EXPECT_FALSE(rig.mouse.isLogoLedWorking());
    // The setter still stores.
    rig.mouse.setCurrentDpiStage(7);
    EXPECT_EQ(rig.mouse.currentDpiStage(), 7);
}

TEST(SettingsOnMouse, ScrollSwapChangesOnlyBitSixOfWhatTheMouseReported) {
    SettingsRig rig("sensor=2");
    rig.hid->hid_01H_SetReportRate(8);
    rig.hid->hid_03H_SetFunctionOption(0, 8, 0xC5, 0x3C);
    rig.clear();

    rig.keys.setScrollPinSwap(false);
    // 03 |typ|rate|opt1|opt2|    type and rate as read back, bit 6 cleared
    EXPECT_EQ(rig.frames(), (QStringList{"83 00 00 00 00 00 00 7c", "81 00 00 00 00 00 00 7e",
                                         "03 02 08 85 3c 00 00 31"}));
    EXPECT_EQ(rig.bus->mouseState().option1, 0x85);
    EXPECT_FALSE(rig.keys.scrollPinSwap());

    rig.keys.setScrollPinSwap(true);
    rig.hid->waitForTransfers();
    EXPECT_EQ(rig.bus->mouseState().option1, 0xC5);
    EXPECT_EQ(rig.bus->mouseState().option2, 0x3C);
    EXPECT_TRUE(rig.keys.scrollPinSwap());
}

TEST(SettingsOnMouse, RawReadBacksReturnTheMouseBlocks) {
    SettingsRig rig;
    QVariantList matrix = range(100, 64);
    rig.keys.setMouseKeyMatrix(matrix);
    EXPECT_EQ(rig.mouse.deviceKeyMatrix(), matrix);
    EXPECT_EQ(rig.mouse.deviceMacro(1), QVariantList(128, 0));
}

TEST(SettingsOnMouse, ProfileSwitchSendsNothingToTheMouse) {
    SettingsRig rig;
    rig.keyboard.selectProfile(3);
    rig.keyboard.selectProfile(3);
    EXPECT_TRUE(rig.frames().isEmpty());
    EXPECT_EQ(rig.store.currentIndex(), 3);
    rig.mouse.setCurrentDpiStage(4);
    rig.store.current()->sync();
    EXPECT_TRUE(rig.folder.read("modules/setting/p4.bin").contains("stage_R8=4"));
    EXPECT_FALSE(QFile::exists(rig.folder.file("modules/setting/p1.bin")));
}

TEST(SettingsOnMouse, ReportRateReadsTheProfileNotTheMouse) {
    SettingsRig rig;
    EXPECT_EQ(rig.mouse.reportRate(), 0);
    EXPECT_TRUE(rig.frames().isEmpty());
}

TEST(SettingsOnMouse, SyncOnTheMouseReadsNothing) {
    SettingsRig rig;
    rig.keyboard.syncFW();
    EXPECT_TRUE(rig.frames().isEmpty());
    EXPECT_FALSE(rig.store.read("userPicture/0").isValid());
}

} // namespace
