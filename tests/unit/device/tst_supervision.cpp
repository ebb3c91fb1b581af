// Discovery, the handshake, demo mode and the device watch.
#include "device_check.h"
#include "device_owner.h"
#include "device_rig.h"
#include "event_wait.h"
#include "fake_dialogs.h"

#include <QDateTime>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

#include <gtest/gtest.h>

namespace {

class FakeOwner : public DeviceOwner {
public:
    QString ownerTitle() const override { return QStringLiteral("R8 Owner"); }
    Dialogs *ownerDialogs() const override { return const_cast<FakeDialogs *>(&dialogs); }
    void postCloseRequest() override { ++closeRequests; }
    FakeDialogs dialogs;
    int closeRequests = 0;
};

// The application config in a temp folder.
struct AppConfig {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    explicit AppConfig(const QByteArray &text) {
        QFile f(dir.filePath("apConfig.bin"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        f.close();
        settings = std::make_unique<QSettings>(dir.filePath("apConfig.bin"), QSettings::IniFormat);
    }
};

struct Handshake : ::testing::Test {
    FakeOwner owner;
    void attach(DeviceRig &rig, AppConfig &config) {
        rig.hid.setOwnerWindow(&owner);
        rig.hid.setAppConfig(config.settings.get());
        std::fill(SecrecyCode, SecrecyCode + 8, uchar(0));
    }
    QStringList challenges(DeviceRig &rig) {
        QStringList found;
        for (const QString &frame : rig.sentFrames())
            if (frame.startsWith("00 "))
                found << frame.mid(3, 11);
        return found;
    }
};

TEST_F(Handshake, AMatchingCodePasses) {
    DeviceRig rig;
    AppConfig config("[common]\nsCode1=R8v0s1\n");
    attach(rig, config);
    DebugLog log;
    rig.hid.chkDeviceIsEnCode();
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_FALSE(DeviceFlags::demo);
    EXPECT_EQ(log.lines(), QStringList{"Device Connect"});
    EXPECT_TRUE(owner.dialogs.boxes.isEmpty());
    EXPECT_EQ(owner.closeRequests, 0);
    EXPECT_EQ(bytesOf(SecrecyCode, 8), QByteArray("\0R8v0s1\0", 8));
    EXPECT_EQ(challenges(rig).size(), 1);
    EXPECT_TRUE(rig.hid.isWatchRunning() && !rig.hid.watchFinished())
        << "the first passed handshake starts the watch";
}

TEST_F(Handshake, AnotherCodeWarnsAndCloses) {
    DeviceRig rig;
    AppConfig config("[common]\nsCode1=123456\n");
    attach(rig, config);
    DeviceFlags::connected = true;
    DebugLog log;
    rig.hid.chkDeviceIsEnCode();
    EXPECT_FALSE(DeviceFlags::connected);
    EXPECT_FALSE(DeviceFlags::demo);
    EXPECT_EQ(log.lines(), QStringList{"Device Error"});
    ASSERT_EQ(owner.dialogs.boxes.size(), 1);
    EXPECT_EQ(owner.dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(owner.dialogs.boxes[0].title, "R8 Owner");
    EXPECT_EQ(owner.dialogs.boxes[0].text, "Can not detect R8 !");
    EXPECT_EQ(owner.closeRequests, 1);
    EXPECT_FALSE(rig.hid.isWatchRunning());
}

TEST_F(Handshake, GarbageOrNoAnswerIsRefused) {
    for (const EmulatorFault fault : {EmulatorFault::Garbage, EmulatorFault::NoAnswer}) {
        DeviceRig rig;
        rig.bus.setFault(fault);
        AppConfig config("[common]\nsCode1=R8v0s1\n");
        attach(rig, config);
        owner.dialogs.boxes.clear();
        rig.hid.chkDeviceIsEnCode();
        EXPECT_FALSE(DeviceFlags::connected);
        ASSERT_EQ(owner.dialogs.boxes.size(), 1);
        EXPECT_EQ(owner.dialogs.boxes[0].text, "Can not detect R8 !");
    }
}

TEST_F(Handshake, WithoutAConfiguredCodeTheDefaultIsUsed) {
    EmulatorOptions options;
    options.mouseCode = "482915";
    DeviceRig rig(options);
    AppConfig config("[common]\nname=x\n");
    attach(rig, config);
    rig.hid.chkDeviceIsEnCode();
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_EQ(bytesOf(SecrecyCode, 8), QByteArray("\0"
                                                  "482915"
                                                  "\0",
                                                  8));
}

TEST_F(Handshake, OnlyASixCharacterCodeIsLoaded) {
    DeviceRig rig;
    AppConfig config("[common]\nsCode1=R8v0s\n");
    attach(rig, config);
    useSecrecyCode("R8v0s1"); // an earlier handshake loaded the right code
    rig.hid.chkDeviceIsEnCode();
    EXPECT_TRUE(DeviceFlags::connected) << "the five-character code left the bytes alone";
}

TEST_F(Handshake, TheDemoCodeGivesDemoModeAndNoCommandReachesTheDevice) {
    for (const bool plugged : {false, true}) {
        SCOPED_TRACE(plugged ? "device attached" : "no device");
        EmulatorOptions options;
        options.mouse = plugged;
        DeviceRig rig(options);
        AppConfig config("[common]\nsCode1=k-wodrum\n");
        attach(rig, config);
        rig.hid.chkDeviceIsEnCode();
        EXPECT_TRUE(DeviceFlags::connected);
        EXPECT_TRUE(DeviceFlags::demo);
        EXPECT_FALSE(DeviceFlags::encryption);
        EXPECT_TRUE(owner.dialogs.boxes.isEmpty());
        EXPECT_EQ(owner.closeRequests, 0);

        rig.bus.wireLog().clear();
        DeviceFlags::encryption = true; // the next device check re-reads the table
        rig.hid.chkDeviceIsEnCode();
        EXPECT_TRUE(DeviceFlags::demo);
        rig.hid.hid_01H_SetReportRate(3);
        uchar rate = 0;
        rig.hid.hid_81H_GetReportRate(rate);
        rig.settle();
        EXPECT_TRUE(rig.bus.wireLog().records().isEmpty());
        EXPECT_TRUE(owner.dialogs.boxes.isEmpty());
    }
}

TEST_F(Handshake, TwoHandshakesInOneSecondSendTheSameChallenge) {
    DeviceRig rig;
    AppConfig config("[common]\nsCode1=R8v0s1\n");
    attach(rig, config);
    // Start early in a second so that both fall into it.
    while (QDateTime::currentMSecsSinceEpoch() % 1000 > 500)
        QThread::msleep(5);
    rig.hid.chkDeviceIsEnCode();
    rig.hid.chkDeviceIsEnCode();
    QThread::msleep(1100);
    rig.hid.chkDeviceIsEnCode();
    const QStringList sent = challenges(rig);
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[0], sent[1]);
    EXPECT_NE(sent[1], sent[2]) << "a new second, a new challenge";
}

TEST_F(Handshake, WithoutTheCipherTheFoundInterfacesDecide) {
    DeviceRig rig(optionsWith(false));
    AppConfig config("[common]\nsCode1=123456\n");
    attach(rig, config);
    rig.hid.chkDeviceIsEnCode();
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_TRUE(rig.bus.wireLog().records().isEmpty()) << "no handshake";

    rig.bus.unplug(EmulatedBus::Mouse);
    rig.hid.updateDeviceList(tableRecords());
    rig.hid.chkDeviceIsEnCode();
    EXPECT_FALSE(DeviceFlags::connected);
    ASSERT_EQ(owner.dialogs.boxes.size(), 1);
    EXPECT_EQ(owner.dialogs.boxes[0].text, "Can not detect R8 !");
    EXPECT_EQ(owner.closeRequests, 1);
}

// ---- the device check

TEST(DeviceCheck, FindsTheMouseThroughTheBuiltInTableAndShakesHands) {
    EmulatorOptions options;
    options.keyboard = true;
    EmulatedBus bus(options);
    Hid_Thread hid(&bus);
    resetDeviceFlags(false);
    AppConfig config("[common]\nsCode1=R8v0s1\nproduct_name=R8 Keyboard, R8\n");
    hid.setAppConfig(config.settings.get());
    QSettings table(":/DevInfo.ini", QSettings::IniFormat);
    runDeviceCheck(hid, table, config.settings.get());

    const QList<DeviceEntry> list = hid.deviceList();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].name, "R8 Keyboard");
    EXPECT_TRUE(list[0].primaryPath.isEmpty()) << "the keyboard is never looked for";
    EXPECT_TRUE(list[0].secondaryPath.isEmpty());
    EXPECT_EQ(list[1].index, 1);
    EXPECT_EQ(list[1].name, "R8");
    EXPECT_EQ(list[1].type, 1);
    EXPECT_EQ(list[1].primaryPath, "emulated:mouse:1");
    EXPECT_EQ(list[1].secondaryPath, "emulated:mouse:2");
    EXPECT_EQ(list[1].reportLength, 32u);
    EXPECT_TRUE(DeviceFlags::encryption);
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_EQ(hid.currentDeviceIndex(), 1);
    EXPECT_TRUE(hid.isWatchRunning()) << "the passed handshake starts the watch";

