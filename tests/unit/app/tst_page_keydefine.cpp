// The key assignment page in the real scene: choices made with the mouse and the keyboard,
// checked in the virtual mouse's key matrix, its macro slots and the profile file.
#include "page_scene.h"

#include <QTest>

namespace {

class KeyPage : public pagescene::PageScene {
protected:
    void prepareFolder() override {
        QByteArray profile = pagescene::staged("setting/pD.bin");
        for (const auto &[from, to] : profileEdits)
            profile.replace(from, to);
        folder.write("modules/setting/p1.bin", emptyProfile ? QByteArray() : profile);
        QByteArray second = pagescene::staged("setting/pD.bin");
        second.replace("\n3=1, 0, 244, 0", "\n3=0, 0, 5, 0");
        folder.write("modules/setting/p2.bin", second);
        for (const auto &[name, index] : macros)
            writeMacro(name, {"A    [Down]", "A      [Up]"}, index);
    }

    void SetUp() override {
        PageScene::SetUp();
        if (HasFatalFailure())
            return;
        showPage(0);
        page = r8("_Page_Keydefine");
        ASSERT_TRUE(page);
    }

    QObject *control(const char *alias) { return part(page, alias); }
    int index(const char *alias) { return call(control(alias), "getCurIndex").toInt(); }
    void selectKey(int selectorIndex) { pickDropdown(control("keySelector"), selectorIndex); }
    void chooseFunction(int function) { pickDropdown(control("functionMenu"), function); }
    void apply() {
        click(control("applyButton"));
        window->hid()->waitForTransfers();
        // The page's busy lock ends before the next click can land.
        ASSERT_TRUE(waitFor([this] { return window->view()->isEnabled(); }));
    }
    QString modelKey(int keyId) {
        return eval(page, QStringLiteral("model.record(%1).join(',')").arg(keyId)).toString();
    }
    QStringList modelKeys() {
        QStringList all;
        for (int id = 0; id < 16; ++id)
            all << modelKey(id);
        return all;
    }
    // Clicks into a text field, replaces its text and, with `confirm`, presses Return.
    void type(const char *field, const QString &text, bool confirm) {
        click(control(field));
        QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(window->view(), text);
        if (confirm)
            QTest::keyClick(window->view(), Qt::Key_Return);
        pump(20);
    }
    // Device traffic: every transfer opens the mouse's interface.
    int deviceOpens() {
        window->hid()->waitForTransfers();
        return bus.openCount();
    }

