// The mouse's value tables as the C++ side reads them from the pages' mouse_tables.js.
#include "dpi_table.h"
#include "key_functions.h"
#include "lighting_table.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

// The DPI a code stands for, decoded by the code layout alone: steps in bits 0..5, bit 6
// doubles, each sensor type with its own step.
int decodeDpi(int sensorType, unsigned char code) {
    const int n = code & 0x3F;
    const int base = sensorType == 3 ? (n + 1) * 100 : n * (sensorType == 2 ? 125 : 250);
    return (code & 0x40) ? 2 * base : base;
}

TEST(DpiTable, EveryCodeDecodesToItsValue) {
    for (int type = 0; type < DpiTable::kSensorTypes; ++type) {
        ASSERT_FALSE(DpiTable::codes(type).isEmpty());
        for (const DpiTable::Entry &e : DpiTable::codes(type)) {
            EXPECT_EQ(decodeDpi(type, e.code), e.dpi) << "type " << type << " dpi " << e.dpi;
            EXPECT_EQ(e.code & 0x80, 0);
        }
    }
}

TEST(DpiTable, EveryMenuValueHasACodeAndOnlyZeroIsOff) {
    for (int type = 0; type < DpiTable::kSensorTypes; ++type) {
        for (int dpi : DpiTable::menu(type)) {
            const unsigned char code = DpiTable::codeFor(type, dpi);
            EXPECT_EQ(code == DpiTable::kStageOff, dpi == 0) << "type " << type << " dpi " << dpi;
        }
        for (int dpi : DpiTable::startingValues(type))
            EXPECT_TRUE(dpi == 0 || DpiTable::offers(type, dpi)) << type << " " << dpi;
    }
    // Type 3 offers no 0: a stage cannot be switched off from its menu.
    EXPECT_FALSE(DpiTable::offers(3, 0));
    EXPECT_EQ(DpiTable::codeFor(0, 2600), DpiTable::kStageOff);
    EXPECT_EQ(DpiTable::codeFor(4, 1000), DpiTable::kStageOff);
    EXPECT_TRUE(DpiTable::menu(4).isEmpty());
}

TEST(LightingTable, SpeedBytesPerEffectAndPosition) {
    // Rows: position 0..7; columns: effects 3 (and 4, 5), 8, 9, 10.
    const int expected[8][4] = {{10, 20, 15, 30}, {9, 19, 14, 29}, {7, 17, 12, 27}, {6, 16, 11, 26},
                                {5, 14, 9, 24},   {4, 13, 8, 23},  {2, 11, 6, 21},  {1, 10, 5, 20}};
    const int effects[4] = {3, 8, 9, 10};
    for (int s = 0; s < 8; ++s) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(LightingTable::speedByte(effects[c], s), expected[s][c]) << s << " " << c;
        EXPECT_EQ(LightingTable::speedByte(4, s), expected[s][0]);
        EXPECT_EQ(LightingTable::speedByte(5, s), expected[s][0]);
        // Effects without a speed control get 0.
        EXPECT_EQ(LightingTable::speedByte(1, s), 0);
    }
}

TEST(LightingTable, BrightnessBytesAndControls) {
    const int expected[8] = {0, 45, 80, 115, 150, 185, 220, 255};
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(LightingTable::brightnessByte(b), expected[b]);
    ASSERT_EQ(LightingTable::effects().size(), 10);
    for (int code = 1; code <= 10; ++code) {
        const LightingTable::Effect *e = LightingTable::effect(code);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->code, code);
        // An effect has a speed control exactly when the speed table has a column for it.
        EXPECT_EQ(e->speed, LightingTable::speedByte(code, 0) != 0) << e->name;
    }
    EXPECT_EQ(LightingTable::effect(0), nullptr);
    EXPECT_EQ(LightingTable::effect(11), nullptr);
}

TEST(KeyFunctions, RecordsInTheirStoredByteOrder) {
    using R = KeyFunctions::Record;
    // Media usage low byte first: MAIL 0x018A as the factory profile stores it.
    EXPECT_EQ(KeyFunctions::media(0x018A), (R{3, 0, 138, 1}));
    EXPECT_EQ(KeyFunctions::fire(0xF0, 0, 3), (R{0x0A, 0xF0, 255, 3}));
    EXPECT_EQ(KeyFunctions::fire(0xF0, 7, 3), (R{0x0A, 0xF0, 10, 3}));
    // TRIPLE CLICK is a fire record whose speed no slider position gives.
    EXPECT_EQ(KeyFunctions::mouseFunctions()[5].record, (R{0x0A, 0xF0, 0x21, 0x03}));
    EXPECT_TRUE(KeyFunctions::isLeftButton(KeyFunctions::mouseFunctions()[0].record));
    EXPECT_EQ(KeyFunctions::mediaKeys().size(), 18);
}

} // namespace
