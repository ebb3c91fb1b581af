#include "udev_monitor.h"

#include <QSocketNotifier>

#include <libudev.h>

struct UdevMonitor::Private {
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;

    ~Private() {
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

UdevMonitor::UdevMonitor(QObject *parent) : DeviceChangeSource(parent), d(new Private) {
    d->context = udev_new();
    if (!d->context)
        return;
    d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    if (!d->monitor)
        return;
    if (udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(d->monitor) < 0) {
        udev_monitor_unref(d->monitor);
        d->monitor = nullptr;
        return;
    }
    d->notifier = new QSocketNotifier(udev_monitor_get_fd(d->monitor), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        // Drain the event; only the fact that something changed matters.
        if (udev_device *device = udev_monitor_receive_device(d->monitor)) {
            udev_device_unref(device);
            emit devicesChanged();
        }
    });
}

UdevMonitor::~UdevMonitor() = default;

bool UdevMonitor::isActive() const {
    return d->notifier != nullptr;
}