    std::vector<std::pair<QByteArray, QByteArray>> profileEdits;
    std::vector<std::pair<QString, int>> macros;
    QObject *page = nullptr;
    bool emptyProfile = false;
};

TEST_F(KeyPage, ALanguageNamingFiveKeysListsFiveAndIndexThreeEditsKeyThree) {
    QObject *r8 = object("main_R8");
    r8->setProperty("_ProductLayoutStringList", QStringList{"L", "R", "M", "F", "B", "", "", "", "",
                                                            "", "", "", "", "", "", ""});
    call(page, "translateStrings");
    call(page, "initUI");
    QObject *selector = control("keySelector");
    EXPECT_EQ(part(selector, "mdItems")->property("count").toInt(), 5);
    EXPECT_EQ(index("keySelector"), 3);

    chooseFunction(0); // KEYBOARD
    click(control("keyboardInput"));
    pagescene::PageScene::key(true, 0x04);
    EXPECT_EQ(modelKey(3), "0,0,4,0");
    apply();
    EXPECT_EQ(deviceKey(3), "00 00 04 00");
    EXPECT_EQ(storedKey(3), "0,0,4,0");
}

TEST_F(KeyPage, AKeyWithoutANameIsWrittenWithItsCodeAndShowsEmpty) {
    chooseFunction(0);
    click(control("keyboardInput"));
    pagescene::PageScene::key(true, 0x31);
    EXPECT_EQ(modelKey(3), "0,0,49,0");
    EXPECT_EQ(control("keyboardInput")->property("tmpKeyString").toString(), "");
}

TEST_F(KeyPage, ComboWithLShiftAndAReopensAsLShift) {
    chooseFunction(3);
    pickDropdown(control("comboModifier"), 2);
    click(control("comboKey1"));
    tap(0x04);
    EXPECT_EQ(modelKey(3), "0,2,4,0");
    apply();
    EXPECT_EQ(deviceKey(3), "00 02 04 00");

    selectKey(0);
    EXPECT_EQ(index("functionMenu"), 1);
    selectKey(3);
    EXPECT_EQ(index("functionMenu"), 3);
    EXPECT_EQ(index("comboModifier"), 2);
    EXPECT_EQ(control("comboKey1")->property("tmpKeyString").toString(), "A");
}

class FirstStart : public KeyPage {
protected:
    FirstStart() { emptyProfile = true; }
};

TEST_F(FirstStart, KeysNeverStoredShowTheirDefaults) {
    EXPECT_EQ(modelKey(3), "1,0,244,0");
    EXPECT_EQ(index("functionMenu"), 1);
    EXPECT_EQ(index("mouseList"), 4);
}

class StoredKeys : public KeyPage {
protected:
    StoredKeys() {
        profileEdits = {{"\n3=1, 0, 244, 0", "\n3=10, 240, 33, 3"},
                        {"\n4=1, 0, 243, 0", "\n4=10, 240, 45, 3"},
                        {"\n5=7, 0, 3, 0", "\n5=7, 0, 1, 0"},
                        {"scrollswap=false", "scrollswap=true"}};
    }
};

TEST_F(StoredKeys, FireRecordsShowAsTripleClickOrFireKey) {
    EXPECT_EQ(index("functionMenu"), 1) << "0A F0 21 03 is TRIPLE CLICK on the MOUSE list";
    EXPECT_EQ(index("mouseList"), 5);

    selectKey(4);
    EXPECT_EQ(index("functionMenu"), 5);
    EXPECT_TRUE(control("fireMouseRadio")->property("isSelect").toBool());
    EXPECT_EQ(index("fireMouseList"), 0);
    EXPECT_EQ(control("fireSlider")->property("currentIndex").toInt(), 6);
    EXPECT_EQ(control("shotsField")->property("text").toString(), "3");

    // The English file names DPI + itself; the list shows it.
    selectKey(5);
    EXPECT_EQ(index("mouseList"), 6);
    EXPECT_EQ(eval(page, "mouseList.mdItems.get(6).textX").toString(), "DPI +");
}

TEST_F(KeyPage, FireKeyWithAKeyAndSliderWritesSpeedAndShots) {
    chooseFunction(5);
    click(control("fireKeyInput"));
    tap(0x04);
    EXPECT_EQ(modelKey(3), "10,4,10,10") << "no slider position yet: the default speed";
    QQuickItem *slider = item(control("fireSlider"));
    click(slider, QPointF(5, slider->height() / 2)); // far left: slowest
    EXPECT_EQ(modelKey(3), "10,4,255,10");
}

TEST_F(KeyPage, ListChoicesWriteTheirRecords) {
    struct Case {
        int function;
        const char *list;
        int entry;
        const char *record;
    };
    const Case cases[] = {
        {1, "mouseList", 9, "4,0,1,0"},   // SCROLL UP
        {1, "mouseList", 7, "7,0,2,0"},   // DPI -
        {2, "mediaList", 1, "3,0,182,0"}, // PREVIOUS TRACK, usage 0x00B6
        {2, "mediaList", 8, "3,0,138,1"}, // MAIL, usage 0x018A
        {6, nullptr, 0, "11,0,0,0"},      // LED CONTROL: written by the menu itself
    };
    for (const Case &c : cases) {
        chooseFunction(c.function);
        if (c.list)
            pickFileListButton(control(c.list), c.entry);
        EXPECT_EQ(modelKey(3), c.record) << c.function << " " << c.entry;
    }
}

TEST_F(StoredKeys, ApplySendsTheStoredScrollSwapWithTheMatrix) {
    EXPECT_TRUE(control("scrollSwap")->property("isSelect").toBool());
    apply();
    EXPECT_EQ(bus.mouseState().option1 & 0x40, 0x40);
    EXPECT_EQ(deviceKey(4), "0a f0 2d 03");
}

class MacroKeys : public KeyPage {
protected:
    MacroKeys() {
        for (int i = 1; i <= 13; ++i)
            macros.push_back({QStringLiteral("Macro. %1").arg(i, 3, 10, QChar('0')), -1});
    }
};

TEST_F(MacroKeys, BindingTakesTheLowestFreeSlotAndWritesIt) {
    chooseFunction(4);
    pickFileListButton(control("macroList"), 1);
    EXPECT_EQ(modelKey(3), "9,0,1,0");
    EXPECT_EQ(macroValue("Macro. 002", "config/index").toInt(), 0);
    window->hid()->waitForTransfers();
    const auto slot = bus.mouseState().macros[0];
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(slot.data()), 8).toHex(' '),
              "00 01 01 04 81 04 00 00");
    EXPECT_EQ(deviceKey(3), "00 00 00 00") << "the key itself waits for Apply";
}

