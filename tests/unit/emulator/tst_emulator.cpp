// The virtual R8 itself: its options, its wire log and how its firmware takes reports.
#include "cipher.h"
#include "emulated_bus.h"
#include "emulator_command_line.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString describe(const EmulatorOptions &o) {
    return QStringLiteral("mouse=%1 keyboard=%2 sensor=%3 logo=%4 stages=%5 code=%6 kcode=%7 "
                          "cipher=%8 fault=%9 after=%10 slow=%11 ack=%12 log=%13")
        .arg(o.mouse)
        .arg(o.keyboard)
        .arg(o.sensorType)
        .arg(o.logoLed)
        .arg(o.dpiStages)
        .arg(o.mouseCode, o.keyboardCode)
        .arg(o.cipher)
        .arg(int(o.fault))
        .arg(o.faultAfter)
        .arg(o.slowMs)
        .arg(o.ackDelayMs)
        .arg(o.wireLog);
}

TEST(EmulatorOptions, ParsesEachKeyAndRejectsBadInput) {
    const QString defaults = describe(EmulatorOptions());
    EXPECT_EQ(defaults, "mouse=1 keyboard=0 sensor=0 logo=1 stages=8 code=482915 kcode=482915 "
                        "cipher=1 fault=0 after=1 slow=3000 ack=2 log=");
    const struct {
        const char *text;
        const char *result; // null: rejected
    } rows[] = {
        {"", "mouse=1 keyboard=0 sensor=0 logo=1 stages=8 code=482915 kcode=482915 cipher=1 "
             "fault=0 after=1 slow=3000 ack=2 log="},
        {"sensor=3, logo=off,stages=4",
         "mouse=1 keyboard=0 sensor=3 logo=0 stages=4 code=482915 kcode=482915 cipher=1 fault=0 "
         "after=1 slow=3000 ack=2 log="},
        {"keyboard,code=482915", "mouse=1 keyboard=1 sensor=0 logo=1 stages=8 code=482915 "
                                 "kcode=482915 cipher=1 fault=0 after=1 slow=3000 ack=2 log="},
        {"keyboard-only,keyboard-code=abcdef",
         "mouse=0 keyboard=1 sensor=0 logo=1 stages=8 code=482915 kcode=abcdef cipher=1 fault=0 "
         "after=1 slow=3000 ack=2 log="},
        {"cipher=off,fault=removal,fault-after=5",
         "mouse=1 keyboard=0 sensor=0 logo=1 stages=8 code=482915 kcode=482915 cipher=0 fault=4 "
         "after=5 slow=3000 ack=2 log="},
        {"fault=slow,slow=250,ack-delay=9,wire-log=/tmp/w",
         "mouse=1 keyboard=0 sensor=0 logo=1 stages=8 code=482915 kcode=482915 cipher=1 fault=5 "
         "after=1 slow=250 ack=9 log=/tmp/w"},
        {"sensor=4", nullptr},
        {"stages=0", nullptr},
        {"code=12345", nullptr},
        {"logo=maybe", nullptr},
        {"fault=fire", nullptr},
        {"colour=red", nullptr},
        {"sensor", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EmulatorOptions options;
        QString error;
        const bool ok = parseEmulatorOptions(row.text, &options, &error);
        EXPECT_EQ(ok, row.result != nullptr);
        if (ok) {
            EXPECT_EQ(describe(options), row.result);
            EXPECT_TRUE(error.isEmpty());
        } else {
            EXPECT_EQ(describe(options), defaults) << "untouched";
            EXPECT_TRUE(error.contains("bad emulator option"));
        }
    }
}

TEST(EmulatorCommandLine, EmulateAndWireLog) {
    qunsetenv("R8_EMULATE");
    qunsetenv("R8_WIRE_LOG");
    EmulatorCommandLine plain = parseEmulatorCommandLine({"r8config", "-platform", "offscreen"});
    EXPECT_FALSE(plain.emulate);
    EXPECT_TRUE(plain.error.isEmpty());

    EmulatorCommandLine a = parseEmulatorCommandLine(
        {"r8config", "--emulate=sensor=2,logo=off", "--wire-log", "/tmp/x.log"});
    EXPECT_TRUE(a.emulate);
    EXPECT_EQ(a.options.sensorType, 2);
    EXPECT_FALSE(a.options.logoLed);
    EXPECT_EQ(a.options.wireLog, "/tmp/x.log");

    EXPECT_FALSE(parseEmulatorCommandLine({"r8config", "--wire-log"}).error.isEmpty());
    EXPECT_FALSE(parseEmulatorCommandLine({"r8config", "--emulate=stages=9"}).error.isEmpty());

    qputenv("R8_EMULATE", "keyboard");
    qputenv("R8_WIRE_LOG", "/tmp/env.log");
    EmulatorCommandLine env = parseEmulatorCommandLine({"r8config", "--wire-log=/tmp/arg.log"});
    qunsetenv("R8_EMULATE");
    qunsetenv("R8_WIRE_LOG");
    EXPECT_TRUE(env.emulate);
    EXPECT_TRUE(env.options.keyboard);
    EXPECT_EQ(env.options.wireLog, "/tmp/arg.log") << "the command line wins";
}

// Sends a plain frame the way the host does: report ID 0, enciphered with `code`.
QByteArray report(const char *frameHex, const char *code) {
    QByteArray frame = QByteArray::fromHex(frameHex);
    uchar secrecy[8] = {};
    for (int k = 0; k < 6; ++k)
        secrecy[k + 1] = uchar(code[k]);
    USBDataEncryption(reinterpret_cast<uchar *>(frame.data()), secrecy);
    return QByteArray(1, '\0') + frame;
}

TEST(WireLog, OneLinePerReportInTheDocumentedFormat) {
    QTemporaryDir dir;
    EmulatorOptions options;
    options.wireLog = dir.filePath("wire.log");
    {
        EmulatedBus bus(options);
        auto primary = bus.open("emulated:mouse:1");
        auto secondary = bus.open("emulated:mouse:2");
        ASSERT_TRUE(primary && secondary);
        const QByteArray set = report("11030800000000e3", "482915");
        primary->sendFeatureReport(reinterpret_cast<const uchar *>(set.constData()), 9);
        QByteArray data(33, '\0');
        data[1] = 0x11;
        primary->write(reinterpret_cast<const uchar *>(data.constData()), 33);
        uchar ack[4];
        EXPECT_EQ(secondary->readTimeout(ack, 4, 200), 4);
        const QByteArray get = report("8b000000000000"
                                      "74",
                                      "482915");
        primary->sendFeatureReport(reinterpret_cast<const uchar *>(get.constData()), 9);
        uchar reply[9] = {};
        EXPECT_EQ(primary->getFeatureReport(reply, 9), 9);
    }
    QFile f(options.wireLog);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    const QRegularExpression shape("^\\d+ (OUT|IN) (FEATURE|OUTPUT|INPUT) [12] ([0-9a-f]{2} "
                                   ")*[0-9a-f]{2}( \\| plain ([0-9a-f]{2} ){7}[0-9a-f]{2})?$");
    for (const QString &line : lines)
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines[0].contains(" OUT FEATURE 1 00 "));
    EXPECT_TRUE(lines[0].endsWith("| plain 11 03 08 00 00 00 00 e3"));
    EXPECT_TRUE(lines[1].contains(" OUT OUTPUT 1 00 11 00"));
    EXPECT_FALSE(lines[1].contains("plain"));
    EXPECT_TRUE(lines[2].endsWith(" IN INPUT 2 04 04 00 00"));
    EXPECT_TRUE(lines[3].endsWith("| plain 8b 00 00 00 00 00 00 74"));
    EXPECT_TRUE(lines[4].contains(" IN FEATURE 1 00 "));
    EXPECT_TRUE(lines[4].endsWith("| plain 8b 01 00 00 00 00 00 73")) << "stage 1 at start";
}

