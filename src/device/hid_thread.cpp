#include "hid_thread.h"

#include "device_flags.h"
#include "device_owner.h"
#include "dialogs.h"

#include <QSettings>

namespace {
const QString kDemoCode = QStringLiteral("k-wodrum");
}

Hid_Thread::Hid_Thread(QObject *parent) : QObject(parent) {}

void Hid_Thread::checkDevice(QSettings *apConfig) {
    const QString code = apConfig->value(QStringLiteral("common/sCode1")).toString();
    if (code == kDemoCode) {
        DeviceFlags::demo.store(true, std::memory_order_release);
        DeviceFlags::connected.store(true, std::memory_order_release);
        DeviceFlags::encryption.store(false, std::memory_order_release);
        return;
    }
    DeviceFlags::connected.store(false, std::memory_order_release);
    if (!m_owner)
        return;
    const QStringList names = apConfig->value(QStringLiteral("common/product_name")).toStringList();
    const QString name = names.value(1);
    if (Dialogs *dialogs = m_owner->ownerDialogs())
        dialogs->warning(m_owner->ownerTitle(), QStringLiteral("Can not detect %1 !").arg(name));
    m_owner->postCloseRequest();
}
