// Rules: how a match is read, how patterns match, which rule wins, and the rules file.
#include "profile_choice.h"
#include "program_folder.h"
#include "rules_file.h"

#include <gtest/gtest.h>

namespace {

using Kind = SwitchRule::Kind;

TEST(SwitchRules, MatchTextReadsAsTyped) {
    struct Case {
        const char *typed;
        bool accepted;
        Kind kind;
        const char *stored; // as list and file show it
    };
    const Case cases[] = {
        {"gimp*", true, Kind::Program, "exe:gimp*"},
        {"exe:game.exe", true, Kind::Program, "exe:game.exe"},
        {"class:Gimp", true, Kind::WindowClass, "class:Gimp"},
        {"title:*YouTube*", true, Kind::WindowTitle, "title:*YouTube*"},
        // A colon inside the pattern is part of it: drive letters, titles with "a: b".
        {"C:*game*", true, Kind::Program, "exe:C:*game*"},
        {"title:Doc: draft", true, Kind::WindowTitle, "title:Doc: draft"},
        {"*:*", true, Kind::Program, "exe:*:*"},
        {"", false, Kind::Program, ""},
        {"   ", false, Kind::Program, ""},
        {"exe:", false, Kind::Program, ""},
        {"title:", false, Kind::Program, ""},
        {"wine:game", false, Kind::Program, ""}, // a misspelt kind, not a program
    };
    for (const Case &c : cases) {
        QString error;
        const auto rule = parseSwitchRule(QString::fromUtf8(c.typed), 1, &error);
        ASSERT_EQ(bool(rule), c.accepted) << c.typed;
        if (!rule) {
            EXPECT_FALSE(error.isEmpty()) << c.typed;
            continue;
        }
        EXPECT_EQ(rule->kind, c.kind) << c.typed;
        EXPECT_EQ(rule->matchText(), QString::fromUtf8(c.stored)) << c.typed;
    }
    QString error;
    EXPECT_FALSE(parseSwitchRule("gimp", 10, &error)); // P11
    EXPECT_FALSE(parseSwitchRule("gimp", -1, &error));
    EXPECT_TRUE(parseSwitchRule("gimp", 9, &error));
}

TEST(SwitchRules, GlobMatchesWholeTextIgnoringCase) {
    struct Case {
        const char *pattern;
        const char *text;
        bool matches;
    };
    const Case cases[] = {
        {"gimp", "GIMP", true},
        {"gimp", "gimp-2.10", false}, // whole name only
        {"gimp*", "gimp-2.10", true},
        {"*YouTube*", "Cats - YouTube - Mozilla Firefox", true},
        {"*/home/*", "~/home/me - Files", true}, // * crosses slashes in titles
        {"game?.exe", "game2.exe", true},
        {"game?.exe", "game.exe", false},
        {"game[0-9]", "game7", true},
        {"game[!0-9]", "game7", false},
        {"game[!0-9]", "gameX", true},
        {"a+b (x)", "a+b (x)", true}, // regular-expression characters stand for themselves
        {"a.b", "axb", false},
        {"[abc", "[abc", true}, // an unclosed set is literal
        {"über*", "ÜBERSPIEL", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GlobPattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.text)),
                  c.matches)
            << c.pattern << " ~ " << c.text;
}

SwitchRule rule(const char *match, int profile) {
    QString error;
    return *parseSwitchRule(QString::fromUtf8(match), profile, &error);
}

TEST(SwitchRules, FirstMatchingRuleWinsElseTheDefault) {
    SwitchRules rules;
    rules.rules = {rule("title:*YouTube*", 4), rule("class:gimp", 1), rule("steam*", 2),
                   rule("game.exe", 3)};
    rules.defaultProfile = 0;

    FocusedWindow gimp{true, "gimp", "Gimp", "GNU Image Manipulation Program"};
    FocusedWindow browser{true, "Navigator", "firefox", "Cats - YouTube"};
    FocusedWindow unknown; // a Wayland session: no rule on windows can match

    struct Case {
        const char *name;
        QStringList programs;
        FocusedWindow focus;
        int profile;
        int rule;
    };
    const Case cases[] = {
        {"nothing matches: default",
         {"bash", "sleep"},
         FocusedWindow{true, "xterm", "XTerm", "~"},
         0,
         -1},
        {"class matches the instance", {}, gimp, 1, 1},
        {"class matches the class", {}, FocusedWindow{true, "x", "GIMP", ""}, 1, 1},
        {"an earlier rule beats a later one", {"game.exe"}, browser, 4, 0},
        {"program rules hold whatever has the focus", {"bash", "game.exe"}, gimp, 1, 1},
        {"program rule in order", {"steamwebhelper", "game.exe"}, unknown, 2, 2},
        {"unknown focus: window rules never match", {"bash"}, unknown, 0, -1},
    };
    for (const Case &c : cases) {
        const ProfileChoice choice = chooseProfile(rules, c.programs, c.focus);
        EXPECT_EQ(choice.profile, c.profile) << c.name;
        EXPECT_EQ(choice.rule, c.rule) << c.name;
    }
    rules.defaultProfile = -1;
    EXPECT_EQ(chooseProfile(rules, {"bash"}, unknown).profile, -1);
}

TEST(RulesFile, RoundTripsAndLeavesOutWhatDoesNotRead) {
    ProgramFolder folder;
    const QString path = folder.file("modules/setting/autoswitch.ini");
    EXPECT_TRUE(RulesFile::load(path).rules.isEmpty()); // no file: no rules, no default
    EXPECT_EQ(RulesFile::load(path).defaultProfile, -1);

    SwitchRules rules;
    rules.rules = {rule("title:Doc: draft", 9), rule("class:Gimp", 1)};
    rules.defaultProfile = 2;
    folder.write("modules/setting/p1.bin", ""); // makes the folder
    ASSERT_TRUE(RulesFile::save(path, rules));
    const SwitchRules back = RulesFile::load(path);
    ASSERT_EQ(back.rules.size(), 2);
    EXPECT_EQ(back.rules[0].matchText(), "title:Doc: draft");
    EXPECT_EQ(back.rules[0].profile, 9);
    EXPECT_EQ(back.rules[1].matchText(), "class:Gimp");
    EXPECT_EQ(back.defaultProfile, 2);
    // Profiles are kept as the user numbers them.
    EXPECT_TRUE(folder.read("modules/setting/autoswitch.ini").contains("2\\profile=2"));

    folder.write("modules/setting/autoswitch.ini", "[default]\nprofile=11\n"
                                                   "[rules]\n1\\match=gimp\n1\\profile=0\n"
                                                   "2\\match=\n2\\profile=3\n"
                                                   "3\\match=steam\n3\\profile=3\nsize=3\n");
    QStringList problems;
    const SwitchRules edited = RulesFile::load(path, &problems);
    ASSERT_EQ(edited.rules.size(), 1);
    EXPECT_EQ(edited.rules[0].matchText(), "exe:steam");
    EXPECT_EQ(edited.defaultProfile, -1);
    EXPECT_EQ(problems.size(), 3) << problems.join('\n').toStdString();

    // A folder that cannot be made (a file stands in its way).
    EXPECT_FALSE(RulesFile::save(folder.file("modules/setting/p1.bin/autoswitch.ini"), rules));
}

} // namespace
