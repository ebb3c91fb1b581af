// Every command of both sets against the virtual devices: request frame, checksum, cipher
// on and off, the data phase's reports and padding, the pauses, and what reads give back.
#include "device_rig.h"
#include "keyboard_commands.h"
#include "mouse_commands.h"

#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Call = std::function<void(Hid_Thread &, uchar *block)>;

struct SetCase {
    const char *name;
    bool keyboard;
    Call call;
    const char *frame; // plain request frame, checksum included
    int dataLength;
    bool ackWait;
    bool sleepAfterStart;
};

// clang-format off
const SetCase kSetCases[] = {
//   name        kbd    call                                                                  frame (code, bytes 1..6, checksum)   data ack    sleep
    {"01H",      false, [](Hid_Thread &h, uchar *) { h.hid_01H_SetReportRate(0x02); },           "01 02 00 00 00 00 00 fc", 0,   true,  false},
    {"03H",      false, [](Hid_Thread &h, uchar *) { h.hid_03H_SetFunctionOption(1, 2, 0x40, 4); }, "03 01 02 40 04 00 00 b5", 0, true,  true},
    {"07H",      false, [](Hid_Thread &h, uchar *) { h.hid_07H_SetLEDInstructFunction(0, 1, 2, 3); }, "07 00 01 02 03 00 00 f2", 0, false, false},
    {"0BH",      false, [](Hid_Thread &h, uchar *) { h.hid_0BH_SetCurrentDPIStage(8); },        "0b 08 00 00 00 00 00 ec", 0,   true,  false},
    {"0DH",      false, [](Hid_Thread &h, uchar *) { h.hid_0DH_SetRGBLedEffect(10, 3, 0xFF); }, "0d 0a 03 ff 00 00 00 e6", 0,   true,  false},
    {"10H t0",   false, [](Hid_Thread &h, uchar *b) { h.hid_10H_SetLED8StageColor(0, b); },     "10 00 18 00 00 00 00 d7", 24,  true,  false},
    {"10H t1",   false, [](Hid_Thread &h, uchar *b) { h.hid_10H_SetLED8StageColor(1, b); },     "10 01 18 00 00 00 00 d6", 24,  true,  false},
    {"10H t2",   false, [](Hid_Thread &h, uchar *b) { h.hid_10H_SetLED8StageColor(2, b); },     "10 02 04 00 00 00 00 e9", 4,   true,  false},
    {"11H",      false, [](Hid_Thread &h, uchar *b) { h.hid_11H_SetDPISet(6, b); },             "11 06 08 00 00 00 00 e0", 8,   true,  false},
    {"12H",      false, [](Hid_Thread &h, uchar *b) { h.hid_12H_SetKeyMatrix(b); },            "12 01 40 08 00 00 00 a4", 64,  true,  false},
    {"13H",      false, [](Hid_Thread &h, uchar *b) { h.hid_13H_SetMacroKey(12, b); },         "13 0c 80 00 00 00 00 60", 128, true,  false},
    {"kb 01H",   true,  [](Hid_Thread &h, uchar *) { h.hid_01H_SetReportRate(0x02); },           "01 02 00 00 00 00 00 fc", 0,   true,  false},
    {"kb 02H",   true,  [](Hid_Thread &h, uchar *) { h.hid_02H_SetCurrentProfile(3); },         "02 03 00 00 00 00 00 fa", 0,   false, true},
    {"kb 03H",   true,  [](Hid_Thread &h, uchar *) { h.hid_03H_SetKeyboardoption(0x11, 0x22, 0x33, 0x44); }, "03 11 22 33 44 00 00 52", 0, false, true},
    {"kb 04H",   true,  [](Hid_Thread &h, uchar *) { h.hid_04H_SetButtonSensitivity(5, 6, 7, 8); }, "04 05 06 07 08 00 00 e1", 0, true,  false},
    {"kb 07H",   true,  [](Hid_Thread &h, uchar *) { h.hid_07H_SetControlIndicatorLight(2, 9); }, "07 02 09 00 00 00 00 ed", 0, false, true},
    {"kb 08H",   true,  [](Hid_Thread &h, uchar *) { h.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); }, "08 01 02 03 04 05 06 e2", 0,   true,  false},
    {"kb 09H",   true,  [](Hid_Thread &h, uchar *) { h.hid_09H_SetKeyboardMode(2); },           "09 02 00 00 00 00 00 f4", 0,   true,  false},
    {"kb 0DH",   true,  [](Hid_Thread &h, uchar *b) { h.hid_0DH_SetKeyMatrix(b); },             "0d 00 00 08 00 00 00 ea", 512, true,  false},
    {"kb 0EH",   true,  [](Hid_Thread &h, uchar *b) { h.hid_0EH_SetKeyOnOff(b); },              "0e 00 00 15 00 00 00 dc", 21,  true,  false},
    {"kb 11H",   true,  [](Hid_Thread &h, uchar *b) { h.hid_11H_SetMacroKey(7, b); },           "11 00 07 03 00 00 00 e4", 192, true,  false},
    {"kb 12H",   true,  [](Hid_Thread &h, uchar *b) { h.hid_12H_SetUserPicture(3, 1, b); },     "12 00 03 08 01 00 00 e1", 512, true,  false},
    {"kb 13H",   true,  [](Hid_Thread &h, uchar *) { h.hid_13H_SetRecoveryData(); },            "13 ff 00 00 00 00 00 ed", 0,   false, true},
    {"kb 14H",   true,  [](Hid_Thread &h, uchar *) { h.hid_14H_SetColor(5, 0x10, 0x20, 0x30); }, "14 00 05 10 20 30 00 86", 0, false, true},
};
// clang-format on

