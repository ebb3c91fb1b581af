// The bridge slots as QML reaches them through `ui_View`: JavaScript values in, the
// profile, the virtual mouse and the desktop's pointer settings out.
#include <gio/gio.h>

#include "device_flags.h"
#include "emulated_bus.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "gsettings_pointer.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "widget.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class Bridge : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("GSETTINGS_BACKEND", "memory"); }

    Bridge() {
        folder.write("modules/setting/apConfig.bin",
                     "[common]\nname=R8 Bridge Test\nproduct_name=R8 Keyboard, R8\n"
                     "sCode1=482915\n");
        QFile shipped(qEnvironmentVariable("R8_SOURCE_DIR") + "/data/modules/setting/pD.bin");
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        folder.write("modules/setting/pD.bin", shipped.readAll());
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
        seams.hidBackend = &bus;
        seams.pointer = pointer.get();
        window = std::make_unique<Widget>(seams);
        window->checkDevice();
        mouse = g_settings_new(GSettingsPointer::kMouseSchema);
        g_settings_reset(mouse, "speed");
        g_settings_reset(mouse, "double-click");
    }
    ~Bridge() override {
        window.reset();
        g_object_unref(mouse);
    }

    QVariant js(const QString &script) {
        QQmlExpression expression(window->view()->engine()->rootContext(), nullptr, script);
        const QVariant result = expression.evaluate();
        EXPECT_FALSE(expression.hasError()) << qPrintable(expression.error().toString());
        window->hid()->waitForTransfers();
        return result;
    }

    DeviceStateGuard deviceState{DeviceStateGuard::Fresh}; // first: restored last
    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    EmulatedBus bus;
    std::unique_ptr<GSettingsPointer> pointer = std::make_unique<GSettingsPointer>();
    AppSeams seams;
    std::unique_ptr<Widget> window;
    GSettings *mouse = nullptr;
};

TEST_F(Bridge, SensorPageCallsStoreAndSend) {
    ASSERT_TRUE(DeviceFlags::connected.load());
    js("ui_View.ui_10H_SetLED8StageColor(2, [0, 1, 2, 3, 4, 5, 6, 8])");
    js("ui_View.ui_11H_SetDPISet(ui_View.ui_91H_SyncDPI(),"
       " [0x02, 0x45, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80], [500, 2500, 0, 0, 0, 0, 0, 0])");
    js("ui_View.ui_01H_SetReportRate(4); ui_View.ui_0BH_SetCurrentDPIStage(2)");

    EXPECT_EQ(js("ui_View.ui_90H_GetLED8StageColor(2).join(',')").toString(), "0,1,2,3,4,5,6,7");
    EXPECT_EQ(js("ui_View.ui_91H_GetDPISet()[1]").toInt(), 2500);
    EXPECT_EQ(js("ui_View.ui_81H_GetReportRate()").toInt(), 4);
    EXPECT_EQ(js("ui_View.ui_8BH_GetCurrentDPIStage()").toInt(), 2);

    const MouseState m = bus.mouseState();
    EXPECT_EQ(m.stageColorIndices, (std::array<uchar, 4>{0x10, 0x32, 0x54, 0x86}));
    EXPECT_EQ(m.dpiCodes[1], 0x45);
    EXPECT_EQ(m.reportRate, 4);
    EXPECT_EQ(m.dpiStage, 2);
}

TEST_F(Bridge, PointerSlidersReachTheDesktopSettings) {
    ASSERT_TRUE(pointer->isAvailable());
    js("ui_View.setCursorSpeed(10); ui_View.setDoubleClickSpeed(10)");
    EXPECT_DOUBLE_EQ(g_settings_get_double(mouse, "speed"), 1.0);
    EXPECT_EQ(g_settings_get_int(mouse, "double-click"), 200);
    EXPECT_EQ(js("ui_View.getCursorSpeed()").toUInt(), 10u);
    js("ui_View.setAcceleration(false)");
    EXPECT_FALSE(js("ui_View.getAcceleration()").toBool());
}

TEST_F(Bridge, KeyAssignmentAndDefaultsReachTheProfile) {
    EXPECT_EQ(js("ui_View.loadDefaultProfile(0).length").toInt(), 64);
    EXPECT_EQ(js("ui_View.loadDefaultProfile(2).length").toInt(), 27);
    EXPECT_EQ(js("ui_View.loadDefaultProfile(3).length").toInt(), 45);
    js("var m = []; for (var i = 0; i < 64; ++i) m.push(i); m[8] = 240;"
       " ui_View.ui_12H_SetKeyMatrix(m)");
    EXPECT_EQ(js("ui_View.getKeydefine(2)[0]").toInt(), 240);
    EXPECT_EQ(bus.mouseState().keyMatrix[8], 240);
    EXPECT_TRUE(js("ui_View.getKeydefine('7').length === 4").toBool());
    EXPECT_FALSE(js("ui_View.getScrollPinSwap()").toBool());
    // Numbers from JavaScript land in the file as plain decimal lists.
    window->view()->profileStore().current()->sync();
    EXPECT_TRUE(folder.read("modules/setting/p1.bin").contains("\n2=240, 9, 10, 11\n"))
        << folder.read("modules/setting/p1.bin").constData();
}

TEST_F(Bridge, ProfileMenuCallsSwitchImportAndReset) {
    js("ui_View.ui_02H_SetCurrentProfile(3); ui_View.ui_0BH_SetCurrentDPIStage(6)");
    js("ui_View.resetProfile(3)");
    EXPECT_EQ(folder.read("modules/setting/p4.bin"), folder.read("modules/setting/pD.bin"));
    EXPECT_EQ(js("ui_View.ui_8BH_GetCurrentDPIStage()").toInt(), 2);

    dialogs.fileAnswer.clear();
    js("ui_View.loadProfile(3); ui_View.saveProfile(3)");
    EXPECT_EQ(dialogs.fileRequests.size(), 2);
    EXPECT_EQ(folder.read("modules/setting/p4.bin"), folder.read("modules/setting/pD.bin"));
}

TEST_F(Bridge, FoolProofingAsksTheQuestion) {
    dialogs.questionAnswer = false;
    EXPECT_FALSE(js("ui_View.getMsgAns_FoolProofing()").toBool());
    dialogs.questionAnswer = true;
    EXPECT_TRUE(js("ui_View.getMsgAns_FoolProofing()").toBool());
    EXPECT_EQ(dialogs.boxes.size(), 2);
}

} // namespace
