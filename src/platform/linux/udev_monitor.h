#pragma once

#include "device_change_source.h"

#include <memory>

// Watches udev for hidraw devices coming and going. Where no monitor can be made (no udev,
// a container) `isActive()` is false and no notice ever comes; the program runs without
// hot-plug then.
class UdevMonitor : public DeviceChangeSource {
    Q_OBJECT
public:
    explicit UdevMonitor(QObject *parent = nullptr);
    ~UdevMonitor() override;

    bool isActive() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
