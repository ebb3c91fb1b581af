#include "device_flags.h"

#include "cipher.h"

namespace DeviceFlags {
std::atomic<bool> connected{false};
std::atomic<bool> demo{false};
std::atomic<bool> encryption{false};
std::atomic<bool> languageCheck{true};
} // namespace DeviceFlags

DeviceStateGuard::DeviceStateGuard(Start start, bool encryption)
    : m_connected(DeviceFlags::connected.load()), m_demo(DeviceFlags::demo.load()),
      m_encryption(DeviceFlags::encryption.load()),
      m_languageCheck(DeviceFlags::languageCheck.load()) {
    copySecrecyCode(m_code);
    if (start == Fresh) {
        DeviceFlags::connected.store(false);
        DeviceFlags::demo.store(false);
        DeviceFlags::encryption.store(encryption);
        DeviceFlags::languageCheck.store(true);
        const unsigned char none[8] = {};
        storeSecrecyCode(none);
    }
}

DeviceStateGuard::~DeviceStateGuard() {
    DeviceFlags::connected.store(m_connected);
    DeviceFlags::demo.store(m_demo);
    DeviceFlags::encryption.store(m_encryption);
    DeviceFlags::languageCheck.store(m_languageCheck);
    storeSecrecyCode(m_code);
}
