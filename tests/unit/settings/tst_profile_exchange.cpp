#include "fake_dialogs.h"
#include "profile_exchange.h"
#include "profile_store.h"
#include "program_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaults = "[sensor]\nstage_R8=2\ndpi_R8=500, 1000\n";
const QByteArray kProfile3 = "[sensor]\nstage_R8=7\n";

class Exchange : public ::testing::Test {
protected:
    Exchange() {
        folder.write("modules/setting/pD.bin", kDefaults);
        folder.write("modules/setting/p3.bin", kProfile3);
        store = std::make_unique<ProfileStore>();
        exchange = std::make_unique<ProfileExchange>(*store, &dialogs);
    }

    QByteArray file(const QString &name) const { return folder.read("modules/setting/" + name); }

    ProgramFolder folder;
    FakeDialogs dialogs;
    std::unique_ptr<ProfileStore> store;
    std::unique_ptr<ProfileExchange> exchange;
};

TEST_F(Exchange, ExportCopiesTheProfileFileThroughTheSaveDialog) {
    dialogs.fileAnswer = folder.file("out.pf");
    exchange->saveProfile(2);
    EXPECT_EQ(folder.read("out.pf"), kProfile3);
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].kind, "save");
    EXPECT_EQ(dialogs.fileRequests[0].caption, "Save File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Profile(*.pf)");
}

TEST_F(Exchange, ExportReplacesAnExistingFileAndCarriesUnsavedChanges) {
    folder.write("out.pf", "something else entirely, and longer than the profile\n");
    ASSERT_TRUE(store->select(2));
    store->write("sensor/stage_R8", 5); // still buffered by the settings object
    dialogs.fileAnswer = folder.file("out.pf");
    exchange->saveProfile(2);
    QSettings exported(folder.file("out.pf"), QSettings::IniFormat);
    EXPECT_EQ(exported.value("sensor/stage_R8").toInt(), 5);
    EXPECT_FALSE(folder.read("out.pf").contains("something else"));
}

TEST_F(Exchange, ImportMakesTheProfileFileACopyAndTheStoreReadsIt) {
    dialogs.fileAnswer = folder.file("modules/setting/p3.bin");
    exchange->loadProfile(0);
    EXPECT_EQ(dialogs.fileRequests.value(0).kind, "open");
    EXPECT_EQ(dialogs.fileRequests.value(0).caption, "Open File");
    EXPECT_EQ(file("p1.bin"), kProfile3);
    EXPECT_EQ(store->read("sensor/stage_R8").toInt(), 7);
    EXPECT_EQ(store->currentIndex(), 0);
}

TEST_F(Exchange, ImportIsNotMixedWithChangesTheOldProfileStillBuffered) {
    store->write("sensor/cursorSpeed_R8", 9);
    dialogs.fileAnswer = folder.file("modules/setting/p3.bin");
    exchange->loadProfile(0);
    store.reset(); // writes out whatever is still buffered
    EXPECT_EQ(file("p1.bin"), kProfile3);
}

TEST_F(Exchange, ResetMakesTheProfileByteIdenticalToTheDefaultProfile) {
    store->write("sensor/stage_R8", 8);
    exchange->resetProfile(0);
    EXPECT_EQ(file("p1.bin"), kDefaults);
    EXPECT_EQ(store->read("sensor/stage_R8").toInt(), 2);
    EXPECT_TRUE(dialogs.fileRequests.isEmpty());
    store.reset();
    EXPECT_EQ(file("p1.bin"), kDefaults);
}

TEST_F(Exchange, CancelledDialogsChangeNoFile) {
    dialogs.fileAnswer.clear();
    exchange->saveProfile(2);
    exchange->loadProfile(2);
    EXPECT_EQ(dialogs.fileRequests.size(), 2);
    EXPECT_EQ(file("p3.bin"), kProfile3);
    EXPECT_EQ(QDir(folder.file("modules/setting")).entryList(QDir::Files).size(), 2);
}

TEST_F(Exchange, FailedCopiesKeepTheOldProfile) {
    const struct {
        const char *name;
        QString source; // empty: reset, from pD.bin
    } cases[] = {
        {"missing import", folder.file("absent.pf")},
        {"folder as import", folder.file("modules")},
        {"reset without pD.bin", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.source.isEmpty()) {
            QFile::remove(folder.file("modules/setting/pD.bin"));
            exchange->resetProfile(2);
        } else {
            dialogs.fileAnswer = c.source;
            exchange->loadProfile(2);
        }
        EXPECT_EQ(file("p3.bin"), kProfile3);
        ASSERT_TRUE(store->select(2) || store->currentIndex() == 2);
        EXPECT_EQ(store->read("sensor/stage_R8").toInt(), 7);
    }
}

TEST_F(Exchange, ExportToAnUnwritablePlaceKeepsWhatIsThere) {
    dialogs.fileAnswer = folder.file("no/such/folder/out.pf");
    exchange->saveProfile(2);
    EXPECT_FALSE(QFile::exists(dialogs.fileAnswer));
    EXPECT_EQ(file("p3.bin"), kProfile3);
}

TEST_F(Exchange, IndexesOutsideTheTenProfilesAreIgnored) {
    dialogs.fileAnswer = folder.file("modules/setting/pD.bin");
    for (int index : {-1, 10}) {
        exchange->saveProfile(index);
        exchange->loadProfile(index);
        exchange->resetProfile(index);
    }
    EXPECT_TRUE(dialogs.fileRequests.isEmpty());
    EXPECT_EQ(QDir(folder.file("modules/setting")).entryList(QDir::Files).size(), 2);
}

} // namespace
