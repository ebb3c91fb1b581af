#pragma once

#include <QMap>
#include <QString>

// The application-side key name table: the English display names of keys and mouse buttons
// ("Space", "KP Enter", "L Ctrl", "MS-L") and their 8-bit codes (USB HID keyboard usages,
// 0xF0..0xF4 for the mouse buttons). Macro lines name keys by these words.
//
// Process-wide; built on the GUI thread by the host view's constructor and only read after.

// Empties the table and fills its 132 entries.
void buildKeyNameTable();

// The whole table, name -> code.
const QMap<QString, uchar> &keyNameTable();

// The code of `name`, or 0 when it is not a key name. Builds the table first if nobody has.
uchar keyCodeForName(const QString &name);
