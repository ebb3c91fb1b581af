#include "key_names.h"

#include <QCoreApplication>

namespace {
QMap<QString, uchar> &table() {
    static QMap<QString, uchar> names;
    return names;
}

struct Row {
    const char *name;
    uchar code;
};

// Note "\\ |" is 0x31 here (the US backslash key as the input hooks report it), "Intl'2"
// stands beside "Int'l 2" and "KP 7 " keeps its trailing blank: stored macros use these
// exact words.
const Row kRows[] = {
    {"A", 0x04},       {"B", 0x05},       {"C", 0x06},       {"D", 0x07},       {"E", 0x08},
    {"F", 0x09},       {"G", 0x0A},       {"H", 0x0B},       {"I", 0x0C},       {"J", 0x0D},
    {"K", 0x0E},       {"L", 0x0F},       {"M", 0x10},       {"N", 0x11},       {"O", 0x12},
    {"P", 0x13},       {"Q", 0x14},       {"R", 0x15},       {"S", 0x16},       {"T", 0x17},
    {"U", 0x18},       {"V", 0x19},       {"W", 0x1A},       {"X", 0x1B},       {"Y", 0x1C},
    {"Z", 0x1D},       {"1", 0x1E},       {"2", 0x1F},       {"3", 0x20},       {"4", 0x21},
    {"5", 0x22},       {"6", 0x23},       {"7", 0x24},       {"8", 0x25},       {"9", 0x26},
    {"0", 0x27},       {"Enter", 0x28},   {"Esc", 0x29},     {"Back", 0x2A},    {"Tab", 0x2B},
    {"Space", 0x2C},   {"- _", 0x2D},     {"= +", 0x2E},     {"[ {", 0x2F},     {"] }", 0x30},
    {"\\ |", 0x31},    {"; :", 0x33},     {"' \"", 0x34},    {"` ~", 0x35},     {", <", 0x36},
    {". >", 0x37},     {"/ ?", 0x38},     {"Caps", 0x39},    {"F1", 0x3A},      {"F2", 0x3B},
    {"F3", 0x3C},      {"F4", 0x3D},      {"F5", 0x3E},      {"F6", 0x3F},      {"F7", 0x40},
    {"F8", 0x41},      {"F9", 0x42},      {"F10", 0x43},     {"F11", 0x44},     {"F12", 0x45},
    {"Prt", 0x46},     {"Scr", 0x47},     {"Pau", 0x48},     {"Ins", 0x49},     {"Hom", 0x4A},
    {"PgU", 0x4B},     {"Del", 0x4C},     {"End", 0x4D},     {"PgD", 0x4E},     {"Num", 0x53},
    {"KP /", 0x54},    {"KP *", 0x55},    {"KP -", 0x56},    {"KP +", 0x57},    {"KP Enter", 0x58},
    {"KP 1", 0x59},    {"KP 2", 0x5A},    {"KP 3", 0x5B},    {"KP 4", 0x5C},    {"KP 5", 0x5D},
    {"KP 6", 0x5E},    {"KP 7 ", 0x5F},   {"KP 8", 0x60},    {"KP 9", 0x61},    {"KP 0", 0x62},
    {"KP .", 0x63},    {"Eur 2", 0x64},   {"App", 0x65},     {"Power", 0x66},   {"KP =", 0x67},
    {"F13", 0x68},     {"F14", 0x69},     {"F15", 0x6A},     {"F16", 0x6B},     {"F17", 0x6C},
    {"F18", 0x6D},     {"F19", 0x6E},     {"F20", 0x6F},     {"F21", 0x70},     {"F22", 0x71},
    {"F23", 0x72},     {"F24", 0x73},     {"Keypad", 0x85},  {"Int'l 1", 0x87}, {"Intl'2", 0x88},
    {"Int'l 2", 0x89}, {"Int'l 4", 0x8A}, {"Int'l 5", 0x8B}, {"Lang 1", 0x90},  {"Lang 2", 0x91},
    {"L Ctrl", 0xE0},  {"L Shift", 0xE1}, {"L Alt", 0xE2},   {"L Win", 0xE3},   {"R Ctrl", 0xE4},
    {"R Shift", 0xE5}, {"R Alt", 0xE6},   {"R Win", 0xE7},   {"MS-L", 0xF0},    {"MS-R", 0xF1},
    {"MS-M", 0xF2},    {"MS-B4", 0xF3},   {"MS-B5", 0xF4},
};

// The arrows right, left, down, up: one UTF-8 character each.
const Row kArrows[] = {
    {"\xE2\x96\xBA", 0x4F}, // U+25BA
    {"\xE2\x97\x84", 0x50}, // U+25C4
    {"\xE2\x96\xBC", 0x51}, // U+25BC
    {"\xE2\x96\xB2", 0x52}, // U+25B2
};
} // namespace

void buildKeyNameTable() {
    QMap<QString, uchar> &names = table();
    names.clear();
    for (const Row &row : kRows)
        names.insert(QString::fromLatin1(row.name), row.code);
    for (const Row &row : kArrows)
        names.insert(QCoreApplication::translate("", row.name), row.code);
}

const QMap<QString, uchar> &keyNameTable() {
    return table();
}

uchar keyCodeForName(const QString &name) {
    if (table().isEmpty())
        buildKeyNameTable();
    return table().value(name, 0);
}
