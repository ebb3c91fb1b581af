#include "hidapi_backend.h"

#include <hidapi/hidapi.h>

namespace {

class HidapiDevice : public HidDevice {
public:
    explicit HidapiDevice(hid_device *handle) : m_handle(handle) {}
    ~HidapiDevice() override { hid_close(m_handle); }

    int sendFeatureReport(const unsigned char *data, size_t length) override {
        return hid_send_feature_report(m_handle, data, length);
    }
    int getFeatureReport(unsigned char *data, size_t length) override {
        return hid_get_feature_report(m_handle, data, length);
    }
    int write(const unsigned char *data, size_t length) override {
        return hid_write(m_handle, data, length);
    }
    int readTimeout(unsigned char *data, size_t length, int timeoutMs) override {
        return hid_read_timeout(m_handle, data, length, timeoutMs);
    }

private:
    hid_device *m_handle;
};

} // namespace

HidapiBackend::HidapiBackend() {
    hid_init();
}

HidapiBackend::~HidapiBackend() {
    hid_exit();
}

QList<HidInterfaceInfo> HidapiBackend::enumerate(unsigned short vid, unsigned short pid) {
    QList<HidInterfaceInfo> found;
    hid_device_info *list = hid_enumerate(vid, pid);
    for (hid_device_info *it = list; it; it = it->next)
        found.append({QString::fromLatin1(it->path), it->usage_page, it->usage});
    hid_free_enumeration(list);
    return found;
}

std::unique_ptr<HidDevice> HidapiBackend::open(const QString &path) {
    hid_device *handle = hid_open_path(path.toLatin1().constData());
    if (!handle)
        return nullptr;
    hid_set_nonblocking(handle, 0);
    return std::make_unique<HidapiDevice>(handle);
}
