#include "device_link.h"

#include "hid_thread.h"

int DeviceType::of(const Hid_Thread *hid) {
    return hid ? hid->currentDeviceIndex() : kMouse;
}
