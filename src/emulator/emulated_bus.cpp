#include "emulated_bus.h"

#include <QThread>

#include <algorithm>
#include <cstring>

// One open interface of a virtual device.
class EmulatedHandle : public HidDevice {
public:
    EmulatedHandle(EmulatedBus *bus, EmulatedBus::Slot *slot, int iface)
        : m_bus(bus), m_slot(slot), m_iface(iface), m_generation(slot->generation),
          m_openedAt(bus->m_clock.elapsed()) {}

    int sendFeatureReport(const unsigned char *data, size_t length) override {
        slowDown();
        QMutexLocker lock(&m_bus->m_mutex);
        if (!usable())
            return -1;
        QByteArray plain;
        const QByteArray bytes(reinterpret_cast<const char *>(data), int(length));
        m_slot->device->setFeature(data, length, m_bus->m_clock.elapsed(), &plain);
        m_bus->record(WireRecord::Out, WireRecord::Feature, m_iface, bytes,
                      m_bus->m_options.cipher ? plain : QByteArray());
        m_bus->m_changed.wakeAll();
        return int(length);
    }

    int getFeatureReport(unsigned char *data, size_t length) override {
        slowDown();
        QMutexLocker lock(&m_bus->m_mutex);
        if (!usable())
            return -1;
        QByteArray report, plain;
        if (!m_slot->device->getFeature(&report, &plain))
            return -1;
        const int n = std::min(int(length), int(report.size()));
        std::memcpy(data, report.constData(), size_t(n));
        m_bus->record(WireRecord::In, WireRecord::Feature, m_iface, report.left(n), plain);
        return n;
    }

    int write(const unsigned char *data, size_t length) override {
        QMutexLocker lock(&m_bus->m_mutex);
        if (!usable())
            return -1;
        m_slot->device->output(data, length, m_bus->m_clock.elapsed());
        m_bus->record(WireRecord::Out, WireRecord::Output, m_iface,
                      QByteArray(reinterpret_cast<const char *>(data), int(length)));
        m_bus->m_changed.wakeAll();
        return int(length);
    }

    int readTimeout(unsigned char *data, size_t length, int timeoutMs) override {
        QMutexLocker lock(&m_bus->m_mutex);
        const qint64 deadline = timeoutMs < 0 ? -1 : m_bus->m_clock.elapsed() + timeoutMs;
        if (!usable())
            return -1;
        for (;;) {
            if (!alive())
                return -1;
            const qint64 now = m_bus->m_clock.elapsed();
            QByteArray report;
            if (m_slot->device->takeInput(m_iface, now, &report, m_openedAt)) {
                const int n = std::min(int(length), int(report.size()));
                std::memcpy(data, report.constData(), size_t(n));
                m_bus->record(WireRecord::In, WireRecord::Input, m_iface, report.left(n));
                return n;
            }
            if (deadline >= 0 && now >= deadline)
                return 0;
            qint64 wait = deadline < 0 ? 50 : deadline - now;
            const qint64 due = m_slot->device->nextInputDue(m_iface);
            if (due >= 0)
                wait = std::min(wait, std::max<qint64>(1, due - now));
            m_bus->m_changed.wait(&m_bus->m_mutex, QDeadlineTimer(wait));
        }
    }

private:
    bool alive() const { return m_slot->plugged && m_slot->generation == m_generation; }
    // At the start of each report. Only the primary interface counts towards a fault and
    // suffers the slow answers.
    bool usable() {
        if (!alive())
            return false;
        if (m_iface == 1)
            m_bus->applyFault(*m_slot);
        return alive();
    }
    void slowDown() {
        int ms = 0;
        {
            QMutexLocker lock(&m_bus->m_mutex);
            if (m_iface == 1 && m_bus->m_fault == EmulatorFault::Slow)
                ms = m_bus->m_slowMs;
        }
        if (ms > 0)
            QThread::msleep(ulong(ms));
    }

    EmulatedBus *m_bus;
    EmulatedBus::Slot *m_slot;
    int m_iface;
    int m_generation;
    qint64 m_openedAt;
};

