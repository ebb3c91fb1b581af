#include "app_config.h"
#include "program_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QString kConfig = QStringLiteral("modules/setting/apConfig.bin");
const QString kFactory = QStringLiteral("modules/setting/apConfigD.bin");

QVariantList preferenceList(int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(i == 5 ? QVariant(true) : QVariant(i == 0 ? 1 : i * 3));
    return list;
}

class AppConfigTest : public ::testing::Test {
protected:
    AppConfigTest() { folder.write(kConfig, "[common]\nname=R8 Test\n"); }
    ProgramFolder folder;
};

TEST_F(AppConfigTest, SavedListReadsBackAndComesBackAsTextAfterReload) {
    {
        AppConfig config(kConfig, kFactory);
        config.save(preferenceList(32));
        const QVariantList same = config.load();
        ASSERT_EQ(same.size(), 32);
        EXPECT_EQ(same[0], QVariant(1));
    }
    AppConfig reloaded(kConfig, kFactory);
    const QVariantList entries = reloaded.load();
    ASSERT_EQ(entries.size(), 32);
    EXPECT_EQ(entries[0], QVariant(QStringLiteral("1")));
    EXPECT_EQ(entries[5], QVariant(QStringLiteral("true")));
    EXPECT_EQ(entries[31], QVariant(QStringLiteral("93")));
    EXPECT_EQ(reloaded.settings()->value("common/name").toString(), "R8 Test");
}

TEST_F(AppConfigTest, AShorterListLeavesOldEntriesButLoadStopsAtTheTotal) {
    AppConfig config(kConfig, kFactory);
    config.save(preferenceList(32));
    config.save({7, 8, 9});
    EXPECT_EQ(config.load(), QVariantList({7, 8, 9}));
    config.settings()->sync();
    const QSettings file(kConfig, QSettings::IniFormat);
    EXPECT_EQ(file.value("common/total").toInt(), 3);
    EXPECT_EQ(file.value("common/31").toInt(), 93);
}

TEST_F(AppConfigTest, MissingEntriesAndKeysReadTheirDefaults) {
    folder.write(kConfig, "[common]\ntotal=3\n0=1\n2=x\n");
    AppConfig config(kConfig, kFactory);
    EXPECT_EQ(config.load(), QVariantList({QStringLiteral("1"), 0, QStringLiteral("x")}));
    EXPECT_EQ(config.loadDevice(), QVariantList({8}));
}

TEST_F(AppConfigTest, AnAbsurdTotalReadsAtMostTheCap) {
    folder.write(kConfig, "[common]\ntotal=2147483647\n0=1\n");
    AppConfig config(kConfig, kFactory);
    const QVariantList entries = config.load();
    ASSERT_EQ(entries.size(), AppConfig::kMaxEntries);
    EXPECT_EQ(entries[0], QVariant(QStringLiteral("1")));
}

TEST_F(AppConfigTest, ColorMaxStageIsReadAsNumber) {
    folder.write(kConfig, "[R8]\ncolorMaxStage=4\n");
    AppConfig config(kConfig, kFactory);
    EXPECT_EQ(config.loadDevice(), QVariantList({4}));
}

TEST_F(AppConfigTest, ResetPutsTheFactoryCopyInPlaceByteForByte) {
    const QByteArray factory = "[common]\nname=Factory\ntotal=1\n0=1\n\n[R8]\ncolorMaxStage=6\n";
    folder.write(kFactory, factory);
    AppConfig config(kConfig, kFactory);
    QSettings *before = config.settings();
    config.save(preferenceList(32)); // pending, not yet on disk
    config.reset();
    EXPECT_NE(config.settings(), before);
    EXPECT_EQ(config.loadDevice(), QVariantList({6}));
    EXPECT_EQ(config.load(), QVariantList({QStringLiteral("1")}));
    // The old object goes from the event loop; its writes must not reach the new file.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(folder.read(kConfig), factory);
}

TEST_F(AppConfigTest, ResetWithoutFactoryCopyLeavesTheConfigDeleted) {
    AppConfig config(kConfig, kFactory);
    config.save(preferenceList(32));
    config.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(QFile::exists(folder.file(kConfig)));
    EXPECT_TRUE(config.load().isEmpty());
    EXPECT_EQ(config.loadDevice(), QVariantList({8}));
    EXPECT_EQ(config.settings()->value("common/name").toString(), "");
}

TEST_F(AppConfigTest, ConfigResetFromAReadOnlyFactoryCopyStaysWritable) {
    folder.write(kFactory, "[common]\ntotal=0\n");
    QFile::setPermissions(folder.file(kFactory), QFileDevice::ReadOwner);
    AppConfig config(kConfig, kFactory);
    config.reset();
    config.save({1, 2});
    config.settings()->sync();
    EXPECT_EQ(config.settings()->status(), QSettings::NoError);
    EXPECT_EQ(QSettings(kConfig, QSettings::IniFormat).value("common/total").toInt(), 2);
}

} // namespace
