#include "profile_seeding.h"
#include "profile_store.h"
#include "program_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

QByteArray shippedDefaultProfile() {
    QFile f(qEnvironmentVariable("R8_SOURCE_DIR") + "/data/modules/setting/pD.bin");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList texts(const QVariantList &list) {
    QStringList out;
    for (const QVariant &v : list)
        out.append(v.toString());
    return out;
}

TEST(ProfileStore, StartsAtProfileZeroAndReadsMissingKeysAsGiven) {
    ProgramFolder folder;
    ProfileStore store;
    EXPECT_EQ(store.currentIndex(), 0);
    EXPECT_FALSE(store.read("sensor/stage_R8").isValid());
    EXPECT_EQ(store.read("sensor/stage_R8", 7).toInt(), 7);
    EXPECT_TRUE(settingsList(store.read("sensor/dpi_R8")).isEmpty());
}

TEST(ProfileStore, SelectIgnoresTheCurrentIndexAndIndexesOutOfRange) {
    ProgramFolder folder;
    ProfileStore store;
    EXPECT_FALSE(store.select(0));
    EXPECT_FALSE(store.select(-1));
    EXPECT_FALSE(store.select(10));
    EXPECT_EQ(store.currentIndex(), 0);
    EXPECT_EQ(store.profile(10), nullptr);
    EXPECT_TRUE(store.select(9));
    EXPECT_EQ(store.currentIndex(), 9);
}

TEST(ProfileStore, WritesGoToTheFileOfTheCurrentIndex) {
    ProgramFolder folder;
    {
        ProfileStore store;
        ASSERT_TRUE(store.select(3));
        store.write("sensor/stage_R8", 4);
    }
    EXPECT_TRUE(folder.read("modules/setting/p4.bin").contains("stage_R8=4"));
    EXPECT_FALSE(QFile::exists(folder.file("modules/setting/p1.bin")));
}

TEST(ProfileStore, AKeyTheProfileLacksReadsTheFactoryValue) {
    ProgramFolder folder;
    folder.write("modules/setting/pD.bin",
                 "[sensor]\nstage_R8=3\ndpi_R8=500, 1000\ncursorSpeed_R8=6\n");
    folder.write("modules/setting/p2.bin", "[sensor]\nstage_R8=5\n");
    ProfileStore store;
    ASSERT_TRUE(store.select(1));
    EXPECT_EQ(store.read("sensor/stage_R8", 0).toInt(), 5) << "the profile's own value wins";
    EXPECT_EQ(texts(settingsList(store.read("sensor/dpi_R8"))), (QStringList{"500", "1000"}));
    EXPECT_EQ(store.read("sensor/reportRate_R8", 0).toInt(), 0) << "in neither file";
    // A value written now is the profile's own.
    store.write("sensor/cursorSpeed_R8", 9);
    EXPECT_EQ(store.read("sensor/cursorSpeed_R8", 0).toInt(), 9);
    store.profile(1)->sync();
    EXPECT_FALSE(folder.read("modules/setting/p2.bin").contains("dpi_R8"))
        << "reading a factory value does not copy it into the profile";
}

TEST(ProfileStore, WritingWhatTheFileHoldsLeavesTheFileAsItIs) {
    ProgramFolder folder;
    const QByteArray text = "[sensor]\nstage_R8=2\nreportRate_R8=1\n"
                            "dpi_R8=500, 1000\n[color_R8]\ntype2=7\n";
    folder.write("modules/setting/p1.bin", text);
    {
        ProfileStore store;
        store.write("sensor/stage_R8", 2);
        store.write("sensor/dpi_R8", QVariantList{500, 1000});
        store.write("color_R8/type2", QVariantList{7});
    }
    EXPECT_EQ(folder.read("modules/setting/p1.bin"), text) << "not even reordered";
    {
        ProfileStore store;
        store.write("sensor/dpi_R8", QVariantList{500, 1250});
    }
    EXPECT_TRUE(folder.read("modules/setting/p1.bin").contains("dpi_R8=500, 1250"));
}

TEST(ProfileSeeding, MissingProfilesBecomeCopiesOfTheFactoryProfile) {
    ProgramFolder folder;
    const QByteArray factory = "[sensor]\nstage_R8=3\n";
    folder.write("modules/setting/pD.bin", factory);
    folder.write("modules/setting/p3.bin", "[sensor]\nstage_R8=7\n");

    const QStringList created = seedMissingProfiles();
    EXPECT_EQ(created.size(), 9);
    for (int n = 1; n <= 10; ++n) {
        const QString name = QStringLiteral("modules/setting/p%1.bin").arg(n);
        EXPECT_EQ(folder.read(name), n == 3 ? QByteArray("[sensor]\nstage_R8=7\n") : factory)
            << name.toStdString();
        EXPECT_TRUE(QFileInfo(folder.file(name)).permissions() & QFileDevice::ReadOther)
            << name.toStdString();
    }
    EXPECT_EQ(QDir(folder.file("modules/setting")).count(), 2u + 11u) << "no temporary left";
    EXPECT_TRUE(seedMissingProfiles().isEmpty()) << "a second start creates nothing";
}

TEST(ProfileSeeding, WithoutAFactoryProfileNothingIsCreated) {
    ProgramFolder folder;
    QDir().mkpath(folder.file("modules/setting"));
    EXPECT_TRUE(seedMissingProfiles().isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("modules/setting/p1.bin")));
}