class SetCommands : public ::testing::TestWithParam<bool> {};

TEST_P(SetCommands, SendTheirFrameAndDataPhase) {
    const bool cipher = GetParam();
    for (const SetCase &row : kSetCases) {
        SCOPED_TRACE(row.name);
        DeviceRig rig(optionsWith(cipher, row.keyboard), row.keyboard);
        const int reportLength = row.keyboard ? 64 : 32;
        std::vector<uchar> block = pattern(512, 0x21);
        const std::vector<uchar> before = block;

        QElapsedTimer clock;
        clock.start();
        row.call(rig.hid, block.data());
        const qint64 returned = clock.elapsed();
        rig.settle();
        const qint64 transfer = clock.elapsed();

        EXPECT_EQ(block, before) << "the caller's block is only read";
        EXPECT_EQ(rig.sentFrames(), QStringList{row.frame});
        const auto features = rig.wire(WireRecord::Feature);
        ASSERT_EQ(features.size(), 1u);
        if (cipher) {
            EXPECT_NE(WireLog::hex(features[0].bytes.mid(1)), row.frame) << "sent enciphered";
        } else {
            EXPECT_TRUE(features[0].plain.isEmpty());
        }
        EXPECT_EQ(features[0].bytes.at(0), 0) << "report ID";

        // The data phase: ceil(n / L) reports of L + 1 bytes, ID 0, the block, then zeros.
        const auto outputs = rig.wire(WireRecord::Output);
        const size_t reports = size_t((row.dataLength + reportLength - 1) / reportLength);
        ASSERT_EQ(outputs.size(), reports);
        QByteArray payload;
        for (const WireRecord &r : outputs) {
            EXPECT_EQ(r.bytes.size(), reportLength + 1);
            EXPECT_EQ(r.bytes.at(0), 0);
            payload += r.bytes.mid(1);
        }
        QByteArray expected = bytesOf(before.data(), row.dataLength);
        expected.append(QByteArray(int(reports) * reportLength - row.dataLength, '\0'));
        EXPECT_EQ(payload, expected);

        // Without a device watch nobody reads the acknowledgement: each pause is 128 ms.
        if (row.ackWait) {
            EXPECT_GE(transfer, 128 * (row.dataLength ? 2 : 1));
        } else {
            EXPECT_LT(transfer, 120);
        }
        if (row.sleepAfterStart) {
            EXPECT_GE(returned, 8);
        }
        EXPECT_EQ(rig.bus.wireLog().records().size(), features.size() + outputs.size())
            << "nothing but the frame and its data";
    }
}

INSTANTIATE_TEST_SUITE_P(Cipher, SetCommands, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "On" : "Off"; });

