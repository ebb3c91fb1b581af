// Device replies: whatever a device answers, through the transport and the command layer,
// to the handshake, every read command of both command sets and the mouse operations that
// turn replies into settings. The bus is scripted by the input: each call to the bus takes
// its fate (fail, short, full) and its bytes from the input in turn.
#include "device_flags.h"
#include "device_table.h"
#include "fuzz_support.h"
#include "hid_backend.h"
#include "hid_thread.h"
#include "mouse_settings.h"
#include "profile_store.h"

#include <QSettings>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class ScriptedDevice : public HidDevice {
public:
    explicit ScriptedDevice(fuzz::Stream &script) : m_script(script) {}

    int sendFeatureReport(const unsigned char *, size_t length) override {
        return outcome(int(length));
    }
    int write(const unsigned char *, size_t length) override { return outcome(int(length)); }
    int getFeatureReport(unsigned char *data, size_t length) override { return fill(data, length); }
    int readTimeout(unsigned char *data, size_t length, int) override { return fill(data, length); }

private:
    // 0: error, 1: nothing (a time-out), 2: a short report, else the whole report.
    int outcome(int length) {
        switch (m_script.byte() % 8) {
        case 0:
            return -1;
        case 1:
            return 0;
        case 2:
            return length / 2;
        default:
            return length;
        }
    }
    int fill(unsigned char *data, size_t length) {
        const int got = outcome(int(length));
        for (int i = 0; i < got; ++i)
            data[i] = m_script.byte();
        return got;
    }

    fuzz::Stream &m_script;
};

class ScriptedBus : public HidBackend {
public:
    explicit ScriptedBus(fuzz::Stream &script) : m_script(script) {}

    QList<HidInterfaceInfo> enumerate(unsigned short, unsigned short) override {
        return {{QStringLiteral("scripted:1"), 0xff00, 0xff00},
                {QStringLiteral("scripted:2"), 0xff01, 0xff01}};
    }
    std::unique_ptr<HidDevice> open(const QString &) override {
        // Mostly opens; now and then the device is gone.
        if (m_script.byte() == 0xEE)
            return nullptr;
        return std::make_unique<ScriptedDevice>(m_script);
    }

private:
    fuzz::Stream &m_script;
};

QList<DeviceInfo> records() {
    DeviceInfo keyboard;
    keyboard.type = 0;
    keyboard.vid = 0x04d9;
    keyboard.pid = 0x8008;
    keyboard.usagePage = 0xff00;
    keyboard.usage = 0xff00;
    keyboard.usagePage2 = 0xff01;
    keyboard.usage2 = 0xff01;
    keyboard.name = QStringLiteral("R8 Keyboard");
    keyboard.reportLength = 64;
    DeviceInfo mouse = keyboard;
    mouse.type = 1;
    mouse.pid = 0xa09f;
    mouse.name = QStringLiteral("R8");
    mouse.reportLength = 32;
    return {keyboard, mouse};
}

void readAll(Hid_Thread &hid, fuzz::Stream &script) {
    uchar a = 0, b = 0, c = 0, d = 0;
    uchar block[512] = {};
    QString version;
    uchar pick = script.byte();
    hid.hid_00H_GetSecrecyCode(a, b, c, d);
    hid.hid_81H_GetReportRate(a);
    hid.hid_83H_GetFunctionOption(a, b, c);
    (void)hid.hid_87H_GetLEDInstructFunction(pick, a, b, c);
    hid.hid_8BH_GetCurrentDPIStage(a);
    hid.hid_8DH_GetRGBLedEffect(a, b, c);
    hid.hid_90H_GetLED8StageColor(pick % 4, block);
    (void)hid.hid_91H_GetDPISet(a, block);
    hid.hid_92H_GetKeyMatrix(block);
    hid.hid_93H_GetMacroKey(pick, block);
    hid.hid_80H_GetFWVersion(version);
    hid.hid_82H_GetCurrentProfile(a);
    hid.hid_83H_GetKeyboardoption(a, b, c, d);
    hid.hid_84H_GetButtonSensitivity(a, b, c, d);
    hid.hid_88H_GetLEDType(a, b, c, d, pick);
    hid.hid_89H_GetKeyboardMode(a);
    hid.hid_8DH_GetKeyMatrix(block);
    hid.hid_8EH_GetKeyOnOff(block);
    hid.hid_91H_GetMacroKey(pick, block);
    hid.hid_92H_GetUserPicture(pick, block);
    hid.hid_94H_GetColor(pick, a, b, c);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    fuzz::Stream script(data, size);
    ScriptedBus bus(script);
    Hid_Thread hid(&bus);
    const bool cipher = script.byte() & 1;
    DeviceFlags::demo = false;
    DeviceFlags::connected = false;
    DeviceFlags::languageCheck = true;
    DeviceFlags::encryption = cipher;
    hid.updateDeviceList(records());

    // The handshake against whatever answers, then every read.
    hid.chkDeviceIsEnCode();
    DeviceFlags::demo = false;
    readAll(hid, script);

    // The operations that make settings out of replies.
    const QString folder = fuzz::scratch() + QStringLiteral("/setting");
    static bool staged = false;
    if (!staged) {
        // An empty folder: every profile reads its defaults.
        QDir().mkpath(folder);
        staged = true;
    }
    ProfileStore store(folder);
    MouseSettings mouse(store, nullptr);
    mouse.setDevice(&hid);
    (void)mouse.reportRate();
    (void)mouse.sensorType();
    (void)mouse.isLogoLedWorking();
    const unsigned char stages = mouse.syncDpi();
    if (stages < 1 || stages > 8)
        std::abort();
    if (mouse.deviceKeyMatrix().size() > 64)
        std::abort();
    (void)mouse.deviceMacro(script.byte());
    hid.waitForTransfers();
    return 0;
}
