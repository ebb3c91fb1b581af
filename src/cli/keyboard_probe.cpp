#include "keyboard_probe.h"

#include "device_flags.h"
#include "device_table.h"
#include "hid_backend.h"
#include "hid_thread.h"

#include <QJsonArray>
#include <QSettings>
#include <QTemporaryFile>

namespace {
constexpr int kKeyboardRecord = 0;
} // namespace

QJsonObject probeKeyboard(HidBackend *bus, QSettings *apConfig) {
    QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    const QStringList names =
        apConfig ? apConfig->value(QStringLiteral("common/product_name")).toStringList()
                 : QStringList();
    const QList<DeviceInfo> records = readDeviceTable(table, names);
    if (!bus || records.size() <= kKeyboardRecord)
        return {};
    const DeviceInfo keyboard = records[kKeyboardRecord];

    Hid_Thread probe(bus);
    probe.updateDeviceList({keyboard, keyboard});
    const QList<DeviceEntry> list = probe.deviceList();
    const DeviceEntry entry = list.value(1);
    if (entry.primaryPath.isEmpty())
        return {};
    QJsonObject result{{"product", keyboard.name},
                       {"interfaces", QJsonArray{entry.primaryPath, entry.secondaryPath}}};

    // The handshake reads the code of the index it runs on; give it the keyboard's.
    QTemporaryFile codes;
    if (!codes.open())
        return result;
    QSettings config(codes.fileName(), QSettings::IniFormat);
    if (apConfig && apConfig->contains(QStringLiteral("common/sCode0")))
        config.setValue(QStringLiteral("common/sCode1"),
                        apConfig->value(QStringLiteral("common/sCode0")));
    probe.setAppConfig(&config);

    // The keyboard's handshake loads the keyboard's code and sets the flags; the mouse's
    // session must find its own again.
    DeviceStateGuard mouseState;
    probe.chkDeviceIsEnCode();
    const bool accepted = DeviceFlags::connected.load(std::memory_order_acquire);
    result.insert(QStringLiteral("handshake"),
                  accepted ? QStringLiteral("passed") : QStringLiteral("failed"));
    if (accepted) {
        QString version;
        probe.hid_80H_GetFWVersion(version);
        result.insert(QStringLiteral("firmware"), version);
    }
    probe.waitForTransfers();
    return result;
}
