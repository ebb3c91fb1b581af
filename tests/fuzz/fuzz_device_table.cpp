// DevInfo.ini, the device table: the records, the encryption switch, and the device list and
// check built from them against the virtual devices.
#include "device_check.h"
#include "device_flags.h"
#include "device_table.h"
#include "emulated_bus.h"
#include "emulator_options.h"
#include "fuzz_support.h"
#include "hid_thread.h"

#include <QSettings>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    const QList<QByteArray> files = fuzz::parts(fuzz::bytes(data, size), "\n%%\n", 2);
    const QString tablePath = fuzz::scratch() + QStringLiteral("/DevInfo.ini");
    const QString configPath = fuzz::scratch() + QStringLiteral("/apConfig.bin");
    fuzz::writeFile(tablePath, files[0]);
    fuzz::writeFile(configPath, files[1]);

    QSettings table(tablePath, QSettings::IniFormat);
    QSettings config(configPath, QSettings::IniFormat);
    const QList<DeviceInfo> records =
        readDeviceTable(table, {QStringLiteral("R8 Keyboard"), QStringLiteral("R8")});
    (void)deviceTableEncrypts(table);

    // The virtual mouse and keyboard on the bus: records that name them lead to a handshake.
    EmulatorOptions options;
    options.keyboard = true;
    EmulatedBus bus(options);
    Hid_Thread hid(&bus);
    DeviceFlags::demo = false;
    DeviceFlags::languageCheck = true;
    hid.updateDeviceList(records);
    if (hid.deviceList().size() != records.size())
        std::abort();
    runDeviceCheck(hid, table, &config);
    hid.stopWatch();
    hid.waitForTransfers();
    return 0;
}