TEST(SetCommands, ReachTheFirmwareState) {
    DeviceRig mouse;
    std::vector<uchar> codes = {0x01, 0x02, 0x43, 0x84, 0x05, 0x06, 0x07, 0x88};
    std::vector<uchar> macro = pattern(128, 3);
    mouse.hid.hid_11H_SetDPISet(5, codes.data());
    mouse.hid.hid_13H_SetMacroKey(2, macro.data());
    mouse.hid.hid_03H_SetFunctionOption(3, 4, 0x40, 1);
    mouse.settle();
    const MouseState m = mouse.bus.mouseState();
    EXPECT_EQ(m.dpiStageCount, 5);
    EXPECT_EQ(std::vector<uchar>(m.dpiCodes.begin(), m.dpiCodes.end()), codes);
    EXPECT_EQ(std::vector<uchar>(m.macros[1].begin(), m.macros[1].end()), macro);
    EXPECT_EQ(m.option1, 0x40);

    DeviceRig keyboard(optionsWith(true, true), true);
    std::vector<uchar> picture = pattern(512, 9);
    keyboard.hid.hid_12H_SetUserPicture(4, 2, picture.data());
    keyboard.hid.hid_14H_SetColor(5, 1, 2, 3);
    keyboard.settle();
    const KeyboardState k = keyboard.bus.keyboardState();
    EXPECT_EQ(std::vector<uchar>(k.pictures.at(4).begin(), k.pictures.at(4).end()), picture);
    EXPECT_EQ(k.pictureOption, 2);
    EXPECT_EQ(k.colors.at(5), (std::array<uchar, 3>{1, 2, 3}));
}

// ---- reads

struct ReadCase {
    const char *name;
    bool keyboard;
    std::function<void(Hid_Thread &)> prepare; // puts a known state into the device
    std::function<QString(Hid_Thread &)> read; // the read, its results as text
    const char *frame;
    const char *result;
};

QString hexOf(std::initializer_list<uchar> bytes) {
    QByteArray b;
    for (uchar c : bytes)
        b.append(char(c));
    return WireLog::hex(b);
}

QString hexOf(const std::vector<uchar> &v, int n) {
    return WireLog::hex(bytesOf(v.data(), n));
}

const auto nothing = [](Hid_Thread &) {};

