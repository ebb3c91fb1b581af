#include "startup.h"

#include "access_probe.h"
#include "device_flags.h"
#include "device_table.h"
#include "myqquickview.h"
#include "notice_channel.h"
#include "user_event.h"
#include "widget.h"

#include <QCoreApplication>
#include <QSettings>

bool startConnectedWindow(Widget &window) {
    if (!DeviceFlags::connected.load(std::memory_order_acquire))
        return false;
    window.showNormal();
    window.view()->initUI();
    QCoreApplication::postEvent(&window, new UserEvent(UserEvent::kStartRequest));
    if (DeviceFlags::demo.load(std::memory_order_acquire)) {
        NoticeMessage notice;
        notice.tag = kNoticeTag;
        notice.data = QByteArray(kDemoNoticeText) + '\0';
        notice.byteCount = quint32(qstrlen(kDemoNoticeText));
        // Without a listening server (no private runtime folder to put it in), the notice
        // still reaches this window.
        if (!sendNotice(window.windowTitle(), notice))
            QMetaObject::invokeMethod(
                &window, [notice] { noticeFilter(notice, nullptr); }, Qt::QueuedConnection);
    }
    return true;
}

QString deviceAccessHint(HidBackend &bus, int deviceIndex) {
    QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    const QList<DeviceInfo> records = readDeviceTable(table, {});
    if (deviceIndex < 0 || deviceIndex >= records.size())
        return {};
    const DeviceInfo &device = records[deviceIndex];
    const QStringList refused = unopenableInterfaces(bus, device.vid, device.pid);
    if (refused.isEmpty())
        return {};
    return QStringLiteral("the device %1:%2 is plugged in, but %3 cannot be opened: this user "
                          "has no access to it. The section \"Using a real mouse\" of "
                          "README.md explains the udev rule that gives access.")
        .arg(device.vid, 4, 16, QLatin1Char('0'))
        .arg(device.pid, 4, 16, QLatin1Char('0'))
        .arg(refused.join(QStringLiteral(", ")));
}
