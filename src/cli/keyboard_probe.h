#pragma once

#include <QJsonObject>

class HidBackend;
class QSettings;

// The companion keyboard, seen beside the mouse. The device list only ever looks for the
// mouse's record on the bus, so the keyboard is reached through a second device object whose
// table puts the keyboard's record where the mouse's would be, with the keyboard's own
// secrecy code (common/sCode0). The process-wide connected flag is left as it was found.
//
// The transport cipher's code is process-wide and the probe loads the keyboard's into it:
// run it after the mouse's commands.
//
// Returns {} when no keyboard is on the bus, else its interfaces, the handshake result and,
// when it passed, the firmware version.
QJsonObject probeKeyboard(HidBackend *bus, QSettings *apConfig);
