#pragma once

// A mouse on the emulated bus, connected through the real device check, with the settings
// operations over a profile store in a throw-away program folder.
#include "device_check.h"
#include "device_flags.h"
#include "emulated_bus.h"
#include "fake_dialogs.h"
#include "hid_thread.h"
#include "key_assignment.h"
#include "keyboard_settings.h"
#include "mouse_settings.h"
#include "profile_store.h"
#include "program_folder.h"
#include "qt_print.h"

#include <QSettings>

#include <gtest/gtest.h>

class SettingsRig {
public:
    explicit SettingsRig(const QString &emulatorOptions = QString()) {
        EmulatorOptions options;
        QString error;
        if (!emulatorOptions.isEmpty()) {
            EXPECT_TRUE(parseEmulatorOptions(emulatorOptions, &options, &error))
                << qPrintable(error);
        }
        bus = std::make_unique<EmulatedBus>(options);
        hid = std::make_unique<Hid_Thread>(bus.get());

        QFile table(qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/DevInfo.ini");
        EXPECT_TRUE(table.open(QIODevice::ReadOnly));
        QByteArray devInfo = table.readAll();
        if (!options.cipher)
            devInfo.replace("isEncode=true", "isEncode=false");
        folder.write("DevInfo.ini", devInfo);
        folder.write("apConfig.bin", QByteArray("[common]\nsCode0=") +
                                         options.keyboardCode.toLatin1() +
                                         "\nsCode1=" + options.mouseCode.toLatin1() + "\n");
        QSettings deviceTable(folder.file("DevInfo.ini"), QSettings::IniFormat);
        QSettings apConfig(folder.file("apConfig.bin"), QSettings::IniFormat);
        hid->setAppConfig(&apConfig);
        runDeviceCheck(*hid, deviceTable, &apConfig);
        hid->setAppConfig(nullptr);
        hid->waitForTransfers();

        mouse.setDevice(hid.get());
        keyboard.setDevice(hid.get());
        keys.setDevice(hid.get());
        bus->wireLog().clear();
    }
    ~SettingsRig() { hid->waitForTransfers(); }

    bool connected() const { return DeviceFlags::connected.load(); }

    // The plain command frames sent to the primary interface since the last clear(), hex.
    QStringList frames() {
        hid->waitForTransfers();
        QStringList out;
        for (const WireRecord &r : bus->wireLog().records()) {
            if (r.direction == WireRecord::Out && r.kind == WireRecord::Feature && r.iface == 1)
                out.append(WireLog::hex(r.plain.isEmpty() ? r.bytes.mid(1) : r.plain));
        }
        return out;
    }
    // The payload of the output reports (report ID dropped), joined.
    QByteArray dataPhase() {
        hid->waitForTransfers();
        QByteArray out;
        for (const WireRecord &r : bus->wireLog().records()) {
            if (r.direction == WireRecord::Out && r.kind == WireRecord::Output)
                out.append(r.bytes.mid(1));
        }
        return out;
    }
    int outputReports() {
        hid->waitForTransfers();
        int n = 0;
        for (const WireRecord &r : bus->wireLog().records())
            n += r.direction == WireRecord::Out && r.kind == WireRecord::Output;
        return n;
    }
    void clear() {
        hid->waitForTransfers();
        bus->wireLog().clear();
    }

    DeviceStateGuard deviceState{DeviceStateGuard::Fresh}; // first: restored last
    ProgramFolder folder;
    std::unique_ptr<EmulatedBus> bus;
    std::unique_ptr<Hid_Thread> hid;
    FakeDialogs dialogs;
    ProfileStore store;
    MouseSettings mouse{store, &dialogs};
    KeyboardSettings keyboard{store};
    KeyAssignment keys{store};
};

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}