TEST(SettingsList, ReadsEveryShapeAListComesBackIn) {
    ProgramFolder folder;
    const QString file = folder.file("lists.ini");
    {
        QSettings writer(file, QSettings::IniFormat);
        writer.setValue("l/many", QVariantList{1, 2, 3});
        writer.setValue("l/one", QVariantList{QStringLiteral("7")});
        // The writing object hands back what it was given.
        EXPECT_EQ(settingsList(writer.value("l/many")), (QVariantList{1, 2, 3}));
    }
    folder.write("reloaded.ini", "[l]\nmany=1, 2, 3\none=7\n");
    QSettings reader(folder.file("reloaded.ini"), QSettings::IniFormat);
    EXPECT_EQ(texts(settingsList(reader.value("l/many"))), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(texts(settingsList(reader.value("l/one"))), (QStringList{"7"}));
    EXPECT_TRUE(settingsList(reader.value("l/missing")).isEmpty());
}

TEST(DefaultProfile, WithoutTheFileOnlyTheSensorScalarsRemain) {
    ProgramFolder folder;
    ProfileStore store;
    EXPECT_EQ(store.defaultList(3), (QVariantList{2, 5, 2, 5, 2}));
    EXPECT_TRUE(store.defaultList(0).isEmpty());
    EXPECT_TRUE(store.defaultList(2).isEmpty());
}

TEST(DefaultProfile, AMissingListMovesLaterPositionsForward) {
    ProgramFolder folder;
    folder.write(
        "modules/setting/pD.bin",
        "[sensor]\nreportRate_R8=8\nstage_R8=6\n[color_R8]\ntype2=0, 1, 2, 3, 4, 5, 6, 8\n");
    ProfileStore store;
    const QVariantList sensor = store.defaultList(3);
    ASSERT_EQ(sensor.size(), 5 + 8);
    EXPECT_EQ(sensor[0], 8);
    EXPECT_EQ(sensor[4], 6); // the stage, where the DPI values would have started
    // Colour ids are handed on as stored: orange stays 8.
    EXPECT_EQ(sensor.last().toString(), "8");
}

TEST(DefaultProfile, ShippedFileHasTheListLengthsOfEveryPage) {
    ProgramFolder folder;
    const QByteArray shipped = shippedDefaultProfile();
    ASSERT_FALSE(shipped.isEmpty());
    folder.write("modules/setting/pD.bin", shipped);
    ProfileStore store;

    const struct {
        int page;
        int length;
    } cases[] = {{0, 64}, {1, 0}, {2, 27}, {3, 45}, {4, 0}, {255, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(store.defaultList(c.page).size(), c.length) << "page " << c.page;
}

TEST(DefaultProfile, ShippedFileHoldsValuesThePagesCanUse) {
    ProgramFolder folder;
    folder.write("modules/setting/pD.bin", shippedDefaultProfile());
    ProfileStore store;

    const QVariantList sensor = store.defaultList(3);
    ASSERT_EQ(sensor.size(), 45);
    EXPECT_TRUE(QList<int>({1, 2, 4, 8}).contains(sensor[0].toInt())) << "report-rate code";
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(sensor[i].toInt() >= 0 && sensor[i].toInt() <= 10) << "slider " << i;
    // DPI values of the first sensor's menu, rising, every stage on.
    const QList<int> menu = {250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000};
    for (int i = 4; i < 12; ++i) {
        EXPECT_TRUE(menu.contains(sensor[i].toInt()))
            << "dpi " << sensor[i].toString().toStdString();
        if (i > 4) {
            EXPECT_GT(sensor[i].toInt(), sensor[i - 1].toInt());
        }
    }
    EXPECT_TRUE(sensor[12].toInt() >= 1 && sensor[12].toInt() <= 8) << "stage";
    for (int i = 13; i < 37; ++i)
        EXPECT_TRUE(sensor[i].toInt() >= 0 && sensor[i].toInt() <= 255);
    // Colour ids as a user's click writes them: 0..6, orange as 8.
    for (int i = 37; i < 45; ++i) {
        const int id = sensor[i].toInt();
        EXPECT_TRUE((id >= 0 && id <= 6) || id == 8) << "colour id " << id;
    }

    const QVariantList lighting = store.defaultList(2);
    EXPECT_TRUE(lighting[24].toInt() >= 0 && lighting[24].toInt() <= 9);
    EXPECT_TRUE(lighting[25].toInt() >= 0 && lighting[25].toInt() <= 7);
    EXPECT_TRUE(lighting[26].toInt() >= 0 && lighting[26].toInt() <= 7);

    // Left, right and middle on the first three buttons, back and forward among the rest.
    const QVariantList keys = store.defaultList(0);
    QList<int> buttons;
    for (int n = 0; n < 16; ++n) {
        if (keys[4 * n].toInt() == 1)
            buttons.append(keys[4 * n + 2].toInt());
    }
    ASSERT_GE(buttons.size(), 5);
    EXPECT_EQ(buttons.mid(0, 3), (QList<int>{0xF0, 0xF1, 0xF2}));
    EXPECT_TRUE(buttons.contains(0xF3));
    EXPECT_TRUE(buttons.contains(0xF4));
}

} // namespace
