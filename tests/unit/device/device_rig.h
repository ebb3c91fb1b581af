#pragma once

// A Hid_Thread on the emulated bus, with the device list built as a device check would, and
// helpers to read what crossed the wire.
#include "cipher.h"
#include "device_flags.h"
#include "device_table.h"
#include "emulated_bus.h"
#include "hid_thread.h"
#include "qt_print.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QStringList>

#include <ostream>
#include <vector>

// The built-in table: 0 keyboard, 1 mouse. With `keyboardAtOne` the keyboard takes the place
// of the mouse, so that the keyboard is the device the commands address.
inline QList<DeviceInfo> tableRecords(bool keyboardAtOne = false) {
    const DeviceInfo keyboard =
        tableRecordFor(VirtualKeyboard::defaultIdentity(), 0, "R8 Keyboard");
    const DeviceInfo mouse = tableRecordFor(VirtualMouse::defaultIdentity(), 1, "R8");
    return keyboardAtOne ? QList<DeviceInfo>{mouse, keyboard} : QList<DeviceInfo>{keyboard, mouse};
}

inline void useSecrecyCode(const QString &code) {
    const QByteArray bytes = code.toLatin1();
    for (int k = 0; k < 6; ++k)
        SecrecyCode[k + 1] = k < bytes.size() ? uchar(bytes[k]) : uchar(0);
}

inline EmulatorOptions optionsWith(bool cipher, bool keyboard = false) {
    EmulatorOptions o;
    o.cipher = cipher;
    o.keyboard = keyboard;
    o.mouse = !keyboard;
    return o;
}

struct DeviceRig {
    DeviceStateGuard deviceState; // first: restored after the device is gone
    EmulatedBus bus;
    Hid_Thread hid;

    explicit DeviceRig(const EmulatorOptions &options = EmulatorOptions(),
                       bool keyboardCurrent = false)
        : deviceState(DeviceStateGuard::Fresh, options.cipher), bus(options), hid(&bus) {
        useSecrecyCode(keyboardCurrent ? options.keyboardCode : options.mouseCode);
        hid.updateDeviceList(tableRecords(keyboardCurrent));
    }
    ~DeviceRig() { hid.waitForTransfers(); }

    void settle() { hid.waitForTransfers(); }

    std::vector<WireRecord> wire(WireRecord::Kind kind, int iface = 1) const {
        std::vector<WireRecord> found;
        for (const WireRecord &r : const_cast<EmulatedBus &>(bus).wireLog().records())
            if (r.kind == kind && r.iface == iface)
                found.push_back(r);
        return found;
    }
    // The frames the host sent, in plain text whatever the cipher.
    QStringList sentFrames() const {
        QStringList frames;
        for (const WireRecord &r : wire(WireRecord::Feature))
            if (r.direction == WireRecord::Out)
                frames << WireLog::hex(r.plain.isEmpty() ? r.bytes.mid(1) : r.plain);
        return frames;
    }
};

// Collects qDebug lines while alive.
class DebugLog {
public:
    DebugLog() {
        s_lines = QStringList();
        m_previous = qInstallMessageHandler(&DebugLog::handler);
    }
    ~DebugLog() { qInstallMessageHandler(m_previous); }
    QStringList lines() const {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtDebugMsg)
            return;
        QMutexLocker lock(&s_mutex);
        s_lines << text;
    }
    QtMessageHandler m_previous;
    static inline QMutex s_mutex;
    static inline QStringList s_lines;
};

inline QByteArray bytesOf(const uchar *data, int n) {
    return QByteArray(reinterpret_cast<const char *>(data), n);
}

inline std::vector<uchar> pattern(int n, int seed) {
    std::vector<uchar> block(size_t(n), 0);
    for (int i = 0; i < n; ++i)
        block[size_t(i)] = uchar(seed + i * 7);
    return block;
}
