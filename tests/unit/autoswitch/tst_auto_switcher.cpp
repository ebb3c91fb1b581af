// When the switcher sends a profile, and when it holds back.
#include "auto_switcher.h"

#include <functional>
#include <utility>

#include <gtest/gtest.h>

namespace {

struct RecordingLink : MouseLink {
    QList<int> applied;
    bool answers = true;
    bool connect() override { return answers; }
    bool apply(int profile) override {
        if (!answers)
            return false;
        applied.append(profile);
        return true;
    }
};

SwitchRules gameRules() {
    QString error;
    SwitchRules rules;
    rules.rules = {*parseSwitchRule("game*", 1, &error), *parseSwitchRule("class:Gimp", 2, &error)};
    rules.defaultProfile = 0;
    return rules;
}

TEST(AutoSwitcher, SendsOnlyWhenTheChoiceChanges) {
    RecordingLink link;
    AutoSwitcher s(link);
    s.setRules(gameRules());
    EXPECT_TRUE(link.applied.isEmpty()); // no mouse yet
    s.setMouseAnswers(true);
    s.setPrograms({"bash"});
    s.setPrograms({"bash", "game"});
    s.setPrograms({"bash", "game", "game2"}); // still rule 1
    s.setFocus(FocusedWindow{true, "xterm", "XTerm", "a"});
    s.setFocus(FocusedWindow{true, "xterm", "XTerm", "b"});
    s.setRules(gameRules()); // the file saved again, unchanged
    s.setPrograms({"bash"});
    s.setFocus(FocusedWindow{true, "gimp", "Gimp", "x"});
    s.setFocus(FocusedWindow{true, "gimp", "Gimp", "y"});
    EXPECT_EQ(link.applied, (QList<int>{0, 1, 0, 2}));
    EXPECT_EQ(s.appliedProfile(), 2);

    // No default: when nothing matches, the mouse keeps what it has.
    SwitchRules noDefault = gameRules();
    noDefault.defaultProfile = -1;
    s.setRules(noDefault);
    s.setFocus(FocusedWindow{});
    EXPECT_EQ(link.applied, (QList<int>{0, 1, 0, 2}));
}

TEST(AutoSwitcher, LeavesTheMouseAloneWhileTheWindowIsOpenThenAppliesAgain) {
    RecordingLink link;
    AutoSwitcher s(link);
    s.setRules(gameRules());
    s.setMouseAnswers(true);
    s.setWindowOpen(true);
    s.setPrograms({"game"});
    s.setPrograms({});
    s.setPrograms({"game"});
    EXPECT_EQ(link.applied, QList<int>{0});
    // The window may have sent any profile: the chosen one goes again, once.
    s.setWindowOpen(false);
    s.setWindowOpen(false);
    EXPECT_EQ(link.applied, (QList<int>{0, 1}));
}

TEST(AutoSwitcher, WaitsForTheMouseAndAppliesAgainWhenItComesBack) {
    RecordingLink link;
    link.answers = false;
    QStringList said;
    AutoSwitcher s(link, [&said](const QString &line) { said.append(line); });
    s.setRules(gameRules());
    s.setMouseAnswers(false);
    s.setPrograms({"game"});
    EXPECT_TRUE(link.applied.isEmpty());

    link.answers = true;
    s.setMouseAnswers(true);
    EXPECT_EQ(link.applied, QList<int>{1});
    // Unplugged: an apply that fails makes the switcher wait, and not retry by itself.
    link.answers = false;
    s.setPrograms({});
    EXPECT_FALSE(s.mouseAnswers());
    s.setPrograms({"game"});
    EXPECT_EQ(link.applied, QList<int>{1});
    // Re-plugged: the choice goes again although it is the profile sent before the unplug.
    link.answers = true;
    s.setMouseAnswers(true);
    EXPECT_EQ(link.applied, (QList<int>{1, 1}));
    s.setPrograms({});
    EXPECT_EQ(link.applied, (QList<int>{1, 1, 0}));
    EXPECT_TRUE(said.contains("P01 applied (default)")) << said.join('\n').toStdString();
    EXPECT_TRUE(said.contains("P02 applied (rule 1: exe:game*)"));
}

} // namespace

namespace {

// The device layer pumps events while it waits for the mouse: news arrive during an apply.
struct MidApplyLink : MouseLink {
    QList<int> applied;
    std::function<void()> during;
    bool connect() override { return true; }
    bool apply(int profile) override {
        applied.append(profile);
        if (auto news = std::exchange(during, nullptr))
            news();
        return true;
    }
};

TEST(AutoSwitcher, NewsDuringAnApplyAreDecidedAfterItNeverInsideIt) {
    MidApplyLink link;
    AutoSwitcher s(link);
    s.setRules(gameRules());
    // The game starts while the default goes out: the default is not sent twice, and the
    // game's profile follows once it is done.
    link.during = [&s] { s.setPrograms({"game"}); };
    s.setMouseAnswers(true);
    EXPECT_EQ(link.applied, (QList<int>{0, 1}));
    EXPECT_EQ(s.appliedProfile(), 1);

    // The window opens and closes while a profile goes out: the choice goes again.
    link.during = [&s] {
        s.setWindowOpen(true);
        s.setWindowOpen(false);
    };
    s.setPrograms({});
    EXPECT_EQ(link.applied, (QList<int>{0, 1, 0, 0}));
    EXPECT_EQ(s.appliedProfile(), 0);
}

} // namespace
