// r8ctl info probes the keyboard with a handshake of its own; the mouse's session must find
// its secrecy code and flags as they were.
#include "cipher.h"
#include "device_flags.h"
#include "emulated_bus.h"
#include "keyboard_probe.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray loadedCode() {
    uchar code[8];
    copySecrecyCode(code);
    return QByteArray(reinterpret_cast<const char *>(code) + 1, 6);
}

TEST(KeyboardProbe, LeavesTheMousesCodeAndFlagsAsTheyWere) {
    DeviceStateGuard state(DeviceStateGuard::Fresh, true);
    EmulatorOptions options;
    options.keyboard = true;
    EmulatedBus bus(options);
    loadSecrecyCode(options.mouseCode.toLatin1().constData());
    DeviceFlags::connected = true;

    QTemporaryDir dir;
    QSettings apConfig(dir.filePath("apConfig.bin"), QSettings::IniFormat);
    apConfig.setValue("common/sCode0", options.keyboardCode);
    apConfig.setValue("common/product_name", QStringList{"R8 Keyboard", "R8"});
    const QJsonObject result = probeKeyboard(&bus, &apConfig);

    EXPECT_EQ(result["handshake"].toString(), "passed");
    EXPECT_EQ(loadedCode(), options.mouseCode.toLatin1());
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_TRUE(DeviceFlags::encryption);
    EXPECT_FALSE(DeviceFlags::demo);
}

TEST(DeviceState, TheGuardPutsFlagsAndCodeBack) {
    DeviceStateGuard outer(DeviceStateGuard::Fresh, true);
    loadSecrecyCode("ABCDEF");
    DeviceFlags::connected = true;
    {
        DeviceStateGuard inner(DeviceStateGuard::Fresh);
        EXPECT_FALSE(DeviceFlags::connected);
        EXPECT_FALSE(DeviceFlags::encryption);
        EXPECT_TRUE(DeviceFlags::languageCheck);
        EXPECT_EQ(loadedCode(), QByteArray(6, '\0'));
        loadSecrecyCode("ZZZZZZ");
        DeviceFlags::demo = true;
        DeviceFlags::languageCheck = false;
    }
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_TRUE(DeviceFlags::encryption);
    EXPECT_FALSE(DeviceFlags::demo);
    EXPECT_TRUE(DeviceFlags::languageCheck);
    EXPECT_EQ(loadedCode(), QByteArray("ABCDEF"));
}

} // namespace
