#pragma once

#include "macro_encoder.h"

#include <QByteArray>

// Device macro slots: the mouse's hold 128 bytes, the keyboard's 192.
namespace MacroSlotSize {
constexpr int mouse = 128;
constexpr int keyboard = 192;
} // namespace MacroSlotSize

struct MacroSlotBuffer {
    QByteArray bytes; // exactly the slot size, zero-filled after the macro
    bool cut = false; // the macro did not fit and lost its last items
};

// Fits an encoded macro into a slot of `slotSize` bytes. A macro that is too long is cut
// after the last whole item that still leaves room for the end mark 00 00, so the device
// always receives a complete macro.
//
// Example: 70 key events (142 bytes with header and end mark) into 128 bytes keeps the
// header and 62 events, then 00 00.
MacroSlotBuffer fitMacroToSlot(const MacroEncoding &encoding, int slotSize);