// Rebinding a key to another macro gives the first file's slot back before the new file is
// placed, so two files never claim one slot.
TEST_F(MacroKeys, RebindingFreesTheOldSlotFirst) {
    chooseFunction(4);
    pickFileListButton(control("macroList"), 0);
    EXPECT_EQ(modelKey(3), "9,0,1,0");
    pickFileListButton(control("macroList"), 1);
    EXPECT_EQ(modelKey(3), "9,0,1,0");
    EXPECT_EQ(macroValue("Macro. 001", "config/index").toInt(), -1);
    EXPECT_EQ(macroValue("Macro. 002", "config/index").toInt(), 0);
}

TEST_F(MacroKeys, AllResetGivesTheMacroSlotBack) {
    chooseFunction(4);
    pickFileListButton(control("macroList"), 0);
    ASSERT_EQ(macroValue("Macro. 001", "config/index").toInt(), 0);
    click(member("downItem", "resetButton")); // ALL RESET
    EXPECT_EQ(modelKey(3), "1,0,244,0");
    EXPECT_EQ(macroValue("Macro. 001", "config/index").toInt(), -1);
}

class TwelveSlotsUsed : public KeyPage {
protected:
    TwelveSlotsUsed() {
        for (int i = 1; i <= 13; ++i)
            macros.push_back(
                {QStringLiteral("Macro. %1").arg(i, 3, 10, QChar('0')), i <= 12 ? i - 1 : -1});
        const int keys[12] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        for (int k = 0; k < 12; ++k) {
            const QByteArray id = "\n" + QByteArray::number(keys[k]) + "=";
            QByteArray old = pagescene::staged("setting/pD.bin");
            const int at = old.indexOf(id, old.indexOf("[keydefine_R8]"));
            const int end = old.indexOf('\n', at + 1);
            profileEdits.push_back(
                {old.mid(at, end - at), id + "9, 0, " + QByteArray::number(k + 1) + ", 0"});
        }
    }
};

TEST_F(TwelveSlotsUsed, AThirteenthMacroLeavesAnEmptyRecord) {
    chooseFunction(4);
    pickFileListButton(control("macroList"), 12);
    EXPECT_EQ(modelKey(3), "0,0,0,0");
    EXPECT_EQ(macroValue("Macro. 013", "config/index").toInt(), -1);
}

TEST_F(KeyPage, TheOnlyLeftButtonAsksAndARefusalKeepsIt) {
    selectKey(0);
    dialogs.questionAnswer = false;
    chooseFunction(6);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, "question");
    EXPECT_EQ(modelKey(0), "1,0,240,0");
    EXPECT_EQ(index("functionMenu"), 1);
    EXPECT_EQ(index("mouseList"), 0);

    // A second left button: the first may go without a question.
    selectKey(1);
    pickFileListButton(control("mouseList"), 0);
    EXPECT_EQ(modelKey(1), "1,0,240,0");
    selectKey(0);
    chooseFunction(6);
    EXPECT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(modelKey(0), "11,0,0,0");
}

TEST_F(KeyPage, NothingIsSentBeforeApplyAndAProfileSwitchDropsEdits) {
    chooseFunction(6);
    pump(50);
    window->hid()->waitForTransfers();
    EXPECT_EQ(deviceKey(3), "00 00 00 00");
    EXPECT_EQ(storedKey(3), "1,0,244,0");

    QObject *entries = part(member("main_R8", "profileMenu"), "entries");
    QQuickItem *p02 = nullptr;
    QMetaObject::invokeMethod(entries, "itemAt", Q_RETURN_ARG(QQuickItem *, p02), Q_ARG(int, 1));
    click(p02);
    EXPECT_EQ(modelKey(3), "0,0,5,0") << "reloaded from the second profile";
    EXPECT_EQ(index("functionMenu"), 0);

    click(member("downItem", "applyButton")); // ALL SAVE
    window->hid()->waitForTransfers();
    EXPECT_EQ(deviceKey(3), "00 00 05 00");
}

TEST_F(KeyPage, ResetRestoresTheDefaultRecordWithoutSending) {
    chooseFunction(6);
    click(control("resetButton"));
    EXPECT_EQ(modelKey(3), "1,0,244,0");
    EXPECT_EQ(index("mouseList"), 4);
    window->hid()->waitForTransfers();
    EXPECT_EQ(deviceKey(3), "00 00 00 00");
}

