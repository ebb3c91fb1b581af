#include "evdev_input_source.h"
#include "evdev_pipe.h"
#include "event_wait.h"
#include "program_folder.h"
#include "qt_print.h"

#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The hook records the source hands over, e.g. "key 104 54 20" (message, scan code, flags)
// or "mouse 201 3,4".
class EvdevSource : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pipe.isOpen());
        source.setDeviceFolder(folder.file("no-such-folder"));
        source.setPointerPosition([] { return QPoint(3, 4); });
        QObject::connect(&source, &InputSource::keyboardEvent, [this](const KeyboardHookEvent &e) {
            records.append(QStringLiteral("key %1 %2 %3")
                               .arg(e.message, 0, 16)
                               .arg(e.scanCode, 2, 16, QLatin1Char('0'))
                               .arg(e.flags, 2, 16, QLatin1Char('0')));
        });
        QObject::connect(&source, &InputSource::mouseEvent, [this](const MouseHookEvent &e) {
            records.append(
                QStringLiteral("mouse %1 %2,%3").arg(e.message, 0, 16).arg(e.x).arg(e.y));
        });
    }

    ProgramFolder folder;
    EvdevPipe pipe;
    EvdevInputSource source;
    QStringList records;
};

TEST_F(EvdevSource, KeysBecomeTheRecordsTheHooksWouldHaveSeen) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    pipe.key(KEY_A, 1);
    pipe.key(KEY_A, 2); // auto-repeat: another down
    pipe.key(KEY_A, 0);
    pipe.key(KEY_RIGHTCTRL, 1);
    pipe.key(KEY_PAUSE, 1); // Ctrl+Pause is the Break key
    pipe.key(KEY_PAUSE, 0);
    pipe.key(KEY_RIGHTCTRL, 0);
    pipe.key(KEY_PAUSE, 1);
    pipe.key(KEY_RIGHTALT, 1);
    pipe.key(KEY_SYSRQ, 1); // Alt+Print Screen is SysRq
    pipe.key(KEY_RIGHTALT, 0);
    pipe.key(KEY_SYSRQ, 0);
    pipe.key(KEY_UNKNOWN, 1);
    pump();
    EXPECT_EQ(records,
              QStringList({"key 100 1e 00", "key 100 1e 00", "key 101 1e 00", "key 100 1d 01",
                           "key 100 46 01", "key 101 46 01", "key 101 1d 01", "key 100 45 00",
                           "key 104 38 21", "key 104 54 20", "key 101 38 01", "key 101 37 01"}));
}

TEST_F(EvdevSource, ButtonsAndWheelsArePlacedAtThePointerAndMovementIsLeftOut) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    pipe.write(EvdevPipe::record(EV_REL, REL_X, 4) + EvdevPipe::record(EV_REL, REL_Y, -2) +
               EvdevPipe::record(EV_KEY, BTN_LEFT, 1) + EvdevPipe::record(EV_SYN, SYN_REPORT, 0));
    pipe.key(BTN_LEFT, 0);
    pipe.key(BTN_MIDDLE, 1);
    pipe.key(BTN_SIDE, 1);
    pipe.send(EV_REL, REL_WHEEL, 1);
    pipe.send(EV_REL, REL_HWHEEL, -1);
    pipe.send(EV_MSC, MSC_SCAN, 0x90001);
    pump();
    EXPECT_EQ(records, QStringList({"mouse 201 3,4", "mouse 202 3,4", "mouse 207 3,4",
                                    "mouse 20b 3,4", "mouse 20a 3,4", "mouse 20e 3,4"}));
}

TEST_F(EvdevSource, RecordsSplitAcrossReadsAreJoined) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    const QByteArray bytes =
        EvdevPipe::report(EV_KEY, KEY_ENTER, 1) + EvdevPipe::report(EV_KEY, KEY_ENTER, 0);
    for (int at = 0; at < bytes.size(); at += 5) {
        pipe.write(bytes.mid(at, 5));
        pump(2);
    }
    pump();
    EXPECT_EQ(records, QStringList({"key 100 1c 00", "key 101 1c 00"}));
}

TEST_F(EvdevSource, AfterLostRecordsHeldKeysAreReleased) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    pipe.key(KEY_A, 1);
    pipe.key(KEY_LEFTCTRL, 1);
    pump();
    // The kernel's buffer ran over: what follows up to the next report is incomplete.
    pipe.write(EvdevPipe::record(EV_SYN, SYN_DROPPED, 0) + EvdevPipe::record(EV_KEY, KEY_B, 1) +
               EvdevPipe::record(EV_SYN, SYN_REPORT, 0));
    pipe.key(KEY_C, 1);
    pump();
    // A pipe cannot be asked for its key state, so everything held is let go.
    EXPECT_EQ(records, QStringList({"key 100 1e 00", "key 100 1d 00", "key 101 1d 00",
                                    "key 101 1e 00", "key 100 2e 00"}));
}

TEST_F(EvdevSource, ADeviceThatGoesAwayIsDropped) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    pipe.key(KEY_B, 1);
    pipe.closeWriteEnd(); // what an unplugged keyboard looks like to a reader
    pump();
    EXPECT_EQ(records, QStringList({"key 100 30 00"}));
    EXPECT_EQ(source.deviceCount(), 0);
}

TEST_F(EvdevSource, AReceiverMayStopTheSourceInTheMiddleOfARead) {
    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    ASSERT_TRUE(source.start());
    QObject::connect(&source, &InputSource::keyboardEvent, &source, &EvdevInputSource::stop);
    pipe.write(EvdevPipe::report(EV_KEY, KEY_C, 1) + EvdevPipe::report(EV_KEY, KEY_C, 0));
    pump();
    EXPECT_EQ(records, QStringList({"key 100 2e 00"}));
    EXPECT_EQ(source.deviceCount(), 0);
}

TEST_F(EvdevSource, ObservesOnlyWithAKeyboardAndTellsWhenOneComesAndGoes) {
    QList<bool> told;
    QObject::connect(&source, &InputSource::availabilityChanged,
                     [&told](bool observes) { told.append(observes); });
    EXPECT_FALSE(source.start()) << "no such folder";

    folder.write("input/event0", "a plain file is no event device");
    folder.write("input/mouse0", "");
    source.setDeviceFolder(folder.file("input"));
    EXPECT_FALSE(source.start());
    EXPECT_EQ(source.deviceCount(), 0);

    // A gamepad is readable, and still the keyboard is not observed.
    EvdevPipe gamepad;
    source.addDevice(gamepad.takeReadEnd());
    EXPECT_FALSE(source.start());
    EXPECT_EQ(source.deviceCount(), 1);
    gamepad.key(BTN_SOUTH, 1);
    gamepad.key(BTN_SOUTH, 0);
    pump();
    EXPECT_TRUE(records.isEmpty());
    EXPECT_TRUE(told.isEmpty());

    source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    EXPECT_EQ(told, QList<bool>{true});
    EXPECT_TRUE(source.start());
    pipe.closeWriteEnd(); // the keyboard unplugged
    pump();
    EXPECT_EQ(told, (QList<bool>{true, false}));
    EXPECT_EQ(source.deviceCount(), 1);

    source.stop();
    EXPECT_EQ(source.deviceCount(), 0);
}

} // namespace