// clang-format off
const ReadCase kReadCases[] = {
    {"00H", false, nothing,
     [](Hid_Thread &h) { uchar a = 0xDE, b = 0xAD, c = 0xBE, d = 0xEF; h.hid_00H_GetSecrecyCode(a, b, c, d); return hexOf({a, b, c, d}); },
     "00 de ad be ef 00 00 c7", "de ad be ef"},
    {"81H", false, [](Hid_Thread &h) { h.hid_01H_SetReportRate(4); },
     [](Hid_Thread &h) { uchar r = 0; h.hid_81H_GetReportRate(r); return hexOf({r}); },
     "81 00 00 00 00 00 00 7e", "04"},
    {"83H", false, [](Hid_Thread &h) { h.hid_03H_SetFunctionOption(2, 3, 0x40, 0x11); },
     [](Hid_Thread &h) { uchar t = 9, o1 = 9, o2 = 9; h.hid_83H_GetFunctionOption(t, o1, o2); return hexOf({t, o1, o2}); },
     "83 00 00 00 00 00 00 7c", "02 40 11"}, // sensor type 2 from the emulator options
    {"87H", false, [](Hid_Thread &h) { h.hid_07H_SetLEDInstructFunction(1, 7, 8, 9); },
     [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0; bool ok = h.hid_87H_GetLEDInstructFunction(1, a, b, c); return hexOf({uchar(ok), a, b, c}); },
     "87 01 00 00 00 00 00 77", "01 07 08 09"},
    {"8BH", false, [](Hid_Thread &h) { h.hid_0BH_SetCurrentDPIStage(6); },
     [](Hid_Thread &h) { uchar s = 0; h.hid_8BH_GetCurrentDPIStage(s); return hexOf({s}); },
     "8b 00 00 00 00 00 00 74", "06"},
    {"8DH", false, [](Hid_Thread &h) { h.hid_0DH_SetRGBLedEffect(4, 5, 6); },
     [](Hid_Thread &h) { uchar e = 0, a = 0, b = 0; h.hid_8DH_GetRGBLedEffect(e, a, b); return hexOf({e, a, b}); },
     "8d 00 00 00 00 00 00 72", "04 05 06"},
    {"90H t2", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(24, 1); h.hid_10H_SetLED8StageColor(2, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(24, 0xEE); h.hid_90H_GetLED8StageColor(2, c.data()); return hexOf(c, 24); },
     "90 02 00 00 00 00 00 6d", "01 08 0f 16 ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee ee"},
    {"90H t0", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(24, 1); h.hid_10H_SetLED8StageColor(0, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(24, 0xEE); h.hid_90H_GetLED8StageColor(0, c.data()); return hexOf(c, 24); },
     "90 00 00 00 00 00 00 6f", "01 08 0f 16 1d 24 2b 32 39 40 47 4e 55 5c 63 6a 71 78 7f 86 8d 94 9b a2"},
    {"91H", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(8, 2); h.hid_11H_SetDPISet(3, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(8, 0); uchar n = 0; bool ok = h.hid_91H_GetDPISet(n, c.data()); return hexOf({uchar(ok), n}) + " | " + hexOf(c, 8); },
     "91 00 00 00 00 00 00 6e", "01 03 | 02 09 10 17 1e 25 2c 33"},
    {"92H", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(64, 5); h.hid_12H_SetKeyMatrix(c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(64, 0); h.hid_92H_GetKeyMatrix(c.data()); return QString(c == pattern(64, 5) ? "same" : "differs"); },
     "92 01 00 00 00 00 00 6c", "same"},
    {"93H", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(128, 6); h.hid_13H_SetMacroKey(12, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(128, 0); h.hid_93H_GetMacroKey(12, c.data()); return QString(c == pattern(128, 6) ? "same" : "differs"); },
     "93 0c 00 00 00 00 00 60", "same"},
    {"kb 80H", true, nothing,
     [](Hid_Thread &h) { QString v = "old"; h.hid_80H_GetFWVersion(v); return v; },
     "80 00 00 00 00 00 00 7f", "1.05"},
    {"kb 82H", true, [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(4); },
     [](Hid_Thread &h) { uchar p = 0; h.hid_82H_GetCurrentProfile(p); return hexOf({p}); },
     "82 00 00 00 00 00 00 7d", "04"},
    {"kb 83H", true, [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 2, 3, 4); },
     [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0, d = 0; h.hid_83H_GetKeyboardoption(a, b, c, d); return hexOf({a, b, c, d}); },
     "83 00 00 00 00 00 00 7c", "01 02 03 04"},
    {"kb 84H", true, [](Hid_Thread &h) { h.hid_04H_SetButtonSensitivity(5, 6, 7, 8); },
     [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0, d = 0; h.hid_84H_GetButtonSensitivity(a, b, c, d); return hexOf({a, b, c, d}); },
     "84 00 00 00 00 00 00 7b", "05 06 07 08"},
    {"kb 88H", true, [](Hid_Thread &h) { h.hid_08H_SetLEDType(9, 1, 2, 3, 4, 5); },
     [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0, d = 0, e = 0; h.hid_88H_GetLEDType(a, b, c, d, e); return hexOf({a, b, c, d, e}); },
     "88 00 00 00 00 00 00 77", "01 02 03 04 05"},
    {"kb 89H", true, [](Hid_Thread &h) { h.hid_09H_SetKeyboardMode(3); },
     [](Hid_Thread &h) { uchar m = 0; h.hid_89H_GetKeyboardMode(m); return hexOf({m}); },
     "89 00 00 00 00 00 00 76", "03"},
    {"kb 8DH", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(512, 7); h.hid_0DH_SetKeyMatrix(c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(512, 0); h.hid_8DH_GetKeyMatrix(c.data()); return QString(c == pattern(512, 7) ? "same" : "differs"); },
     "8d 00 00 00 00 00 00 72", "same"},
    {"kb 8EH", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(21, 8); h.hid_0EH_SetKeyOnOff(c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(21, 0); h.hid_8EH_GetKeyOnOff(c.data()); return QString(c == pattern(21, 8) ? "same" : "differs"); },
     "8e 00 00 00 00 00 00 71", "same"},
    {"kb 91H", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(192, 9); h.hid_11H_SetMacroKey(7, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(192, 0); h.hid_91H_GetMacroKey(7, c.data()); return QString(c == pattern(192, 9) ? "same" : "differs"); },
     "91 00 07 00 00 00 00 67", "same"},
    {"kb 92H", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(512, 10); h.hid_12H_SetUserPicture(3, 0, c.data()); },
     [](Hid_Thread &h) { std::vector<uchar> c(512, 0); h.hid_92H_GetUserPicture(3, c.data()); return QString(c == pattern(512, 10) ? "same" : "differs"); },
     "92 00 03 00 00 00 00 6a", "same"},
    {"kb 94H", true, [](Hid_Thread &h) { h.hid_14H_SetColor(5, 0x10, 0x20, 0x30); },
     [](Hid_Thread &h) { uchar r = 0, g = 0, b = 0; h.hid_94H_GetColor(5, r, g, b); return hexOf({r, g, b}); },
     "94 00 05 00 00 00 00 66", "10 20 30"},
};
// clang-format on

