#include "byte_lists.h"

#include <gtest/gtest.h>

namespace {

QVariantList range(int from, int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(from + i);
    return list;
}

TEST(StageColorBuffer, TypeTwoPacksTheIdsTwoToAByte) {
    const auto buffer = stageColorBuffer(2, {0, 1, 2, 3, 4, 5, 6, 8});
    // 10 | 32 | 54 | 86 | then the unpacked ids of stages 5..8, then zeros
    const std::array<unsigned char, 24> expected = {0x10, 0x32, 0x54, 0x86, 4, 5, 6, 8};
    EXPECT_EQ(buffer, expected);
}

TEST(StageColorBuffer, TypesZeroAndOnePassTheValuesUnchanged) {
    for (unsigned char type : {0, 1}) {
        const auto buffer = stageColorBuffer(type, range(200, 24));
        for (int i = 0; i < 24; ++i)
            EXPECT_EQ(buffer[i], (200 + i) & 0xFF) << int(type) << " at " << i;
    }
}

TEST(StageColorBuffer, ListsOfAnyLengthStayInsideTheBuffer) {
    const auto longer = stageColorBuffer(1, range(1, 40));
    EXPECT_EQ(longer[23], 24);
    const auto shorter = stageColorBuffer(2, {7, 7, 7});
    const std::array<unsigned char, 24> expected = {0x77, 0x07, 0, 0};
    EXPECT_EQ(shorter, expected);
}

TEST(ToBlock, CutsEntriesToEightBitsAndPadsWithTheFill) {
    const auto block = toBlock<8>({300, QStringLiteral("69"), QStringLiteral("x"), -1}, 0x80);
    const std::array<unsigned char, 8> expected = {44, 69, 0, 0xFF, 0x80, 0x80, 0x80, 0x80};
    EXPECT_EQ(block, expected);
}

TEST(ToIntList, GivesEveryByteAsAnUnsignedInt) {
    const unsigned char bytes[] = {0, 0x80, 0xFF};
    EXPECT_EQ(toIntList(bytes, 3), (QVariantList{0, 128, 255}));
}

} // namespace
