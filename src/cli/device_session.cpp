#include "device_session.h"

#include "device_check.h"
#include "device_flags.h"
#include "dialogs.h"
#include "emulated_bus.h"
#include "hidapi_backend.h"

#include <QSettings>

namespace {

// The handshake tells the user with a warning box; here its text becomes the error.
class RefusalText : public Dialogs {
public:
    QString text;
    void warning(const QString &, const QString &t) override { text = t; }
    bool question(const QString &, const QString &) override { return false; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
};

constexpr int kMouseIndex = 1;

} // namespace

DeviceSession::DeviceSession(EmulatorCommandLine emulation, QSettings *apConfig, QString title)
    : m_emulation(std::move(emulation)), m_apConfig(apConfig), m_title(std::move(title)),
      m_refusal(std::make_unique<RefusalText>()) {}

DeviceSession::~DeviceSession() {
    finish();
}

Dialogs *DeviceSession::ownerDialogs() const {
    return m_refusal.get();
}

bool DeviceSession::isDemo() const {
    return DeviceFlags::demo.load(std::memory_order_acquire);
}

Status DeviceSession::connect() {
    if (m_tried)
        return m_outcome;
    m_tried = true;
    if (!m_bus && m_emulation.emulate)
        m_bus = std::make_unique<EmulatedBus>(m_emulation.options);
    else if (!m_bus)
        m_bus = std::make_unique<HidapiBackend>();
    m_hid.setBackend(m_bus.get());
    m_hid.setOwnerWindow(this);
    m_hid.setAppConfig(m_apConfig);

    QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    runDeviceCheck(m_hid, table, m_apConfig);
    m_connected = DeviceFlags::connected.load(std::memory_order_acquire) && !m_refused;
    if (!m_connected) {
        const QString text = static_cast<RefusalText *>(m_refusal.get())->text;
        m_outcome = Status::deviceFailure(
            text.isEmpty() ? QStringLiteral("Can not detect %1 !").arg(entry(kMouseIndex).name)
                           : text);
    }
    return m_outcome;
}

Status DeviceSession::reconnect() {
    if (m_tried) {
        finish();
        m_tried = false;
        m_refused = false;
        m_connected = false;
        m_outcome = Status::done();
        static_cast<RefusalText *>(m_refusal.get())->text.clear();
    }
    return connect();
}

DeviceEntry DeviceSession::entry(int index) const {
    const QList<DeviceEntry> list = m_hid.deviceList();
    for (const DeviceEntry &e : list) {
        if (e.index == index)
            return e;
    }
    return {};
}

void DeviceSession::finish() {
    m_hid.waitForTransfers();
    m_hid.stopWatch();
}