class ReadCommands : public ::testing::TestWithParam<bool> {};

TEST_P(ReadCommands, ReadBackWhatTheDeviceHolds) {
    const bool cipher = GetParam();
    for (const ReadCase &row : kReadCases) {
        SCOPED_TRACE(row.name);
        EmulatorOptions options = optionsWith(cipher, row.keyboard);
        options.sensorType = 2;
        DeviceRig rig(options, row.keyboard);
        row.prepare(rig.hid);
        rig.settle();
        rig.bus.wireLog().clear();

        EXPECT_EQ(row.read(rig.hid), row.result);
        EXPECT_EQ(rig.sentFrames(), QStringList{row.frame});
        EXPECT_TRUE(rig.hid.isIdle());
        EXPECT_TRUE(rig.wire(WireRecord::Output).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cipher, ReadCommands, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "On" : "Off"; });

TEST(ReadCommands, DataPhaseReadsComeInReportsOfTheReportLength) {
    DeviceRig keyboard(optionsWith(true, true), true);
    std::vector<uchar> block(512, 0);
    keyboard.hid.hid_8DH_GetKeyMatrix(block.data());
    const auto inputs = keyboard.wire(WireRecord::Input);
    ASSERT_EQ(inputs.size(), 8u);
    for (const WireRecord &r : inputs)
        EXPECT_EQ(r.bytes.size(), 64);

    DeviceRig mouse;
    block.assign(128, 0);
    mouse.hid.hid_93H_GetMacroKey(1, block.data());
    EXPECT_EQ(mouse.wire(WireRecord::Input).size(), 4u);
}

TEST(ReadCommands, OnlyAFrameOnlyReplyIsDeciphered) {
    DeviceRig rig;
    std::vector<uchar> block(8, 0);
    uchar stages = 0;
    ASSERT_TRUE(rig.hid.hid_91H_GetDPISet(stages, block.data()));
    const auto replies = rig.wire(WireRecord::Feature);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(bytesOf(rig.hid.replyReport, 9), replies[1].bytes) << "taken as received";
    EXPECT_EQ(stages, 8);

    uchar rate = 0;
    rig.hid.hid_81H_GetReportRate(rate);
    EXPECT_EQ(rate, 1) << "a frame-only reply is deciphered";
}

// ---- failures: presets

struct PresetCase {
    const char *name;
    bool keyboard;
    std::function<QString(Hid_Thread &)> read;
    const char *result;
};

// clang-format off
const PresetCase kPresetCases[] = {
    {"00H zero", false, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3, d = 4; h.hid_00H_GetSecrecyCode(a, b, c, d); return hexOf({a, b, c, d}); }, "00 00 00 00"},
    {"81H echo", false, [](Hid_Thread &h) { uchar r = 3; h.hid_81H_GetReportRate(r); return hexOf({r}); }, "03"},
    {"83H zero", false, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3; h.hid_83H_GetFunctionOption(a, b, c); return hexOf({a, b, c}); }, "00 00 00"},
    {"87H false", false, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3; bool ok = h.hid_87H_GetLEDInstructFunction(0, a, b, c); return hexOf({uchar(ok), a, b, c}); }, "00 01 02 03"},
    {"8BH zero", false, [](Hid_Thread &h) { uchar s = 5; h.hid_8BH_GetCurrentDPIStage(s); return hexOf({s}); }, "00"},
    {"8DH zero", false, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3; h.hid_8DH_GetRGBLedEffect(a, b, c); return hexOf({a, b, c}); }, "00 00 00"},
    {"90H block", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(24, 1); h.hid_90H_GetLED8StageColor(2, c.data()); return QString(c == pattern(24, 1) ? "kept" : "changed"); }, "kept"},
    {"91H false", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(8, 1); uchar n = 7; bool ok = h.hid_91H_GetDPISet(n, c.data()); return hexOf({uchar(ok), n}) + (c == pattern(8, 1) ? " kept" : " changed"); }, "00 07 kept"},
    {"92H block", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(64, 1); h.hid_92H_GetKeyMatrix(c.data()); return QString(c == pattern(64, 1) ? "kept" : "changed"); }, "kept"},
    {"93H block", false, [](Hid_Thread &h) { std::vector<uchar> c = pattern(128, 1); h.hid_93H_GetMacroKey(1, c.data()); return QString(c == pattern(128, 1) ? "kept" : "changed"); }, "kept"},
    {"kb 80H", true, [](Hid_Thread &h) { QString v = "1.00"; h.hid_80H_GetFWVersion(v); return v; }, "unknown"},
    {"kb 82H echo", true, [](Hid_Thread &h) { uchar p = 2; h.hid_82H_GetCurrentProfile(p); return hexOf({p}); }, "02"},
    {"kb 83H echo", true, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3, d = 4; h.hid_83H_GetKeyboardoption(a, b, c, d); return hexOf({a, b, c, d}); }, "01 02 03 04"},
    {"kb 84H echo", true, [](Hid_Thread &h) { uchar a = 5, b = 6, c = 7, d = 8; h.hid_84H_GetButtonSensitivity(a, b, c, d); return hexOf({a, b, c, d}); }, "05 06 07 08"},
    {"kb 88H echo", true, [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3, d = 4, e = 5; h.hid_88H_GetLEDType(a, b, c, d, e); return hexOf({a, b, c, d, e}); }, "01 02 03 04 05"},
    {"kb 89H echo", true, [](Hid_Thread &h) { uchar m = 9; h.hid_89H_GetKeyboardMode(m); return hexOf({m}); }, "09"},
    {"kb 8DH block", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(512, 1); h.hid_8DH_GetKeyMatrix(c.data()); return QString(c == pattern(512, 1) ? "kept" : "changed"); }, "kept"},
    {"kb 8EH block", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(21, 1); h.hid_8EH_GetKeyOnOff(c.data()); return QString(c == pattern(21, 1) ? "kept" : "changed"); }, "kept"},
    {"kb 91H block", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(192, 1); h.hid_91H_GetMacroKey(1, c.data()); return QString(c == pattern(192, 1) ? "kept" : "changed"); }, "kept"},
    {"kb 92H block", true, [](Hid_Thread &h) { std::vector<uchar> c = pattern(512, 1); h.hid_92H_GetUserPicture(1, c.data()); return QString(c == pattern(512, 1) ? "kept" : "changed"); }, "kept"},
    {"kb 94H echo", true, [](Hid_Thread &h) { uchar r = 7, g = 8, b = 9; h.hid_94H_GetColor(1, r, g, b); return hexOf({r, g, b}); }, "07 08 09"},
};
// clang-format on

