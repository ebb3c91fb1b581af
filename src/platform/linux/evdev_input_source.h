#pragma once

#include "evdev_key_table.h"
#include "input_source.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QFileSystemWatcher;

// System-wide capture of keys and mouse buttons through the kernel's event devices
// (/dev/input/event*), which needs read access to them (usually membership of the group
// "input"). Devices are read without grabbing them, so every event still reaches the
// desktop and the other programs. Keyboards and mice plugged in while it runs are picked up.
//
// The source counts as observing only while it holds a keyboard (a device with the letter
// keys): udev gives the logged-in user gamepads and joysticks, and an open gamepad alone
// must not stand in for the keyboard. Without one it keeps watching the folder and tells
// of a keyboard that becomes readable.
//
// Each key event becomes the keyboard record of evdev_key_table.h; auto-repeats are reported
// as further downs, as the hooks saw them. Mouse buttons and the wheels become mouse records
// placed at the pointer position the owner provides; plain movement is not reported. When
// the kernel drops records because the program was busy, keys whose release was lost are
// released at the next complete report.
class EvdevInputSource : public InputSource {
    Q_OBJECT
public:
    using PointerPosition = std::function<QPoint()>;

    explicit EvdevInputSource(QObject *parent = nullptr);
    ~EvdevInputSource() override;

    // The folder searched for event devices, "/dev/input" unless set before start().
    void setDeviceFolder(const QString &folder) { m_folder = folder; }
    // Where the pointer is on the screen; (0, 0) is reported when none is set.
    void setPointerPosition(PointerPosition position) { m_pointerPosition = std::move(position); }

    // Opens every readable event device of the folder that has keys or buttons and watches
    // the folder for new ones. True when a keyboard is open (including those given to
    // addDevice). Otherwise the source goes on watching the folder, or stops when there
    // is neither a folder nor any device.
    bool start() override;
    // Closes every device, those given to addDevice included, and stops watching.
    void stop() override;

    // What a device handed to addDevice is. An event device is asked; a descriptor that
    // cannot be asked (a pipe) is no keyboard unless the caller says so.
    enum class Kind { AskTheDevice, Keyboard, Other };

    // Reads `struct input_event` records from `fd`: an event device or any other readable
    // descriptor that carries them (a pipe). Takes ownership of `fd`; it is closed on end of
    // file, on a read error (the device was unplugged) and by stop(). Records may arrive in
    // pieces of any size.
    void addDevice(int fd, const QString &path = QString(), Kind kind = Kind::AskTheDevice);

    int deviceCount() const;
    bool hasKeyboard() const;

private:
    struct Device;

    void scanFolder();
    void openDevice(int fd, const QString &path, Kind kind);
    // Emits availabilityChanged when hasKeyboard() differs from what was last told.
    void announce();
    void readDevice(Device *device);
    void handleRecord(Device *device, int type, int code, int value);
    void handleKey(Device *device, int code, bool isDown);
    void resynchronise(Device *device);
    void removeDevice(Device *device);

    QString m_folder = QStringLiteral("/dev/input");
    PointerPosition m_pointerPosition;
    HeldModifierKeys m_modifiers;
    QFileSystemWatcher *m_watcher = nullptr;
    std::vector<std::unique_ptr<Device>> m_devices;
    quint64 m_generation = 0; // changes whenever the device list does
    bool m_started = false;
    bool m_told = false; // hasKeyboard() as start() or the last announcement gave it
};
