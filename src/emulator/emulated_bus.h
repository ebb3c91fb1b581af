#pragma once

#include "emulator_options.h"
#include "hid_backend.h"
#include "virtual_keyboard.h"
#include "virtual_mouse.h"
#include "wire_log.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QWaitCondition>

#include <functional>
#include <memory>

// The emulated bus behind the HID backend interface: the virtual mouse and, when asked, the
// virtual keyboard, each with its two interfaces ("emulated:<name>:1" and ":2"). Every report
// that crosses it goes to the wire log. Thread-safe: one lock over the bus and its devices.
class EmulatedBus : public HidBackend {
public:
    enum Which { Mouse, Keyboard };

    explicit EmulatedBus(const EmulatorOptions &options = EmulatorOptions());
    ~EmulatedBus() override;

    QList<HidInterfaceInfo> enumerate(unsigned short vid, unsigned short pid) override;
    std::unique_ptr<HidDevice> open(const QString &path) override;

    const EmulatorOptions &options() const { return m_options; }
    WireLog &wireLog() { return m_log; }

    // The device is pulled out or put back; handles opened before a removal stay dead.
    void unplug(Which which);
    void plug(Which which);

    // Faults from now on (counters start again).
    void setFault(EmulatorFault fault, int after = 1, int slowMs = 3000);

    // Reads and changes of the devices, under the bus lock. Null when not built.
    MouseState mouseState() const;
    KeyboardState keyboardState() const;
    void withDevice(Which which, const std::function<void(VirtualDevice &)> &change);
    void withKeyboard(const std::function<void(VirtualKeyboard &)> &change);

    // How many interface opens succeeded so far.
    int openCount() const;

private:
    friend class EmulatedHandle;
    struct Slot {
        std::unique_ptr<VirtualDevice> device;
        bool plugged = false;
        int generation = 0; // bumped by each removal
    };

    Slot *slotFor(Which which) { return which == Mouse ? &m_mouse : &m_keyboard; }
    const Slot *slotFor(Which which) const { return which == Mouse ? &m_mouse : &m_keyboard; }
    void applyFault(Slot &slot); // before an operation on a primary interface
    void record(WireRecord::Direction direction, WireRecord::Kind kind, int iface,
                const QByteArray &bytes, const QByteArray &plain = QByteArray());

    EmulatorOptions m_options;
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    QElapsedTimer m_clock;
    Slot m_mouse;
    Slot m_keyboard;
    EmulatorFault m_fault = EmulatorFault::None;
    int m_faultAfter = 1;
    int m_slowMs = 3000;
    int m_primaryReports = 0;
    int m_openCount = 0;
    WireLog m_log;
};
