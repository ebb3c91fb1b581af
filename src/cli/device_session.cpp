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

// What r8ctl calls each mouse command when it did not get through.
const struct {
    uchar code;
    const char *setting;
} kSettingNames[] = {
    {0x01, "the report rate"},
    {0x03, "the function option (scroll swap)"},
    {0x07, "the LED instruction"},
    {0x0B, "the current DPI stage"},
    {0x0D, "the lighting effect"},
    {0x10, "the stage colours"},
    {0x11, "the DPI values"},
    {0x12, "the button assignments"},
    {0x13, "the macro"},
    {0x81, "the report rate"},
    {0x83, "the function option (sensor type)"},
    {0x87, "the logo LED"},
    {0x8B, "the current DPI stage"},
    {0x8D, "the lighting effect"},
    {0x90, "the stage colours"},
    {0x91, "the number of DPI stages"},
    {0x92, "the button assignments"},
    {0x93, "the macro"},
};

QString settingName(uchar code) {
    for (const auto &row : kSettingNames) {
        if (row.code == code)
            return QString::fromLatin1(row.setting);
    }
    return QStringLiteral("command %1H").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

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
    m_firstSerial = m_hid.nextTransferSerial();
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

Status DeviceSession::transferOutcome() const {
    if (!m_connected || isDemo())
        return Status::done();
    for (const Hid_Thread::TransferResult &r : m_hid.transferResultsSince(m_firstSerial)) {
        if (r.outcome == Hid_Thread::TransferOutcome::Done)
            continue;
        const QString name = settingName(r.code);
        return Status::deviceFailure(r.code & 0x80
                                         ? QStringLiteral("the mouse did not report %1").arg(name)
                                         : QStringLiteral("%1 did not reach the mouse").arg(name));
    }
    return Status::done();
}
