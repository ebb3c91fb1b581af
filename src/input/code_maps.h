#pragma once

#include <QMap>
#include <QtGlobal>

// The two translation tables behind key capture.
//
// Scan code map: key = set-1 scan code << 8 | extended flag (bit 0), value = virtual-key
// code. 105 rows. Example: the keypad Enter key (E0 1C) is key 0x1C01 → 0x0E, an otherwise
// unused virtual-key code, so that it stays apart from the main Enter key (0x1C00 → 0x0D).
using ScanCodeMap = QMap<quint16, quint8>;
ScanCodeMap buildScanCodeMap();

// Usage map: virtual-key code → key code (USB HID usage of the keyboard page). 121 rows.
// The backslash key (0xDC) gives 0x31, or 0x32 with a non-zero layout flag.
using UsageMap = QMap<quint8, quint8>;
UsageMap buildUsageMap(quint8 layoutFlag);
