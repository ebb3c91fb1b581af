#pragma once

using uchar = unsigned char;

// The transport cipher over one 8-byte frame, in place. Bytes 1..6 of `SecrecyCode` are the
// six characters of the device's secrecy code; bytes 0 and 7 are never used.
void USBDataEncryption(uchar FIFOBuf[], const uchar SecrecyCode[]);
void USBDataDecipher(uchar FIFOBuf[], const uchar SecrecyCode[]);

// The process-wide secrecy code the handshake loads; all zero until then. The handshake
// writes it on the GUI thread while a write task may be enciphering on the pool: go through
// the two calls below, which take a lock, rather than touching the bytes.
extern uchar SecrecyCode[8];
void loadSecrecyCode(const char code[6]); // the six characters into bytes 1..6
void copySecrecyCode(uchar out[8]);
void storeSecrecyCode(const uchar in[8]); // all eight bytes, as copySecrecyCode gave them

// The fixed key shared with the firmware.
inline constexpr char kCipherKey[9] = "VaQupLix";
