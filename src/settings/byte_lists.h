#pragma once

#include <QVariantList>

#include <array>
#include <cstddef>

// Conversions between the lists QML passes and the fixed-size blocks the device takes.
// Entries are converted with toInt() (text that is no number counts as 0) and cut to 8 bits.

// The first N entries of `list`; positions the list does not reach get `fill`, and entries
// beyond N are ignored, so no list length can overrun a block.
template <std::size_t N>
std::array<unsigned char, N> toBlock(const QVariantList &list, unsigned char fill = 0) {
    std::array<unsigned char, N> block;
    block.fill(fill);
    const int count = qMin(int(N), int(list.size()));
    for (int i = 0; i < count; ++i)
        block[std::size_t(i)] = static_cast<unsigned char>(list[i].toInt() & 0xFF);
    return block;
}

// A block as a list of ints 0..255, in buffer order.
QVariantList toIntList(const unsigned char *block, int size);

// Every entry as unsigned (how the colour and effect getters hand stored lists back).
QVariantList toUIntList(const QVariantList &list);

// The 24-byte colour buffer of the stage-colour command. Types 0 and 1 carry R, G, B of
// eight colours. Type 2 carries eight colour ids, packed two to a byte into bytes 0..3: the
// odd-numbered stage in the low nibble, the even-numbered one in the high nibble; bytes 4..7
// keep the unpacked ids of stages 5..8 (only the first 4 bytes are sent for type 2).
std::array<unsigned char, 24> stageColorBuffer(unsigned char type, const QVariantList &colours);
