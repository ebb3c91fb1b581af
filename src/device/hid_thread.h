#pragma once

#include <QObject>

class DeviceOwner;
class QSettings;

// Device access: discovery, transport, handshake and the command sets.
//
// For now this holds only the device check's demo branch; the transport and command sets
// replace it.
class Hid_Thread : public QObject {
    Q_OBJECT
public:
    explicit Hid_Thread(QObject *parent = nullptr);

    void setOwnerWindow(DeviceOwner *owner) { m_owner = owner; }
    DeviceOwner *ownerWindow() const { return m_owner; }

    // Reads the device table, finds the interfaces and runs the handshake. `apConfig` is the
    // application config (secrecy codes, product names).
    void checkDevice(QSettings *apConfig);

private:
    DeviceOwner *m_owner = nullptr;
};
