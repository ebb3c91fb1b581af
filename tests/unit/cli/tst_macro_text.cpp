// Macro text files: one action per line into the stored line form.
#include "key_names.h"
#include "macro_text.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char *text;
    const char *stored; // nullptr: the line is refused
};

class MacroTextLine : public ::testing::TestWithParam<Row> {};

TEST_P(MacroTextLine, ParsesOrNamesTheLine) {
    buildKeyNameTable();
    const Row &row = GetParam();
    QStringList lines;
    Status error;
    const bool ok = MacroText::parse(QString::fromUtf8(row.text), "f.txt", &lines, &error);
    if (!row.stored) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(error.code, Status::BadInput);
        EXPECT_TRUE(error.message.startsWith("f.txt:1: ")) << error.message.toStdString();
        return;
    }
    ASSERT_TRUE(ok) << error.message.toStdString();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QString::fromUtf8(row.stored));
    // What "macro show" prints reads back to the same stored line.
    QStringList again;
    ASSERT_TRUE(MacroText::parse(MacroText::readable(lines[0]), "f.txt", &again, &error));
    EXPECT_EQ(again, lines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MacroTextLine,
    ::testing::Values(Row{"A down", "A    [Down]"}, Row{"a UP", "A      [Up]"},
                      Row{"kp enter down", "KP Enter    [Down]"},
                      // the stored name keeps its trailing blank
                      Row{"KP 7 down", "KP 7     [Down]"}, Row{"MS-L up", "MS-L      [Up]"},
                      Row{"50 ms", "50   [Delay]"}, Row{"  1271ms  ", "1271   [Delay]"},
                      Row{"Up down", "\xE2\x96\xB2    [Down]"}, Row{"B    [Down]", "B    [Down]"},
                      Row{"20   [Delay]", "20   [Delay]"}, Row{"0 ms", nullptr},
                      Row{"-5 ms", nullptr}, Row{"x ms", nullptr}, Row{"Foo down", nullptr},
                      Row{"A press", nullptr}, Row{"A", nullptr}, Row{"   [Delay]x", nullptr},
                      Row{"Nope      [Up]", nullptr}));

TEST(MacroText, SkipsBlankAndCommentLinesAndCountsLinesForErrors) {
    buildKeyNameTable();
    QStringList lines;
    Status error;
    ASSERT_TRUE(MacroText::parse("# title\r\n\r\nA down\r\n  \r\nA up\r\n", "m", &lines, &error));
    EXPECT_EQ(lines, (QStringList{"A    [Down]", "A      [Up]"}));
    EXPECT_FALSE(MacroText::parse("A down\n\nB sideways\n", "m", &lines, &error));
    EXPECT_TRUE(error.message.startsWith("m:3: ")) << error.message.toStdString();
}

} // namespace
