#pragma once

class Hid_Thread;
class QSettings;

// The device check up to the handshake: reads the device table, names its records from the
// application config (common/product_name), rebuilds the device list, copies the table's
// encryption switch and re-selects the current device, which runs the handshake.
void runDeviceCheck(Hid_Thread &hid, QSettings &deviceTable, QSettings *apConfig);
