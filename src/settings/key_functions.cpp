#include "key_functions.h"

namespace KeyFunctions {

const QList<Named> &mouseFunctions() {
    static const QList<Named> rows = {
        {"LEFT", {0x01, 0x00, 0xF0, 0x00}},        {"RIGHT", {0x01, 0x00, 0xF1, 0x00}},
        {"MIDDLE", {0x01, 0x00, 0xF2, 0x00}},      {"BACKWARD", {0x01, 0x00, 0xF3, 0x00}},
        {"FORWARD", {0x01, 0x00, 0xF4, 0x00}},     {"TRIPLE CLICK", {0x0A, 0xF0, 0x21, 0x03}},
        {"DPI +", {0x07, 0x00, 0x01, 0x00}},       {"DPI -", {0x07, 0x00, 0x02, 0x00}},
        {"DPI SWITCH", {0x07, 0x00, 0x03, 0x00}},  {"SCROLL UP", {0x04, 0x00, 0x01, 0x00}},
        {"SCROLL DOWN", {0x04, 0x00, 0x02, 0x00}},
    };
    return rows;
}

const QList<Media> &mediaKeys() {
    static const QList<Media> rows = {
        {"NEXT TRACK", 0x00B5},   {"PREVIOUS TRACK", 0x00B6}, {"STOP", 0x00B7},
        {"PLAY / PAUSE", 0x00CD}, {"MUTE", 0x00E2},           {"VOLUME UP", 0x00E9},
        {"VOLUME DOWN", 0x00EA},  {"MEDIA SELECT", 0x0183},   {"MAIL", 0x018A},
        {"CALCULATOR", 0x0192},   {"MY COMPUTER", 0x0194},    {"WWW SEARCH", 0x0221},
        {"WWW HOME", 0x0223},     {"WWW BACK", 0x0224},       {"WWW FORWARD", 0x0225},
        {"WWW STOP", 0x0226},     {"WWW REFRESH", 0x0227},    {"WWW FAVORITES", 0x022A},
    };
    return rows;
}

const QList<const char *> &modifierNames() {
    static const QList<const char *> names = {"L Ctrl", "L Shift", "L Alt", "L Win",
                                              "R Ctrl", "R Shift", "R Alt", "R Win"};
    return names;
}

Record keyboardKey(unsigned char keyCode) {
    return {0x00, 0x00, keyCode, 0x00};
}

Record combo(unsigned char modifiers, unsigned char key1, unsigned char key2) {
    return {0x00, modifiers, key1, key2};
}

Record media(unsigned short usage) {
    return {0x03, 0x00, static_cast<unsigned char>(usage & 0xFF),
            static_cast<unsigned char>(usage >> 8)};
}

Record macro(unsigned char playMode, unsigned char slotId) {
    return {kMacroType, playMode, slotId, 0x00};
}

Record fire(unsigned char code, int speedPosition, unsigned char shots) {
    return {0x0A, code, static_cast<unsigned char>((7 - speedPosition) * 35 + 10), shots};
}

Record lightingControl() {
    return {0x0B, 0x00, 0x00, 0x00};
}

bool isLeftButton(const Record &record) {
    return record == Record{0x01, 0x00, 0xF0, 0x00};
}

} // namespace KeyFunctions
