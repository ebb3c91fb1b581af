#pragma once

#include <array>

using uchar = unsigned char;

// The 8-byte command frame: code, six parameters, checksum. Sent after report ID 0 in a
// 9-byte feature report.
using CommandFrame = std::array<uchar, 8>;
static_assert(sizeof(CommandFrame) == 8, "a frame is exactly its 8 bytes");

// Checksum of the 7 bytes at `cmd`: bitwise NOT of their 8-bit sum.
// 01 02 00 00 00 00 00 -> FC.
uchar hidCS(const uchar *cmd);

// A frame from its code and six parameter bytes, checksum filled in.
CommandFrame buildFrame(uchar code, const std::array<uchar, 6> &params);
