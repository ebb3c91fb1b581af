// The whole start-up against the virtual R8: the shipped config and the default virtual
// mouse accept each other; without a device only the warning shows and the window closes.
#include "close_spy.h"
#include "device_flags.h"
#include "device_rig.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "startup.h"
#include "widget.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray shippedConfig() {
    QFile f(qEnvironmentVariable("R8_BIN_DIR") + "/modules/setting/apConfig.bin");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct DeviceStartup : ::testing::Test {
    DeviceStateGuard deviceState{DeviceStateGuard::Fresh};
    ProgramFolder folder;
    FakeDialogs dialogs;
    AppSeams seams;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    DeviceStartup() {
        const QByteArray config = shippedConfig();
        EXPECT_FALSE(config.isEmpty());
        folder.write("modules/setting/apConfig.bin", config);
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
    }
};

TEST_F(DeviceStartup, TheVirtualMouseIsAcceptedAndTheWindowShows) {
    EmulatedBus bus;
    seams.hidBackend = &bus;
    Widget w(seams);
    DebugLog log;
    w.checkDevice();
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_FALSE(DeviceFlags::demo);
    EXPECT_TRUE(log.lines().contains("Device Connect"));
    EXPECT_TRUE(startConnectedWindow(w));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(w.hid()->deviceList().value(1).primaryPath, "emulated:mouse:1");

    // The commands reach the virtual mouse through the whole stack.
    w.hid()->hid_0BH_SetCurrentDPIStage(4);
    w.hid()->waitForTransfers();
    EXPECT_EQ(bus.mouseState().dpiStage, 4);
    w.close();
}

TEST_F(DeviceStartup, WithoutADeviceOnlyTheWarningShowsAndTheWindowCloses) {
    EmulatorOptions options;
    options.mouse = false;
    EmulatedBus bus(options);
    seams.hidBackend = &bus;
    Widget w(seams);
    CloseSpy spy;
    w.installEventFilter(&spy);
    w.checkDevice();
    EXPECT_FALSE(DeviceFlags::connected);
    EXPECT_FALSE(startConnectedWindow(w));
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(dialogs.boxes[0].title, w.windowTitle());
    EXPECT_EQ(dialogs.boxes[0].text, "Can not detect R8 !");
    EXPECT_FALSE(spy.closed) << "queued";
    QCoreApplication::processEvents();
    EXPECT_TRUE(spy.closed);
    EXPECT_TRUE(bus.wireLog().records().isEmpty());
}

TEST_F(DeviceStartup, AnotherVirtualCodeIsRefused) {
    EmulatorOptions options;
    options.mouseCode = "000000";
    EmulatedBus bus(options);
    seams.hidBackend = &bus;
    Widget w(seams);
    w.checkDevice();
    EXPECT_FALSE(DeviceFlags::connected);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].text, "Can not detect R8 !");
}

} // namespace
