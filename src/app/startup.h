#pragma once

#include <QString>

class HidBackend;
class Widget;

// After the first device check: when the handshake (or demo mode) accepted the device, show
// the window, queue "initUI", post the start request and, in demo mode, send the demo
// notice to ourselves. Returns whether the window was shown.
bool startConnectedWindow(Widget &window);

// The notice that announces demo mode.
inline constexpr const char *kDemoNoticeText = "===== Demo Mode =====";

// When the device at `deviceIndex` of the device table is on the bus but cannot be opened
// (on Linux: no permission for its hidraw node), the line that says so and names the
// README's section on the udev rule; empty otherwise.
QString deviceAccessHint(HidBackend &bus, int deviceIndex);