enum class Failure { NoDevice, Demo, LanguageCheck, NoAnswer };

class ReadPresets : public ::testing::TestWithParam<Failure> {};

TEST_P(ReadPresets, AFailedReadYieldsItsPreset) {
    for (const PresetCase &row : kPresetCases) {
        SCOPED_TRACE(row.name);
        DeviceRig rig(optionsWith(true, row.keyboard), row.keyboard);
        switch (GetParam()) {
        case Failure::NoDevice:
            rig.bus.unplug(row.keyboard ? EmulatedBus::Keyboard : EmulatedBus::Mouse);
            rig.hid.updateDeviceList(tableRecords(row.keyboard));
            break;
        case Failure::Demo:
            DeviceFlags::demo = true;
            break;
        case Failure::LanguageCheck:
            DeviceFlags::languageCheck = false;
            break;
        case Failure::NoAnswer:
            rig.bus.setFault(EmulatorFault::NoAnswer);
            break;
        }
        DebugLog log;
        EXPECT_EQ(row.read(rig.hid), row.result);
        EXPECT_TRUE(rig.hid.isIdle()) << "the idle flag comes back on failure";
        EXPECT_TRUE(log.lines().isEmpty()) << "transport failures are silent";
        if (GetParam() != Failure::NoAnswer) {
            EXPECT_TRUE(rig.bus.wireLog().records().isEmpty()) << "refused before any report";
        }
    }
}

