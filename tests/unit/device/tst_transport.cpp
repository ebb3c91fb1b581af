// The transport and the command layer around it: data phases at their edges, refusals,
// serialisation by the idle flag, stuck and vanishing devices.
#include "device_rig.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

void frameInto(Hid_Thread &hid, const char *hex) {
    const QByteArray frame = QByteArray::fromHex(hex);
    hid.requestReport[0] = 0;
    std::copy(frame.begin(), frame.end(), hid.requestReport + 1);
}

TEST(Transport, ShortDataGoesInOneReportPaddedWithZeros) {
    DeviceRig rig(optionsWith(false));
    frameInto(rig.hid, "10000000000000ef");
    const std::vector<uchar> data = pattern(21, 0x40);
    std::copy(data.begin(), data.end(), rig.hid.dataBuffer);
    ASSERT_TRUE(rig.hid.sendFrame(21, false));
    const auto outputs = rig.wire(WireRecord::Output);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].bytes,
              QByteArray(1, '\0') + bytesOf(data.data(), 21) + QByteArray(11, '\0'));
}

TEST(Transport, EachDataReportOnAFreshlyOpenedInterfaceWithAPauseAfterIt) {
    DeviceRig rig(optionsWith(false));
    frameInto(rig.hid, "130180000000006b");
    const int opensBefore = rig.bus.openCount();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(rig.hid.sendFrame(128, false));
    EXPECT_GE(clock.elapsed(), 4 * 8);
    const auto outputs = rig.wire(WireRecord::Output);
    ASSERT_EQ(outputs.size(), 4u);
    for (const WireRecord &r : outputs)
        EXPECT_EQ(r.bytes.size(), 33);
    // One open to check, one for the frame, one per report.
    EXPECT_EQ(rig.bus.openCount() - opensBefore, 2 + 4);
}

TEST(Transport, TheFrameIsSentAsWrittenWhenTheCipherIsOff) {
    DeviceRig rig(optionsWith(false));
    frameInto(rig.hid, "0102000000000011"); // a wrong checksum is not recomputed
    ASSERT_TRUE(rig.hid.sendFrame(0, false));
    const auto features = rig.wire(WireRecord::Feature);
    ASSERT_EQ(features.size(), 1u);
    EXPECT_EQ(WireLog::hex(features[0].bytes), "00 01 02 00 00 00 00 00 11");
}

