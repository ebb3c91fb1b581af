// The macro editor in the real scene: recording, inserting and the scrapbook, checked in the
// macro files on disk.
#include "page_scene.h"

#include <QTest>

namespace {

class MacroPage : public pagescene::PageScene {
protected:
    void prepareFolder() override {
        writeMacro("Jump", {"A    [Down]", "A      [Up]", "B    [Down]", "B      [Up]"});
    }

    void SetUp() override {
        PageScene::SetUp();
        if (HasFatalFailure())
            return;
        showPage(1);
        page = r8("_Page_Macro");
        ASSERT_TRUE(page);
    }

    QObject *control(const char *alias) { return part(page, alias); }
    QStringList lines(const QString &name) { return window->view()->loadMacroIni(name); }
    QStringList shown() { return eval(page, "getAllMacroActions()").toStringList(); }
    bool enabled(const char *alias) { return control(alias)->property("enabled").toBool(); }
    void openJump() {
        clickListRow(control("fileList"), 0);
        ASSERT_EQ(eval(page, "getCurrentMacroName()").toString(), "Jump");
    }

    QObject *page = nullptr;
};

TEST_F(MacroPage, RecordingKeepsNamedKeysAndSavesOnStop) {
    click(control("addFileButton"));
    const QString name = eval(page, "getCurrentMacroName()").toString();
    ASSERT_EQ(name, "Macro. 001");
    EXPECT_FALSE(enabled("stopButton"));
    click(control("recordButton"));
    EXPECT_TRUE(page->property("isRecordStart").toBool());
    EXPECT_FALSE(enabled("addFileButton"));
    EXPECT_FALSE(enabled("fileList"));

    key(true, 0x04);
    key(true, 0x31); // no name
    window->view()->forwardMouseEvent(true, 0xF0, 10, 10);
    window->view()->forwardMouseEvent(false, 0xF0, 10, 10);
    pump(20);
    key(false, 0x31);
    key(false, 0x04);
    const QStringList recorded = {"A    [Down]", "A      [Up]"};
    EXPECT_EQ(shown(), recorded);
    EXPECT_TRUE(lines(name).isEmpty()) << "saved only when Stop is pressed";

    click(control("stopButton"));
    EXPECT_FALSE(page->property("isRecordStart").toBool());
    EXPECT_EQ(lines(name), recorded);
}

TEST_F(MacroPage, AMouseButtonGoesBeforeTheSelectedLine) {
    openJump();
    clickListRow(control("actionList"), 2);
    ASSERT_EQ(page->property("selectedLine").toInt(), 2);
    click(control("addMouseButton"));
    EXPECT_EQ(lines("Jump"), (QStringList{"A    [Down]", "A      [Up]", "MS-L    [Down]",
                                          "MS-L      [Up]", "B    [Down]", "B      [Up]"}));
}

TEST_F(MacroPage, AKeyIsAppendedWhenNoLineIsSelected) {
    openJump();
    click(control("keyInput"));
    key(true, 0x58);
    click(control("addKeyButton"));
    EXPECT_EQ(lines("Jump").mid(4), (QStringList{"KP Enter    [Down]", "KP Enter      [Up]"}));
}

TEST_F(MacroPage, ADelayTypedAsFiveBecomesTen) {
    openJump();
    QQuickItem *field = item(control("delayField"));
    click(field);
    ASSERT_TRUE(field->hasActiveFocus());
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->view(), "5");
    click(control("addDelayButton"));
    EXPECT_EQ(field->property("text").toString(), "10");
    EXPECT_EQ(lines("Jump").last(), "10   [Delay]");
}

TEST_F(MacroPage, CutPastesOnceAndCopyPastesAgain) {
    openJump();
    clickListRow(control("actionList"), 0);
    click(control("cutButton"));
    EXPECT_EQ(lines("Jump").size(), 3);
    click(control("pasteButton"));
    EXPECT_FALSE(enabled("pasteButton")) << "a cut line is pasted once";
    click(control("pasteButton"));
    EXPECT_EQ(lines("Jump").size(), 4);
    EXPECT_EQ(lines("Jump").count("A    [Down]"), 1);

    clickListRow(control("actionList"), 3);
    click(control("copyButton"));
    click(control("pasteButton"));
    click(control("pasteButton"));
    const QStringList after = lines("Jump");
    EXPECT_EQ(after.size(), 6);
    EXPECT_EQ(after.count("B      [Up]"), 3);
}

TEST_F(MacroPage, DeletingTheCurrentFileEmptiesTheActions) {
    openJump();
    ASSERT_EQ(shown().size(), 4);
    click(control("deleteFileButton"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("modules/macro/Jump.bin")));
    EXPECT_EQ(eval(page, "fileList.mdItems.count").toInt(), 0);
    EXPECT_FALSE(enabled("recordButton"));
}

TEST_F(MacroPage, AnEditOfAFileDeletedMeanwhileEmptiesTheActions) {
    openJump();
    QFile::remove(folder.file("modules/macro/Jump.bin"));
    clickListRow(control("actionList"), 0);
    click(control("deleteLineButton"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("modules/macro/Jump.bin")));
}

TEST_F(MacroPage, TheContextMenuRenamesAFile) {
    clickListRow(control("fileList"), 0, Qt::RightButton);
    QObject *menu = control("contextMenu");
    ASSERT_TRUE(waitFor([menu] { return !menu->property("fading").toBool(); }));
    QQuickItem *m = item(menu);
    click(m, QPointF(22, 2 * 20 + 10)); // RENAME
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->view(), "Run");
    QTest::keyClick(window->view(), Qt::Key_Return);
    pump(20);
    EXPECT_TRUE(QFile::exists(folder.file("modules/macro/Run.bin")));
    EXPECT_EQ(eval(page, "fileList.mdItems.get(0).textX").toString(), "Run");
    EXPECT_TRUE(dialogs.boxes.isEmpty());

    // A hidden name would take the file out of the list: refused, with a word why.
    clickListRow(control("fileList"), 0, Qt::RightButton);
    ASSERT_TRUE(waitFor([menu] { return !menu->property("fading").toBool(); }));
    click(m, QPointF(22, 2 * 20 + 10));
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->view(), ".Run");
    QTest::keyClick(window->view(), Qt::Key_Return);
    pump(20);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_TRUE(dialogs.boxes[0].text.contains("\".Run\""));
    EXPECT_TRUE(QFile::exists(folder.file("modules/macro/Run.bin")));
    EXPECT_EQ(eval(page, "fileList.mdItems.get(0).textX").toString(), "Run");
}

// The menu opens at the row's height in the page, the list's scrolling taken off.
TEST_F(MacroPage, TheContextMenuOpensBesideItsRow) {
    for (int i = 1; i <= 14; ++i)
        window->view()->createMacroIni();
    eval(page, "refreshMacroFiles()");
    QObject *list = control("fileList");
    QObject *menu = control("contextMenu");
    const struct {
        int row;
        qreal scroll;
    } cases[] = {{0, 0}, {3, 0}, {12, 40}};
    for (const auto &c : cases) {
        part(list, "lvItems")->setProperty("contentY", c.scroll);
        pump(20);
        call(menu, "openFor", c.row);
        EXPECT_EQ(menu->property("y").toReal(), c.row * 20 - c.scroll + 40) << c.row;
        EXPECT_EQ(menu->property("x").toReal(), 119 - 45);
    }
}

} // namespace
