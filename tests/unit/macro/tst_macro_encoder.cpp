#include "macro_encoder.h"
#include "macro_slot_buffer.h"
#include "macro_test_util.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char *what;
    int device;
    QStringList lines;
    const char *bytes;
};

constexpr int kMouse = MacroDevice::mouse;
constexpr int kKeyboard = MacroDevice::keyboard;

TEST(MacroEncoder, EncodesLinesByteForByte) {
    const EncodeCase cases[] = {
        // Mouse (bytes 0-1 are later replaced by the repeat count).
        {"down and up", kMouse, {down("A"), up("A")}, "00 01 01 04 81 04 00 00"},
        {"short delay folds into the event before",
         kMouse,
         {down("A"), delay(50), up("A")},
         "00 01 05 04 81 04 00 00"},
        {"fold keeps the release bit", kMouse, {up("A"), delay(30)}, "00 01 83 04 00 00"},
        {"fold of less than 10 ms counts 10", kMouse, {down("A"), delay(3)}, "00 01 01 04 00 00"},
        {"1270 ms still folds, to 127", kMouse, {down("A"), delay(1270)}, "00 01 7F 04 00 00"},
        {"1271 ms is a medium item", kMouse, {down("A"), delay(1271)}, "00 01 01 04 40 01 00 00"},
        {"2000 ms medium", kMouse, {down("A"), delay(2000)}, "00 01 01 04 64 01 00 00"},
        {"5100 ms is the last medium", kMouse, {down("A"), delay(5100)}, "00 01 01 04 FF 01 00 00"},
        {"5101 ms is long", kMouse, {down("A"), delay(5101)}, "00 01 01 04 00 01 00 FF 00 00"},
        {"10000 ms long", kMouse, {down("A"), delay(10000)}, "00 01 01 04 00 01 01 F4 00 00"},
        {"delay as the first line is long", kMouse, {delay(500)}, "00 01 00 01 00 19 00 00"},
        {"short first delay counts at least 20 ms", kMouse, {delay(5)}, "00 01 00 01 00 01 00 00"},
        {"second delay in a row is long",
         kMouse,
         {down("A"), delay(100), delay(100)},
         "00 01 0A 04 00 01 00 05 00 00"},
        {"long delay keeps the low 16 bits",
         kMouse,
         {down("A"), delay(1310700 + 20 * 65536)},
         "00 01 01 04 00 01 FF FF 00 00"},
        // Keyboard.
        {"keyboard delay",
         kKeyboard,
         {down("A"), delay(1000), up("A")},
         "00 01 01 04 7F 00 00 64 81 04 00 00"},
        {"keyboard delay under 10 ms is 0 units",
         kKeyboard,
         {down("A"), delay(9)},
         "00 01 01 04 7F 00 00 00 00 00"},
        {"keyboard delay keeps the low 16 bits",
         kKeyboard,
         {delay(655360 + 2560)},
         "00 01 7F 00 01 00 00 00"},
        // Another device type: keys only.
        {"unknown device drops delays",
         2,
         {down("A"), delay(100), up("A")},
         "00 01 01 04 81 04 00 00"},
        // Names with blanks and the odd ones.
        {"names with blanks",
         kMouse,
         {down("KP Enter"), up("KP 7 "), down("\\ |"), down("' \""), down(", <")},
         "00 01 01 58 81 5F 01 31 01 34 01 36 00 00"},
        {"arrows and mouse buttons",
         kMouse,
         {down(QString::fromUtf8("\u25BA")), up(QString::fromUtf8("\u25B2")), down("MS-L"),
          up("MS-B5")},
         "00 01 01 4F 81 52 01 F0 81 F4 00 00"},
        // Left out without notice.
        {"lines that are not macro lines",
         kMouse,
         {down("KP 7"), up("Shift"), "A   [Press]", "A", "", delay(0), "abc" + MacroTag::delay,
          "-50" + MacroTag::delay, "12.5" + MacroTag::delay, MacroTag::down},
         "00 01 00 00"},
        {"empty macro", kMouse, {}, "00 01 00 00"},
    };
    for (const EncodeCase &c : cases)
        EXPECT_EQ(hex(macroIncode(c.lines, c.device)), c.bytes) << c.what;
}

