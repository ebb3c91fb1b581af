// The device's identity (vendor and product IDs, interfaces, report length) is written in the
// device table, the udev rule, the AppStream metainfo and the emulator. The table is the one
// the program reads; every other copy is held to it here.
#include "device_table.h"
#include "qt_print.h"
#include "virtual_keyboard.h"
#include "virtual_mouse.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

QList<DeviceInfo> shippedTable() {
    QSettings table(":/DevInfo.ini", QSettings::IniFormat);
    return readDeviceTable(table, {});
}

QString vidPid(quint16 vid, quint16 pid) {
    return QStringLiteral("%1:%2")
        .arg(vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'));
}

QString sourceText(const QString &relative) {
    QFile file(qEnvironmentVariable("R8_SOURCE_DIR") + "/" + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST(DeviceIdentity, TheUdevRuleOpensExactlyTheDevicesOfTheTable) {
    const QString rules = sourceText("src/device/udev/70-r8-devices.rules");
    ASSERT_FALSE(rules.isEmpty());
    QSet<QString> ruled;
    static const QRegularExpression line(
        R"re(^KERNEL=="hidraw\*", SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
        R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re");
    for (const QString &text : rules.split('\n')) {
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        const QRegularExpressionMatch m = line.match(text);
        ASSERT_TRUE(m.hasMatch()) << "not a hidraw uaccess rule: " << text.toStdString();
        ruled.insert(m.captured(1) + ":" + m.captured(2));
    }
    QSet<QString> listed;
    for (const DeviceInfo &d : shippedTable())
        listed.insert(vidPid(d.vid, d.pid));
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(ruled, listed);
}

TEST(DeviceIdentity, TheMetainfoOffersTheProgramForTheMouseOfTheTable) {
    const QString metainfo = sourceText("packaging/org.r8config.Configurator.metainfo.xml.in");
    ASSERT_FALSE(metainfo.isEmpty());
    for (const DeviceInfo &d : shippedTable()) {
        if (d.type != 1)
            continue;
        // Modaliases spell the IDs in upper-case hex.
        const QString alias = QStringLiteral("<modalias>usb:v%1p%2*</modalias>")
                                  .arg(QString::number(d.vid, 16).rightJustified(4, '0').toUpper(),
                                       QString::number(d.pid, 16).rightJustified(4, '0').toUpper());
        EXPECT_TRUE(metainfo.contains(alias)) << alias.toStdString();
    }
}

TEST(DeviceIdentity, TheVirtualDevicesAnswerAsTheTableDescribesThem) {
    const QList<DeviceInfo> table = shippedTable();
    ASSERT_EQ(table.size(), 2);
    // The table puts the keyboard at index 0 and the mouse at index 1.
    const VirtualDevice::Identity identities[] = {VirtualKeyboard::defaultIdentity(),
                                                  VirtualMouse::defaultIdentity()};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const DeviceInfo &d = table[i];
        const VirtualDevice::Identity &v = identities[i];
        EXPECT_EQ(vidPid(v.vid, v.pid), vidPid(d.vid, d.pid));
        EXPECT_EQ(v.usagePage, d.usagePage);
        EXPECT_EQ(v.usage, d.usage);
        EXPECT_EQ(v.usagePage2, d.usagePage2);
        EXPECT_EQ(v.usage2, d.usage2);
        EXPECT_EQ(quint32(v.reportLength), d.reportLength);
    }
}

} // namespace
