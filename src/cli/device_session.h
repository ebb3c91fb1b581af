#pragma once

#include "cli_status.h"
#include "device_owner.h"
#include "emulator_command_line.h"
#include "hid_thread.h"

#include <QStringList>

#include <memory>

class EmulatedBus;
class HidBackend;
class QSettings;

// The device stack of the program, opened on first use: the bus (hidapi, or the virtual R8
// with --emulate), Hid_Thread, the device table and the handshake, exactly as the window's
// device check runs them. Commands that only touch files never open it, so they neither
// need a mouse nor leave traces on the wire.
class DeviceSession : private DeviceOwner {
public:
    // `apConfig` (not owned) holds the secrecy codes and product names.
    DeviceSession(EmulatorCommandLine emulation, QSettings *apConfig, QString title);
    ~DeviceSession() override;

    // Runs the device check once; later calls return its outcome. A failed handshake is a
    // device failure with the program's own text ("Can not detect R8 !").
    Status connect();
    // Runs the device check again on the same bus: for a watcher that outlives plugs and
    // unplugs.
    Status reconnect();
    bool isConnected() const { return m_connected; }
    bool isDemo() const;
    Hid_Thread *hid() { return m_connected ? &m_hid : nullptr; }
    DeviceEntry entry(int index) const;

    // The bus once connect() has run; null before.
    HidBackend *bus() const { return m_bus.get(); }

    // Waits for the write tasks still running and stops the device watch.
    void finish();

    // After finish(): a device failure naming the first setting that did not reach the mouse
    // (or the first question it did not answer) since the handshake; done when every
    // transfer ended well, when the device was never opened, and in demo mode, where
    // nothing is sent by design.
    Status transferOutcome() const;

private:
    QString ownerTitle() const override { return m_title; }
    Dialogs *ownerDialogs() const override;
    void postCloseRequest() override { m_refused = true; }

    EmulatorCommandLine m_emulation;
    QSettings *m_apConfig;
    QString m_title;
    std::unique_ptr<HidBackend> m_bus;
    std::unique_ptr<Dialogs> m_refusal; // keeps the text of the handshake's box
    Hid_Thread m_hid;
    bool m_tried = false;
    bool m_connected = false;
    bool m_refused = false;
    quint64 m_firstSerial = 0; // the first transfer after the handshake
    Status m_outcome;
};
