#include "byte_lists.h"

QVariantList toIntList(const unsigned char *block, int size) {
    QVariantList list;
    list.reserve(size);
    for (int i = 0; i < size; ++i)
        list.append(int(block[i]));
    return list;
}

QVariantList toUIntList(const QVariantList &list) {
    QVariantList out;
    out.reserve(list.size());
    for (const QVariant &entry : list)
        out.append(entry.toUInt());
    return out;
}

std::array<unsigned char, 24> stageColorBuffer(unsigned char type, const QVariantList &colours) {
    std::array<unsigned char, 24> buffer = toBlock<24>(colours);
    if (type == 2) {
        for (int k = 0; k < 4; ++k)
            buffer[k] =
                static_cast<unsigned char>((buffer[2 * k] & 0x0F) | (buffer[2 * k + 1] << 4));
    }
    return buffer;
}