// A short delay after a line that was left out has no key event to ride on: folding there
// would overwrite the header or a delay item, so it becomes an item of its own.
TEST(MacroEncoder, ShortDelayWithoutAKeyEventBeforeItKeepsItsOwnItem) {
    const EncodeCase cases[] = {
        {"after a dropped first line",
         kMouse,
         {down("Nope"), delay(50)},
         "00 01 00 01 00 03 00 00"},
        {"after a dropped line that followed a delay",
         kMouse,
         {delay(9000), down("Nope"), delay(50)},
         "00 01 00 01 01 C2 00 01 00 03 00 00"},
        {"after a dropped line that followed a medium delay",
         kMouse,
         {down("A"), delay(2000), down("Nope"), delay(50)},
         "00 01 01 04 64 01 00 01 00 03 00 00"},
        {"a dropped line between two keys still folds",
         kMouse,
         {down("A"), down("Nope"), delay(50)},
         "00 01 05 04 00 00"},
    };
    for (const EncodeCase &c : cases)
        EXPECT_EQ(hex(macroIncode(c.lines, c.device)), c.bytes) << c.what;
}

TEST(MacroEncoder, RecordsWhereEachItemEnds) {
    const MacroEncoding e =
        encodeMacro({down("A"), delay(50), delay(3000), delay(9000), up("A")}, kMouse);
    EXPECT_EQ(hex(e.bytes), "00 01 05 04 96 01 00 01 01 C2 81 04 00 00");
    EXPECT_EQ(e.itemEnds, (QList<int>{2, 4, 6, 10, 12}));
}

QStringList keyPresses(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << down("B");
    return lines;
}

TEST(MacroSlotBuffer, AMacroThatFitsIsCopiedAndZeroFilled) {
    const MacroSlotBuffer slot = fitMacroToSlot(encodeMacro({down("A")}, kMouse), 128);
    EXPECT_FALSE(slot.cut);
    ASSERT_EQ(slot.bytes.size(), 128);
    EXPECT_EQ(hex(slot.bytes.left(6)), "00 01 01 04 00 00");
    EXPECT_EQ(slot.bytes.mid(6), QByteArray(122, '\0'));

    // 62 events: 2 + 124 + 2 = 128 bytes, exactly full.
    const MacroSlotBuffer full = fitMacroToSlot(encodeMacro(keyPresses(62), kMouse), 128);
    EXPECT_FALSE(full.cut);
    EXPECT_EQ(hex(full.bytes.mid(122)), "01 05 01 05 00 00");
}

TEST(MacroSlotBuffer, ACutMacroEndsAfterTheLastWholeItemWithItsEndMark) {
    struct Case {
        const char *what;
        int device;
        QStringList lines;
        int slotSize;
        int kept; // bytes of header and items kept
    };
    const QStringList keysThenLongDelay = keyPresses(61) << delay(9000);
    const Case cases[] = {
        {"63 events into 128", kMouse, keyPresses(63), 128, 126},
        {"a 4-byte item that would straddle the end", kMouse, keysThenLongDelay, 128, 124},
        {"95 events into 192", kKeyboard, keyPresses(95), 192, 190},
        {"keyboard delay at the end", kKeyboard, keyPresses(93) << delay(100), 192, 188},
    };
    for (const Case &c : cases) {
        const MacroSlotBuffer slot = fitMacroToSlot(encodeMacro(c.lines, c.device), c.slotSize);
        EXPECT_TRUE(slot.cut) << c.what;
        ASSERT_EQ(slot.bytes.size(), c.slotSize) << c.what;
        EXPECT_EQ(hex(slot.bytes.left(4)), "00 01 01 05") << c.what;
        EXPECT_EQ(hex(slot.bytes.mid(c.kept - 2, 2)), "01 05") << c.what;
        EXPECT_EQ(slot.bytes.mid(c.kept), QByteArray(c.slotSize - c.kept, '\0')) << c.what;
    }
}

} // namespace