// The "times" and "shots" fields keep the focus after Return and after clicks elsewhere on
// the page; what they hold goes only to the key and function it was typed for.
class TypedFields : public KeyPage {
protected:
    TypedFields() {
        profileEdits = {{"\n3=1, 0, 244, 0", "\n3=9, 0, 1, 0"}};
        macros = {{"Macro. 001", 0}};
    }
    void SetUp() override {
        KeyPage::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(index("functionMenu"), 4) << "key 4 shows its macro";
        before = modelKeys();
    }
    // Every record but `keyId` as it was at the start.
    void expectOthersUntouched(int keyId) {
        const QStringList now = modelKeys();
        for (int id = 0; id < 16; ++id) {
            if (id != keyId) {
                EXPECT_EQ(now[id], before[id]) << "key ID " << id;
            }
        }
    }
    QStringList before;
};

TEST_F(TypedFields, TimesConfirmedForOneKeyStayThereWhenAnotherIsChosen) {
    type("timesField", "3", true);
    EXPECT_EQ(modelKey(3), "9,0,1,0");
    EXPECT_EQ(macroValue("Macro. 001", "config/repeat").toInt(), 3);
    const int opens = deviceOpens();
    selectKey(1); // KEY 2, the right button
    EXPECT_EQ(deviceOpens(), opens) << "no second macro write";
    expectOthersUntouched(3);
    apply();
    EXPECT_EQ(deviceKey(1), "01 00 f1 00");
    EXPECT_EQ(deviceKey(3), "09 00 01 00");
}

TEST_F(TypedFields, AKeyCapturedAfterTheFunctionChangedIsWhatApplySends) {
    click(control("timesField"));
    chooseFunction(0); // KEYBOARD
    click(control("keyboardInput"));
    pagescene::PageScene::key(true, 0x04);
    EXPECT_EQ(control("keyboardInput")->property("tmpKeyString").toString(), "A");
    apply();
    EXPECT_EQ(deviceKey(3), "00 00 04 00");
    EXPECT_EQ(storedKey(3), "0,0,4,0");
    expectOthersUntouched(3);
}

TEST_F(TypedFields, AProfileSwitchLeavesNothingForApplyToCommit) {
    click(control("timesField"));
    QObject *entries = part(member("main_R8", "profileMenu"), "entries");
    QQuickItem *p02 = nullptr;
    QMetaObject::invokeMethod(entries, "itemAt", Q_RETURN_ARG(QQuickItem *, p02), Q_ARG(int, 1));
    click(p02);
    ASSERT_EQ(modelKey(3), "0,0,5,0");
    apply();
    EXPECT_EQ(deviceKey(3), "00 00 05 00");
    EXPECT_EQ(window->view()->profiles()[1]->value("keydefine_R8/3").toStringList().join(','),
              "0,0,5,0");
}

TEST_F(TypedFields, ShotsConfirmedForOneKeyStayThereWhenAnotherIsChosen) {
    chooseFunction(5); // FIRE KEY
    pickDropdown(control("fireMouseList"), 0);
    ASSERT_EQ(modelKey(3), "10,240,10,10");
    type("shotsField", "5", true);
    EXPECT_EQ(modelKey(3), "10,240,10,5");
    selectKey(2); // KEY 3, the middle button
    EXPECT_EQ(modelKey(2), "1,0,242,0");
    expectOthersUntouched(3);
    apply();
    EXPECT_EQ(deviceKey(2), "01 00 f2 00");
    EXPECT_EQ(deviceKey(3), "0a f0 0a 05");
}

// Typed without Return: the busy lock taking the focus commits nothing, leaving the field
// on the empty window does, and only once.
TEST_F(TypedFields, OnlyLeavingTheFieldCommitsAnUnconfirmedValue) {
    type("timesField", "7", false);
    const int opens = deviceOpens();
    window->view()->setEnabled(false); // what the busy lock does
    pump(20);
    window->view()->setEnabled(true);
    pump(20);
    EXPECT_EQ(deviceOpens(), opens);
    EXPECT_EQ(macroValue("Macro. 001", "config/repeat").toInt(), 1);

    click(item(root()), QPointF(4, 4)); // the empty window
    EXPECT_FALSE(control("timesField")->property("activeFocus").toBool());
    EXPECT_EQ(macroValue("Macro. 001", "config/repeat").toInt(), 7);
    const int afterCommit = deviceOpens();
    EXPECT_GT(afterCommit, opens) << "the macro went to its slot with the new count";
    click(item(root()), QPointF(4, 4));
    EXPECT_EQ(deviceOpens(), afterCommit) << "unchanged: nothing more";
    expectOthersUntouched(3);
}

TEST_F(TypedFields, ApplyKeepsAShotCountTypedWithoutReturn) {
    chooseFunction(5);
    pickDropdown(control("fireMouseList"), 1);
    type("shotsField", "42", false);
    apply();
    EXPECT_EQ(deviceKey(3), "0a f1 0a 2a");
    expectOthersUntouched(3);
}

} // namespace
