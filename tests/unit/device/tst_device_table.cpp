// The device table as shipped, its parsing rules and the interface search.
#include "device_table.h"
#include "hid_thread.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString textOf(const DeviceInfo &d) {
    return QStringLiteral("%1 %2:%3 %4/%5 %6/%7 %8 '%9'")
        .arg(d.type)
        .arg(d.vid, 4, 16, QLatin1Char('0'))
        .arg(d.pid, 4, 16, QLatin1Char('0'))
        .arg(d.usagePage, 4, 16, QLatin1Char('0'))
        .arg(d.usage, 4, 16, QLatin1Char('0'))
        .arg(d.usagePage2, 4, 16, QLatin1Char('0'))
        .arg(d.usage2, 4, 16, QLatin1Char('0'))
        .arg(d.reportLength)
        .arg(d.name);
}

TEST(DeviceTable, TheShippedTable) {
    QFile file(":/DevInfo.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith("; type 0: Keyboard, type 1: Mouse"));

    QSettings table(":/DevInfo.ini", QSettings::IniFormat);
    EXPECT_TRUE(deviceTableEncrypts(table));
    const QList<DeviceInfo> records = readDeviceTable(table, {"R8 Keyboard", "R8"});
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(textOf(records[0]), "0 04d9:8008 ff01/0001 ff02/0001 64 'R8 Keyboard'");
    EXPECT_EQ(textOf(records[1]), "1 04d9:a09f ff00/ff00 ff01/ff01 32 'R8'");
}

TEST(DeviceTable, ValuesAreTextInTheirBaseAndDefaultWhenMissing) {
    QTemporaryDir dir;
    QFile f(dir.filePath("t.ini"));
    f.open(QIODevice::WriteOnly);
    f.write("[common]\ntotal=3\n"
            "[0]\ntype=1\nvid=zz\npid=A09F\nusagePage=0001\nreportLength=0x20\n"
            "[1]\nvid=04d9\nreportLength=64\n"
            "[2]\ntype=10\n");
    f.close();
    QSettings table(dir.filePath("t.ini"), QSettings::IniFormat);
    EXPECT_FALSE(deviceTableEncrypts(table));
    const QList<DeviceInfo> records = readDeviceTable(table, {"only one"});
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(textOf(records[0]), "1 0000:a09f 0001/0000 0000/0000 0 'only one'");
    EXPECT_EQ(textOf(records[1]), "-1 04d9:0000 0000/0000 0000/0000 64 ''");
    EXPECT_EQ(records[2].type, 16) << "type is read in base 16";
}

// Found by fuzzing: total=122008 kept start-up reading empty records for seconds.
TEST(DeviceTable, ADamagedCountOrReportLengthStaysBounded) {
    QTemporaryDir dir;
    QFile f(dir.filePath("t.ini"));
    f.open(QIODevice::WriteOnly);
    f.write("[common]\ntotal=2147483647\n"
            "[0]\ntype=1\nreportLength=4294967295\n"
            "[1]\ntype=1\nreportLength=1024\n");
    f.close();
    QSettings table(dir.filePath("t.ini"), QSettings::IniFormat);
    const QList<DeviceInfo> records = readDeviceTable(table, {});
    ASSERT_EQ(records.size(), kMaxDeviceRecords);
    EXPECT_EQ(records[0].reportLength, 0u) << "no buffer is sized after an absurd length";
    EXPECT_EQ(records[1].reportLength, 1024u);
}

// A bus that lists what a test tells it and opens nothing.
class ListedBus : public HidBackend {
public:
    QList<HidInterfaceInfo> interfaces;
    QList<HidInterfaceInfo> enumerate(unsigned short vid, unsigned short pid) override {
        lastVid = vid;
        lastPid = pid;
        ++calls;
        return interfaces;
    }
    std::unique_ptr<HidDevice> open(const QString &) override { return nullptr; }
    unsigned short lastVid = 0, lastPid = 0;
    int calls = 0;
};

QList<DeviceInfo> builtIn() {
    DeviceInfo keyboard{0, 0x04d9, 0x8008, 0xff01, 0x0001, 0xff02, 0x0001, "K", 64};
    DeviceInfo mouse{1, 0x04d9, 0xa09f, 0xff00, 0xff00, 0xff01, 0xff01, "M", 32};
    return {keyboard, mouse};
}

TEST(DeviceList, OnlyTheMouseIsSearchedAndTheLastMatchOfEachKindWins) {
    ListedBus bus;
    bus.interfaces = {{"a", 0xff00, 0xff00},
                      {"b", 0xff01, 0xff01},
                      {"c", 0xff00, 0x0001},
                      {"d", 0xff00, 0xff00},
                      {"e", 0xff01, 0x0002}};
    Hid_Thread hid(&bus);
    hid.updateDeviceList(builtIn());
    EXPECT_EQ(bus.calls, 1);
    EXPECT_EQ(bus.lastPid, 0xa09f);
    const QList<DeviceEntry> list = hid.deviceList();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[1].primaryPath, "d");
    EXPECT_EQ(list[1].secondaryPath, "b");
    EXPECT_TRUE(list[0].primaryPath.isEmpty());
}

TEST(DeviceList, BothInterfacesOrNeither) {
    ListedBus bus;
    bus.interfaces = {{"a", 0xff00, 0xff00}, {"c", 0xff01, 0x0001}};
    Hid_Thread hid(&bus);
    hid.updateDeviceList(builtIn());
    EXPECT_TRUE(hid.deviceList()[1].primaryPath.isEmpty());
    EXPECT_TRUE(hid.deviceList()[1].secondaryPath.isEmpty());
}

} // namespace
