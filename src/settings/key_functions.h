#pragma once

#include <QList>
#include <array>

// The functions the key assignment page offers for a mouse button, as the 4-byte key
// assignment records they write (function type, parameters 1..3).
namespace KeyFunctions {

using Record = std::array<unsigned char, 4>;

struct Named {
    const char *name; // the page's English text
    Record record;
};

// MOUSE list: LEFT .. SCROLL DOWN, in the page's order.
const QList<Named> &mouseFunctions();

struct Media {
    const char *name;
    unsigned short usage; // USB HID Consumer page
};
// MEDIA list, in the page's order; a record is 03 00 (usage low) (usage high).
const QList<Media> &mediaKeys();

// COMBO KEY modifiers: bit k of the modifier byte is modifierNames()[k].
const QList<const char *> &modifierNames();

// Mouse buttons a fire key can repeat: LEFT .. FORWARD -> F0 .. F4.
constexpr unsigned char kMouseButtonFirst = 0xF0;
constexpr int kMouseButtons = 5;

Record keyboardKey(unsigned char keyCode);
Record combo(unsigned char modifiers, unsigned char key1, unsigned char key2);
Record media(unsigned short usage);
// Play mode 0 normal, 1 always repeat, 2 repeat while pressed; slot ID 1..12.
Record macro(unsigned char playMode, unsigned char slotId);
// Speed slider position 0..7 -> (7 - position) x 35 + 10.
Record fire(unsigned char code, int speedPosition, unsigned char shots);
// The speed slider position a fire record's speed byte shows: 7 - round((speed - 10) / 35),
// speeds below 10 as 10.
int fireSlider(unsigned char speed);
Record lightingControl();

constexpr unsigned char kMacroType = 0x09;
// The left button record 01 00 F0 00.
bool isLeftButton(const Record &record);

} // namespace KeyFunctions