TEST(Firmware, DropsFramesWithABadChecksumOrAnotherCode) {
    EmulatedBus bus;
    auto primary = bus.open("emulated:mouse:1");
    auto secondary = bus.open("emulated:mouse:2");
    const QByteArray bad = report("0b030000000000ff", "482915");
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(bad.constData()), 9);
    const QByteArray otherCode = report("0b03000000000"
                                        "0f1",
                                        "123456");
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(otherCode.constData()), 9);
    uchar ack[4];
    EXPECT_EQ(secondary->readTimeout(ack, 4, 50), 0) << "no acknowledgement";
    EXPECT_EQ(bus.mouseState().dpiStage, 1);
    int bad_ = 0;
    bus.withDevice(EmulatedBus::Mouse, [&](VirtualDevice &d) { bad_ = d.badChecksums(); });
    EXPECT_EQ(bad_, 2);

    const QByteArray good = report("0b03000000000"
                                   "0f1",
                                   "482915");
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(good.constData()), 9);
    EXPECT_EQ(secondary->readTimeout(ack, 4, 200), 4);
    EXPECT_EQ(bus.mouseState().dpiStage, 3);
}

TEST(Firmware, AcknowledgesTheFrameAndTheCompletedDataPhase) {
    EmulatorOptions options;
    options.cipher = false;
    EmulatedBus bus(options);
    auto primary = bus.open("emulated:mouse:1");
    auto secondary = bus.open("emulated:mouse:2");
    const QByteArray frame = QByteArray::fromHex("00"
                                                 "120140080000"
                                                 "00a4");
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(frame.constData()), 9);
    QByteArray data(33, '\x07');
    data[0] = 0;
    primary->write(reinterpret_cast<const uchar *>(data.constData()), 33);
    uchar ack[4];
    EXPECT_EQ(secondary->readTimeout(ack, 4, 200), 4);
    EXPECT_EQ(secondary->readTimeout(ack, 4, 50), 0) << "half a key matrix is not acknowledged";
    primary->write(reinterpret_cast<const uchar *>(data.constData()), 33);
    EXPECT_EQ(secondary->readTimeout(ack, 4, 200), 4);
    EXPECT_EQ(bus.mouseState().keyMatrix[63], 7);
}

