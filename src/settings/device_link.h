#pragma once

class Hid_Thread;

// Which device the bridge talks to: the current device index of the device access object,
// 0 the keyboard, 1 the mouse (the built-in device table's order). The mouse when there is
// no device access object yet, as the device layer starts with it.
namespace DeviceType {
constexpr int kKeyboard = 0;
constexpr int kMouse = 1;
int of(const Hid_Thread *hid);
} // namespace DeviceType
