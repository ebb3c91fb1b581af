#include "cipher.h"

#include <algorithm>
#include <mutex>
#include <utility>

uchar SecrecyCode[8] = {0, 0, 0, 0, 0, 0, 0, 0};

namespace {
std::mutex secrecyCodeMutex;
} // namespace

void loadSecrecyCode(const char code[6]) {
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    for (int k = 0; k < 6; ++k)
        SecrecyCode[k + 1] = uchar(code[k]);
}

void storeSecrecyCode(const uchar in[8]) {
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    std::copy(in, in + 8, SecrecyCode);
}

void copySecrecyCode(uchar out[8]) {
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    std::copy(SecrecyCode, SecrecyCode + 8, out);
}

namespace {

uchar swapNibbles(uchar x) {
    return uchar((x << 4) | (x >> 4));
}

void swapPairs(uchar b[]) {
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void xorCode(uchar b[], const uchar code[]) {
    for (int i = 1; i <= 6; ++i)
        b[i] ^= code[i];
}

} // namespace

void USBDataEncryption(uchar b[], const uchar code[]) {
    swapPairs(b);
    xorCode(b, code);
    // Rotate the 64-bit block left by 3, b0 most significant.
    const uchar first = b[0];
    for (int i = 0; i < 8; ++i) {
        const uchar next = i == 7 ? first : b[i + 1];
        b[i] = uchar((b[i] << 3) | (next >> 5));
    }
    for (int i = 0; i < 8; ++i)
        b[i] = uchar(b[i] + swapNibbles(uchar(kCipherKey[i])));
}

void USBDataDecipher(uchar b[], const uchar code[]) {
    for (int i = 0; i < 8; ++i)
        b[i] = uchar(b[i] - swapNibbles(uchar(kCipherKey[i])));
    const uchar last = b[7];
    for (int i = 7; i >= 0; --i) {
        const uchar previous = i == 0 ? last : b[i - 1];
        b[i] = uchar((b[i] >> 3) | (previous << 5));
    }
    xorCode(b, code);
    swapPairs(b);
}
