#pragma once

class Widget;

// After the first device check: when the handshake (or demo mode) accepted the device, show
// the window, queue "initUI", post the start request and, in demo mode, send the demo
// notice to ourselves. Returns whether the window was shown.
bool startConnectedWindow(Widget &window);

// The notice that announces demo mode.
inline constexpr const char *kDemoNoticeText = "===== Demo Mode =====";
