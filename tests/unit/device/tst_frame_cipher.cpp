#include "cipher.h"
#include "frame.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Frame, ChecksumIsTheNotOfTheSumOfSevenBytes) {
    const struct {
        const char *frame;
        uchar checksum;
    } rows[] = {
        {"01020000000000", 0xFC}, {"0d000008000000", 0xEA},
        {"8d000000000000", 0x72}, {"13ff0000000000", 0xED},
        {"00000000000000", 0xFF}, {"ffffffffffffff", 0x06}, // 7 * 255 = 0x6F9
    };
    for (const auto &row : rows) {
        const QByteArray bytes = QByteArray::fromHex(row.frame);
        EXPECT_EQ(hidCS(reinterpret_cast<const uchar *>(bytes.constData())), row.checksum)
            << row.frame;
    }
}

TEST(Frame, BuildPutsCodeParametersAndChecksum) {
    const CommandFrame f = buildFrame(0x11, {0x06, 0x08, 0, 0, 0, 0});
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(f.data()), 8).toHex(' '),
              "11 06 08 00 00 00 00 e0");
}

TEST(Cipher, KnownBlockWithAZeroCode) {
    // Worked through by hand: the pair swaps and the zero code leave a zero block zero, the
    // rotation too, so only the nibble-swapped key remains.
    const uchar code[8] = {};
    uchar block[8] = {};
    USBDataEncryption(block, code);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(block), 8).toHex(' '),
              "65 16 15 57 07 c4 96 87");
}

// Vectors worked out from the cipher's definition alone (pair swaps, code XOR on bytes
// 1..6, a 3-bit left rotation of the whole block, the nibble-swapped key added), with real
// secrecy codes: the virtual mouse shares this code, so a fault both sides make alike would
// pass every round trip; these do not. For the first row, after the swaps the block is
// 00 00 fc 00 02 01 00 00, after the code ("482915" = 34 38 32 39 31 35)
// 00 34 c4 32 3b 30 35 00, after the rotation 01 a6 21 91 d9 81 a8 00, and adding the key
// 65 16 15 57 07 c4 96 87 byte by byte (mod 256) gives the result.
TEST(Cipher, KnownBlocksWithSecrecyCodes) {
    const struct {
        const char *code;
        const char *plain;
        const char *enciphered;
    } rows[] = {
        {"482915", "01 02 00 00 00 00 00 fc", "66 bc 36 e8 e0 45 3e 87"},
        {"482915", "00 00 00 00 00 00 00 00", "66 b7 d6 e8 d0 4d 3e 87"},
        {"482915", "ff ff ff ff ff ff ff 06", "63 6f 0b c5 3d 3a ed 86"},
        {"000000", "01 02 00 00 00 00 00 fc", "66 9c 76 d8 98 4d 16 87"},
        {"999999", "8b 00 00 00 00 00 00 74", "66 e0 7e 20 d4 55 5e 87"},
        {"k3Zq9!", "11 06 08 00 00 00 00 e0", "68 74 af 2a c0 05 9e c7"},
        {"ABCDEF", "00 ff ee dd 11 22 33 00", "77 98 28 dc e1 f0 75 f8"},
    };
    for (const auto &row : rows) {
        uchar code[8] = {};
        std::copy(row.code, row.code + 6, code + 1);
        QByteArray block = QByteArray::fromHex(QByteArray(row.plain).replace(' ', ""));
        USBDataEncryption(reinterpret_cast<uchar *>(block.data()), code);
        EXPECT_EQ(block.toHex(' '), row.enciphered) << row.code << " " << row.plain;
        QByteArray back = QByteArray::fromHex(QByteArray(row.enciphered).replace(' ', ""));
        USBDataDecipher(reinterpret_cast<uchar *>(back.data()), code);
        EXPECT_EQ(back.toHex(' '), row.plain) << row.code << " " << row.enciphered;
    }
}

TEST(Cipher, DecipherUndoesEncipherForAnyFrame) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        uchar code[8], frame[8], copy[8];
        for (int i = 0; i < 8; ++i) {
            code[i] = uchar(random());
            frame[i] = copy[i] = uchar(random());
        }
        USBDataEncryption(frame, code);
        USBDataDecipher(frame, code);
        ASSERT_EQ(QByteArray(reinterpret_cast<const char *>(frame), 8),
                  QByteArray(reinterpret_cast<const char *>(copy), 8));
    }
}

TEST(Cipher, OnlyCodeBytesOneToSixMatter) {
    const uchar base[8] = {0, '4', '8', '2', '9', '1', '5', 0};
    const uchar plain[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    const auto encipher = [&](const uchar code[8]) {
        uchar b[8];
        std::copy(plain, plain + 8, b);
        USBDataEncryption(b, code);
        return QByteArray(reinterpret_cast<const char *>(b), 8);
    };
    const QByteArray reference = encipher(base);
    for (int k = 0; k < 8; ++k) {
        uchar code[8];
        std::copy(base, base + 8, code);
        code[k] ^= 0x5A;
        if (k == 0 || k == 7)
            EXPECT_EQ(encipher(code), reference) << "byte " << k;
        else
            EXPECT_NE(encipher(code), reference) << "byte " << k;
    }
}

} // namespace