TEST(Transport, RefusalsSendNothingAndGiveTheIdleFlagBack) {
    const struct {
        const char *name;
        std::function<void(DeviceRig &)> arrange;
    } rows[] = {
        {"demo", [](DeviceRig &) { DeviceFlags::demo = true; }},
        {"language check", [](DeviceRig &) { DeviceFlags::languageCheck = false; }},
        {"no device",
         [](DeviceRig &r) {
             r.bus.unplug(EmulatedBus::Mouse);
             r.hid.updateDeviceList(tableRecords());
         }},
        {"short device list",
         [](DeviceRig &r) { r.hid.updateDeviceList(tableRecords().mid(0, 1)); }},
        {"no device list", [](DeviceRig &r) { r.hid.updateDeviceList({}); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DeviceRig rig;
        row.arrange(rig);
        ASSERT_TRUE(rig.hid.waitIdle());
        EXPECT_FALSE(rig.hid.sendFrame(64, true));
        EXPECT_TRUE(rig.hid.isIdle());
        ASSERT_TRUE(rig.hid.waitIdle());
        EXPECT_FALSE(rig.hid.queryFrame(8));
        EXPECT_TRUE(rig.hid.isIdle());
        EXPECT_TRUE(rig.bus.wireLog().records().isEmpty());
        // The same through the commands: silent, and nothing on the wire.
        DebugLog log;
        std::vector<uchar> block(64, 1);
        rig.hid.hid_12H_SetKeyMatrix(block.data());
        rig.settle();
        EXPECT_TRUE(log.lines().isEmpty());
        EXPECT_TRUE(rig.bus.wireLog().records().isEmpty());
    }
}

TEST(Transport, ADataPhaseThatNeverComesFailsInsteadOfHanging) {
    DeviceRig rig;
    rig.bus.setFault(EmulatorFault::NoData);
    std::vector<uchar> block = pattern(64, 3);
    QElapsedTimer clock;
    clock.start();
    rig.hid.hid_92H_GetKeyMatrix(block.data());
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(block, pattern(64, 3));
    EXPECT_TRUE(rig.hid.isIdle());
    rig.bus.setFault(EmulatorFault::None);
    uchar stage = 0;
    rig.hid.hid_8BH_GetCurrentDPIStage(stage);
    EXPECT_EQ(stage, 1) << "the next command works";
}

TEST(Transport, ADeviceThatVanishesMidTransferFailsThatTransferOnly) {
    DeviceRig rig;
    rig.bus.setFault(EmulatorFault::Removal,
                     2); // the frame and the first report; gone at the second
    std::vector<uchar> block = pattern(64, 3);
    rig.hid.hid_12H_SetKeyMatrix(block.data());
    rig.settle();
    EXPECT_TRUE(rig.hid.isIdle());
    EXPECT_EQ(rig.wire(WireRecord::Output).size(), 1u);

    uchar rate = 7;
    rig.hid.hid_81H_GetReportRate(rate);
    EXPECT_EQ(rate, 7);
    EXPECT_TRUE(rig.hid.deviceList()[1].primaryPath.isEmpty()) << "unusable until the next check";

    rig.bus.setFault(EmulatorFault::None);
    rig.bus.plug(EmulatedBus::Mouse);
    rig.hid.updateDeviceList(tableRecords());
    rig.hid.hid_81H_GetReportRate(rate);
    EXPECT_EQ(rate, 1) << "back after the device check";
}

TEST(Transport, ReplacingTheListDuringTransfersIsSafe) {
    DeviceRig rig(optionsWith(true, true), true);
    rig.hid.startWatch(1); // the watch reads the list too
    std::atomic<bool> stop{false};
    std::thread checker([&] {
        while (!stop) {
            rig.hid.updateDeviceList(tableRecords(true));
            (void)rig.hid.deviceList();
        }
    });
    std::vector<uchar> block = pattern(512, 1);
    for (int i = 0; i < 3; ++i)
        rig.hid.hid_0DH_SetKeyMatrix(block.data());
    std::vector<uchar> back(512, 0);
    rig.hid.hid_8DH_GetKeyMatrix(back.data());
    stop = true;
    checker.join();
    EXPECT_EQ(back, block);
    EXPECT_TRUE(rig.hid.isWatchRunning());
    rig.hid.stopWatch();
}

// ---- the command layer

TEST(CommandLayer, TheFirstCommandPassesAtOnce) {
    DeviceRig rig;
    EXPECT_TRUE(rig.hid.isIdle());
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(rig.hid.waitIdle());
    EXPECT_LT(clock.elapsed(), 8);
    EXPECT_FALSE(rig.hid.isIdle());
}

TEST(CommandLayer, ACommandWaitsForThePreviousTransfer) {
    DeviceRig rig;
    rig.hid.hid_01H_SetReportRate(2); // acknowledgement pause: 128 ms on the pool
    QElapsedTimer clock;
    clock.start();
    rig.hid.hid_0BH_SetCurrentDPIStage(3);
    EXPECT_GE(clock.elapsed(), 100) << "the second set returns only after the first transfer";
    uchar rate = 0;
    rig.hid.hid_81H_GetReportRate(rate);
    EXPECT_EQ(rate, 2);
    EXPECT_EQ(rig.sentFrames(), QStringList({"01 02 00 00 00 00 00 fc", "0b 03 00 00 00 00 00 f1",
                                             "81 00 00 00 00 00 00 7e"}));
    const auto features = rig.wire(WireRecord::Feature);
    ASSERT_EQ(features.size(), 4u);
    EXPECT_GE(features[1].ms - features[0].ms, 128);
    EXPECT_GE(features[2].ms - features[1].ms, 128) << "the read reaches the device after the set";
}

TEST(CommandLayer, AStuckTransferMakesTheNextCommandsGiveUpWithTheirOwnMessage) {
    DeviceRig rig;
    rig.bus.setFault(EmulatorFault::Slow, 0, 6000);
    rig.hid.hid_01H_SetReportRate(2); // stuck in the device for 6 s
    {
        DebugLog log;
        QElapsedTimer clock;
        clock.start();
        rig.hid.hid_0BH_SetCurrentDPIStage(3);
        const qint64 gaveUp = clock.elapsed();
        EXPECT_GE(gaveUp, 255 * 8);
        EXPECT_LT(gaveUp, 4000);
        EXPECT_EQ(log.lines(), QStringList{"cmd Failed 0B"});

        uchar stages = 4;
        std::vector<uchar> codes = pattern(8, 1);
        EXPECT_FALSE(rig.hid.hid_91H_GetDPISet(stages, codes.data()));
        EXPECT_EQ(stages, 4);
        EXPECT_EQ(codes, pattern(8, 1));
        EXPECT_EQ(log.lines(), QStringList({"cmd Failed 0B", "cmd Failed"}));
    }
    rig.settle();
    rig.bus.setFault(EmulatorFault::None);
    EXPECT_EQ(rig.sentFrames(), QStringList{"01 02 00 00 00 00 00 fc"}) << "nothing else was sent";
    DebugLog log;
    uchar rate = 0;
    rig.hid.hid_81H_GetReportRate(rate);
    EXPECT_EQ(rate, 2) << "the next command tries again from scratch";
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(CommandLayer, TheHandshakeCommandHasItsOwnMessage) {
    DeviceRig rig;
    ASSERT_TRUE(rig.hid.waitIdle()); // someone holds the layer
    DebugLog log;
    uchar a = 1, b = 2, c = 3, d = 4;
    rig.hid.hid_00H_GetSecrecyCode(a, b, c, d);
    EXPECT_EQ(log.lines(), QStringList{"cmd Failed 00"});
    EXPECT_EQ(QList<int>({a, b, c, d}), QList<int>({1, 2, 3, 4})) << "untouched";
}

} // namespace