std::string failureName(const ::testing::TestParamInfo<Failure> &info) {
    static const char *names[] = {"NoDevice", "Demo", "LanguageCheck", "NoAnswer"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Failure, ReadPresets,
                         ::testing::Values(Failure::NoDevice, Failure::Demo, Failure::LanguageCheck,
                                           Failure::NoAnswer),
                         failureName);

TEST(FirmwareVersion, TextFromTheTwoReplyBytes) {
    const struct {
        uchar major, minor;
        const char *text;
    } rows[] = {{0x01, 0x05, "1.05"},
                {0x02, 0x1A, "2.1A"},
                {0x1A, 0x0B, "1a.0B"},
                {0, 0, "0.00"},
                {0xFF, 0xFF, "ff.FF"}};
    DeviceRig rig(optionsWith(true, true), true);
    for (const auto &row : rows) {
        rig.bus.withKeyboard(
            [&](VirtualKeyboard &k) { k.setFirmwareVersion(row.major, row.minor); });
        QString version;
        rig.hid.hid_80H_GetFWVersion(version);
        EXPECT_EQ(version, row.text);
    }
}

TEST(BadReplies, GarbageIsTakenAsItComes) {
    DeviceRig rig(optionsWith(false));
    rig.bus.setFault(EmulatorFault::Garbage);
    uchar stage = 0;
    rig.hid.hid_8BH_GetCurrentDPIStage(stage);
    const auto features = rig.wire(WireRecord::Feature);
    ASSERT_EQ(features.size(), 2u);
    EXPECT_EQ(stage, uchar(features[1].bytes.at(2))) << "reply byte 1, echo and checksum unchecked";
    std::vector<uchar> block(64, 0);
    rig.hid.hid_92H_GetKeyMatrix(block.data());
    const auto inputs = rig.wire(WireRecord::Input);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(bytesOf(block.data(), 64), inputs[0].bytes + inputs[1].bytes);
}

// Each command keeps how its transfer ended for the caller, set commands once their write
// task is over; the window never looks, r8ctl does.
TEST(TransferResults, EachCommandKeepsHowItsTransferEnded) {
    DeviceRig rig(optionsWith(true));
    const quint64 first = rig.hid.nextTransferSerial();
    uchar codes[8] = {0x02, 0x04, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    rig.hid.hid_11H_SetDPISet(8, codes);
    uchar rate = 0;
    rig.hid.hid_81H_GetReportRate(rate);
    rig.bus.unplug(EmulatedBus::Mouse);
    rig.hid.hid_01H_SetReportRate(2);
    rig.hid.hid_81H_GetReportRate(rate);
    rig.settle();

    using Outcome = Hid_Thread::TransferOutcome;
    const QList<Hid_Thread::TransferResult> results = rig.hid.transferResultsSince(first);
    ASSERT_EQ(results.size(), 4);
    const struct {
        uchar code;
        Outcome outcome;
    } expected[] = {{0x11, Outcome::Done},
                    {0x81, Outcome::Done},
                    {0x01, Outcome::Failed},
                    {0x81, Outcome::Failed}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(results[i].serial, first + quint64(i));
        EXPECT_EQ(results[i].code, expected[i].code) << i;
        EXPECT_EQ(results[i].outcome, expected[i].outcome) << i;
    }
    EXPECT_TRUE(rig.hid.transferResultsSince(rig.hid.nextTransferSerial()).isEmpty());
}

} // namespace
