#pragma once

#include <QObject>

// Tells that the set of attached devices changed. The main window restarts its debounce
// timer on every notice; what produced it (udev, a test) does not matter.
class DeviceChangeSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void devicesChanged();
};
