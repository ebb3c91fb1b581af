#include "fake_dialogs.h"
#include "global_setting_support.h"
#include "program_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace GlobalSettingSupport;

TEST(SkinList, ShownOnlyWithMoreThanOneSkinFolder) {
    struct Case {
        const char *name;
        QStringList folders;
        QStringList files;
        bool shown;
    };
    const Case cases[] = {
        {"no image folder", {}, {}, false},
        {"one skin", {"skin1"}, {}, false},
        {"one skin and files", {"skin1"}, {"a.png", "b.png"}, false},
        {"two skins", {"skin1", "skin2"}, {}, true},
        {"any two folders", {"x", "skin1"}, {"c.png"}, true},
    };
    for (const Case &c : cases) {
        ProgramFolder folder;
        for (const QString &f : c.folders)
            QDir().mkpath(folder.file("modules/img/" + f));
        for (const QString &f : c.files)
            folder.write("modules/img/" + f, "x");
        EXPECT_EQ(isSkinListShown("./modules/img"), c.shown) << c.name;
    }
}

class BackgroundPicture : public ::testing::Test {
protected:
    ProgramFolder folder;
    FakeDialogs dialogs;
};

TEST_F(BackgroundPicture, AskingShowsAPngChooserInTheGivenFolder) {
    EXPECT_EQ(chooseBackgroundPicture(dialogs, "/home/u/Pictures", "t", "x"), "");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].kind, "open");
    EXPECT_EQ(dialogs.fileRequests[0].caption, "Open File");
    EXPECT_EQ(dialogs.fileRequests[0].folder, "/home/u/Pictures");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Image Files(*.png)");
    EXPECT_TRUE(dialogs.boxes.isEmpty()) << "cancelling is not an error";
}

TEST_F(BackgroundPicture, AReadablePictureGivesItsPath) {
    folder.write("wall.png", "png");
    dialogs.fileAnswer = folder.file("wall.png");
    EXPECT_EQ(chooseBackgroundPicture(dialogs, "", "t", "x"), folder.file("wall.png"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(BackgroundPicture, AnUnreadablePictureIsReportedAndGivesNothing) {
    dialogs.fileAnswer = folder.file("gone.png");
    EXPECT_EQ(chooseBackgroundPicture(dialogs, "", "Picture", "Cannot open: "), "");
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, "warning");
    EXPECT_EQ(dialogs.boxes[0].title, "Picture");
    EXPECT_EQ(dialogs.boxes[0].text, "Cannot open: " + folder.file("gone.png"));
}

} // namespace
