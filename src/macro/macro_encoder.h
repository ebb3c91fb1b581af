#pragma once

#include <QList>
#include <QStringList>

// Macro lines and their device encoding.
//
// A line is a value followed by a 10-character tag: a key name + "    [Down]" or
// "      [Up]", or a number of milliseconds + "   [Delay]". The device form is
//   00 01 | items... | 00 00
// with a key event as 2 bytes (01 or 81 for a release, then the key code). For the mouse,
// bits 0-6 of an event's first byte are the pause after it in 10 ms units, so a short delay
// folds into the event before it; longer ones are 2-byte (n 01, n in 20 ms units) or 4-byte
// (00 01 hi lo, 20 ms units) items. The keyboard's delay is 4 bytes: 7F 00 hi lo in 10 ms.
//
// Example (mouse): "A    [Down]", "50   [Delay]", "A      [Up]" -> 00 01 05 04 81 04 00 00.
namespace MacroTag {
inline const QString down = QStringLiteral("    [Down]");
inline const QString up = QStringLiteral("      [Up]");
inline const QString delay = QStringLiteral("   [Delay]");
constexpr int length = 10;
} // namespace MacroTag

// The device types as the device layer numbers them.
namespace MacroDevice {
constexpr int keyboard = 0;
constexpr int mouse = 1;
} // namespace MacroDevice

// The encoded macro and where its items end, so that it can be cut between items.
struct MacroEncoding {
    QList<uchar> bytes;  // header, items, end mark
    QList<int> itemEnds; // offset just past the header and past each item, ascending
};

// Encodes `lines` for `deviceType`. Lines with an unknown key name, an unknown tag or a delay
// that is 0 or not a whole number are left out; a device type other than the two encodes
// no delays.
MacroEncoding encodeMacro(const QStringList &lines, int deviceType);

// The bytes of encodeMacro.
QList<uchar> macroIncode(const QStringList &lines, int deviceType);
