#pragma once

#include "hid_backend.h"

// The real bus through hidapi (hidraw backend). hid_init runs on construction, hid_exit on
// destruction; keep one instance for the whole run.
class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    QList<HidInterfaceInfo> enumerate(unsigned short vid, unsigned short pid) override;
    std::unique_ptr<HidDevice> open(const QString &path) override;
};