TEST(Firmware, AnAcknowledgementNobodyListensForIsLost) {
    EmulatorOptions options;
    options.ackDelayMs = 0;
    EmulatedBus bus(options);
    auto primary = bus.open("emulated:mouse:1");
    const QByteArray set = report("0b03000000000"
                                  "0f1",
                                  "482915");
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(set.constData()), 9);
    QThread::msleep(5);
    auto late = bus.open("emulated:mouse:2");
    uchar ack[4];
    EXPECT_EQ(late->readTimeout(ack, 4, 50), 0);
    primary->sendFeatureReport(reinterpret_cast<const uchar *>(set.constData()), 9);
    EXPECT_EQ(late->readTimeout(ack, 4, 50), 4) << "one that comes while it is open arrives";
}

TEST(Firmware, OptionsShapeTheMouse) {
    EmulatorOptions options;
    options.sensorType = 3;
    options.logoLed = false;
    options.dpiStages = 5;
    EmulatedBus bus(options);
    const MouseState m = bus.mouseState();
    EXPECT_EQ(m.sensorType, 3);
    EXPECT_EQ(m.ledInstruct[0][0], 1) << "no logo LED";
    EXPECT_EQ(m.dpiStageCount, 5);
    EXPECT_EQ(m.dpiCodes[5], 0x80) << "stages beyond the count are off";
}

TEST(EmulatedBus, EnumeratesPluggedDevicesAndRefusesUnknownPaths) {
    EmulatorOptions options;
    options.keyboard = true;
    EmulatedBus bus(options);
    EXPECT_EQ(bus.enumerate(0x04d9, 0xa09f).size(), 2);
    const QList<HidInterfaceInfo> keyboard = bus.enumerate(0x04d9, 0x8008);
    ASSERT_EQ(keyboard.size(), 2);
    EXPECT_EQ(keyboard[1].path, "emulated:keyboard:2");
    EXPECT_EQ(keyboard[1].usagePage, 0xff02);
    EXPECT_TRUE(bus.enumerate(0x1234, 0x5678).isEmpty());
    EXPECT_EQ(bus.open("emulated:mouse:3"), nullptr);
    EXPECT_EQ(bus.open("/dev/hidraw0"), nullptr);
    auto handle = bus.open("emulated:mouse:1");
    bus.unplug(EmulatedBus::Mouse);
    EXPECT_TRUE(bus.enumerate(0x04d9, 0xa09f).isEmpty());
    EXPECT_EQ(bus.open("emulated:mouse:1"), nullptr);
    uchar buffer[9] = {};
    EXPECT_EQ(handle->getFeatureReport(buffer, 9), -1) << "a handle from before stays dead";
    bus.plug(EmulatedBus::Mouse);
    EXPECT_EQ(handle->getFeatureReport(buffer, 9), -1);
}

} // namespace