    bus.unplug(EmulatedBus::Mouse);
    FakeOwner owner;
    hid.setOwnerWindow(&owner);
    runDeviceCheck(hid, table, config.settings.get());
    EXPECT_TRUE(hid.deviceList()[1].primaryPath.isEmpty());
    EXPECT_FALSE(DeviceFlags::connected);
    ASSERT_EQ(owner.dialogs.boxes.size(), 1);
    EXPECT_EQ(owner.dialogs.boxes[0].text, "Can not detect R8 !");
}

// ---- the device watch

struct Watch : ::testing::Test {
    static EmulatorOptions slowAck() {
        EmulatorOptions o;
        o.ackDelayMs = 20; // well after the pause has cleared the flag
        return o;
    }
    static qint64 transferTime(DeviceRig &rig) {
        QElapsedTimer clock;
        clock.start();
        rig.hid.hid_0BH_SetCurrentDPIStage(2);
        rig.settle();
        return clock.elapsed();
    }
};

TEST_F(Watch, SwitchingDevicesStartsAWatchThatEndsAtOnceOnAnEntryWithoutPaths) {
    DeviceRig rig;
    resetDeviceFlags(false);
    rig.hid.swichCurDevice(0);
    EXPECT_EQ(rig.hid.currentDeviceIndex(), 0);
    QThread::msleep(50);
    EXPECT_TRUE(rig.hid.watchFinished());
    EXPECT_TRUE(rig.hid.isWatchRunning()) << "the flag stays set until the next start";
}

TEST_F(Watch, TheAcknowledgementReportShortensThePause) {
    DeviceRig rig(slowAck());
    const qint64 without = transferTime(rig);
    EXPECT_GE(without, 128);

    rig.hid.startWatch(1);
    QThread::msleep(20);
    const qint64 with = transferTime(rig);
    EXPECT_GE(with, 64);
    EXPECT_LT(with, 128) << "04 04 00 00 ended the pause after 64 ms";
    EXPECT_TRUE(rig.hid.isWatchRunning());
    rig.hid.stopWatch();
    EXPECT_TRUE(rig.hid.watchFinished());
}

TEST_F(Watch, AnAcceptedDeviceStartsItAgainAfterARemovalEndedIt) {
    DeviceRig rig(optionsWith(false));
    rig.hid.chkDeviceIsEnCode();
    ASSERT_TRUE(rig.hid.isWatchRunning());
    rig.hid.chkDeviceIsEnCode();
    EXPECT_FALSE(rig.hid.watchFinished()) << "a running watch is left alone";

    rig.bus.unplug(EmulatedBus::Mouse);
    ASSERT_TRUE(waitFor([&] { return rig.hid.watchFinished(); }));
    EXPECT_FALSE(rig.hid.isWatchRunning());
    rig.bus.plug(EmulatedBus::Mouse);
    rig.hid.updateDeviceList(tableRecords());
    rig.hid.chkDeviceIsEnCode();
    EXPECT_TRUE(rig.hid.isWatchRunning() && !rig.hid.watchFinished());
}

// The device may acknowledge while the host is still in the write call or in the 8 ms
// after the last data report; that acknowledgement must still end the pause.
TEST_F(Watch, NoAcknowledgementIsMissed) {
    struct Row {
        const char *name;
        std::function<void(Hid_Thread &, uchar *)> command;
        int pauses;
    };
    const Row rows[] = {
        {"0BH, no data", [](Hid_Thread &h, uchar *) { h.hid_0BH_SetCurrentDPIStage(2); }, 1},
        {"12H, 64 bytes", [](Hid_Thread &h, uchar *b) { h.hid_12H_SetKeyMatrix(b); }, 2},
        {"13H, 128 bytes", [](Hid_Thread &h, uchar *b) { h.hid_13H_SetMacroKey(1, b); }, 2},
    };
    for (const bool immediate : {true, false}) {
        for (const Row &row : rows) {
            SCOPED_TRACE(std::string(row.name) + (immediate ? ", acknowledged at once" : ""));
            EmulatorOptions options;
            options.ackDelayMs = immediate ? 0 : 2;
            DeviceRig rig(options);
            uchar block[128] = {};
            row.command(rig.hid, block);
            rig.settle();
            EXPECT_EQ(rig.hid.fullAckPauses(), row.pauses) << "no watch, no acknowledgement";

            rig.hid.startWatch(1);
            QThread::msleep(20);
            row.command(rig.hid, block);
            rig.settle();
            EXPECT_EQ(rig.hid.fullAckPauses(), row.pauses) << "every pause saw its acknowledgement";
            rig.hid.stopWatch();
        }
    }
}

TEST_F(Watch, AnyOtherReportDoesNotCount) {
    DeviceRig rig(slowAck());
    rig.bus.withDevice(EmulatedBus::Mouse,
                       [](VirtualDevice &d) { d.setAckReport(QByteArray::fromHex("04040100")); });
    rig.hid.startWatch(1);
    QThread::msleep(20);
    EXPECT_GE(transferTime(rig), 128);
    EXPECT_FALSE(rig.wire(WireRecord::Input, 2).empty()) << "the watch did read it";
}

TEST_F(Watch, ARemovalEndsTheWatch) {
    DeviceRig rig;
    DebugLog log;
    rig.hid.startWatch(1);
    QThread::msleep(50);
    rig.bus.unplug(EmulatedBus::Mouse);
    QElapsedTimer clock;
    clock.start();
    while (!rig.hid.watchFinished() && clock.elapsed() < 3000)
        QThread::msleep(10);
    EXPECT_TRUE(rig.hid.watchFinished());
    EXPECT_FALSE(rig.hid.isWatchRunning());
    EXPECT_EQ(log.lines(), QStringList{"Device removed"});
    EXPECT_TRUE(rig.hid.deviceList()[1].secondaryPath.isEmpty());
}

} // namespace
