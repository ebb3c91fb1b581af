#include "device_check.h"

#include "device_flags.h"
#include "device_table.h"
#include "hid_thread.h"

#include <QSettings>

void runDeviceCheck(Hid_Thread &hid, QSettings &deviceTable, QSettings *apConfig) {
    const QStringList names =
        apConfig ? apConfig->value(QStringLiteral("common/product_name")).toStringList()
                 : QStringList();
    hid.updateDeviceList(readDeviceTable(deviceTable, names));
    DeviceFlags::encryption.store(deviceTableEncrypts(deviceTable), std::memory_order_release);
    hid.swichCurDevice(uint(hid.currentDeviceIndex()));
}