EmulatedBus::EmulatedBus(const EmulatorOptions &options) : m_options(options) {
    m_clock.start();
    m_mouse.device = std::make_unique<VirtualMouse>(
        options.mouseCode, options.cipher, options.sensorType, options.logoLed, options.dpiStages);
    m_mouse.plugged = options.mouse;
    m_keyboard.device = std::make_unique<VirtualKeyboard>(options.keyboardCode, options.cipher);
    m_keyboard.plugged = options.keyboard;
    for (Slot *slot : {&m_mouse, &m_keyboard})
        slot->device->setAckDelayMs(options.ackDelayMs);
    setFault(options.fault, options.faultAfter, options.slowMs);
    if (!options.wireLog.isEmpty())
        m_log.openFile(options.wireLog);
}

EmulatedBus::~EmulatedBus() = default;

QList<HidInterfaceInfo> EmulatedBus::enumerate(unsigned short vid, unsigned short pid) {
    QMutexLocker lock(&m_mutex);
    QList<HidInterfaceInfo> found;
    for (const Slot *slot : {&m_mouse, &m_keyboard}) {
        const VirtualDevice::Identity &id = slot->device->identity();
        if (!slot->plugged || id.vid != vid || id.pid != pid)
            continue;
        found.append({QStringLiteral("emulated:%1:1").arg(id.name), id.usagePage, id.usage});
        found.append({QStringLiteral("emulated:%1:2").arg(id.name), id.usagePage2, id.usage2});
    }
    return found;
}

std::unique_ptr<HidDevice> EmulatedBus::open(const QString &path) {
    QMutexLocker lock(&m_mutex);
    const QStringList parts = path.split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0] != QLatin1String("emulated"))
        return nullptr;
    Slot *slot = nullptr;
    for (Slot *s : {&m_mouse, &m_keyboard})
        if (s->device->identity().name == parts[1])
            slot = s;
    const int iface = parts[2].toInt();
    if (!slot || !slot->plugged || (iface != 1 && iface != 2))
        return nullptr;
    ++m_openCount;
    return std::make_unique<EmulatedHandle>(this, slot, iface);
}

void EmulatedBus::unplug(Which which) {
    QMutexLocker lock(&m_mutex);
    Slot *slot = slotFor(which);
    slot->plugged = false;
    ++slot->generation;
    m_changed.wakeAll();
}

void EmulatedBus::plug(Which which) {
    QMutexLocker lock(&m_mutex);
    slotFor(which)->plugged = true;
}

void EmulatedBus::setFault(EmulatorFault fault, int after, int slowMs) {
    QMutexLocker lock(&m_mutex);
    m_fault = fault;
    m_faultAfter = after;
    m_slowMs = slowMs;
    m_primaryReports = 0;
    for (Slot *slot : {&m_mouse, &m_keyboard}) {
        slot->device->setNoAnswer(fault == EmulatorFault::NoAnswer);
        slot->device->setGarbage(fault == EmulatorFault::Garbage);
        slot->device->setNoData(fault == EmulatorFault::NoData);
    }
}

void EmulatedBus::applyFault(Slot &slot) {
    if (m_fault != EmulatorFault::Removal)
        return;
    if (++m_primaryReports > m_faultAfter) {
        slot.plugged = false;
        ++slot.generation;
        m_changed.wakeAll();
    }
}

MouseState EmulatedBus::mouseState() const {
    QMutexLocker lock(&m_mutex);
    return static_cast<const VirtualMouse &>(*m_mouse.device).state();
}

KeyboardState EmulatedBus::keyboardState() const {
    QMutexLocker lock(&m_mutex);
    return static_cast<const VirtualKeyboard &>(*m_keyboard.device).state();
}

void EmulatedBus::withDevice(Which which, const std::function<void(VirtualDevice &)> &change) {
    QMutexLocker lock(&m_mutex);
    change(*slotFor(which)->device);
}

void EmulatedBus::withKeyboard(const std::function<void(VirtualKeyboard &)> &change) {
    QMutexLocker lock(&m_mutex);
    change(static_cast<VirtualKeyboard &>(*m_keyboard.device));
}

int EmulatedBus::openCount() const {
    QMutexLocker lock(&m_mutex);
    return m_openCount;
}

void EmulatedBus::record(WireRecord::Direction direction, WireRecord::Kind kind, int iface,
                         const QByteArray &bytes, const QByteArray &plain) {
    WireRecord r;
    r.direction = direction;
    r.kind = kind;
    r.iface = iface;
    r.bytes = bytes;
    r.plain = plain;
    m_log.add(r);
}
