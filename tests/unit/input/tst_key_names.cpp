#include "key_names.h"

#include <QFileInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The codes that have a name: 04-30, 31, 33-73, 85, 87-8B, 90-91, E0-E7, F0-F4.
QSet<int> namedCodes() {
    QSet<int> codes;
    auto range = [&codes](int from, int to) {
        for (int c = from; c <= to; ++c)
            codes.insert(c);
    };
    range(0x04, 0x31);
    range(0x33, 0x73);
    range(0x85, 0x85);
    range(0x87, 0x8B);
    range(0x90, 0x91);
    range(0xE0, 0xE7);
    range(0xF0, 0xF4);
    return codes;
}

TEST(KeyNames, TableHolds132NamesWithDistinctCodesCoveringExactlyTheNamedRange) {
    buildKeyNameTable();
    buildKeyNameTable(); // rebuilding starts from empty
    const QMap<QString, uchar> &table = keyNameTable();
    EXPECT_EQ(table.size(), 132);
    QSet<int> codes;
    for (uchar code : table)
        codes.insert(code);
    EXPECT_EQ(codes.size(), 132) << "two names share a code";
    EXPECT_EQ(codes, namedCodes());
}

TEST(KeyNames, LooksUpTheExactWords) {
    struct Case {
        const char *name; // UTF-8
        int code;
    };
    const Case cases[] = {
        {"A", 0x04},
        {"Z", 0x1D},
        {"1", 0x1E},
        {"9", 0x26},
        {"0", 0x27},
        {"Back", 0x2A},
        {"- _", 0x2D},
        {"] }", 0x30},
        {"\\ |", 0x31},
        {"; :", 0x33},
        {"' \"", 0x34},
        {"` ~", 0x35},
        {"/ ?", 0x38},
        {"F12", 0x45},
        {"PgD", 0x4E},
        {"\u25BA", 0x4F},
        {"\u25C4", 0x50},
        {"\u25BC", 0x51},
        {"\u25B2", 0x52},
        {"Num", 0x53},
        {"KP Enter", 0x58},
        {"KP 6", 0x5E},
        {"KP 7 ", 0x5F},
        {"KP 8", 0x60},
        {"KP .", 0x63},
        {"KP =", 0x67},
        {"F13", 0x68},
        {"F24", 0x73},
        {"Keypad", 0x85},
        {"Int'l 1", 0x87},
        {"Intl'2", 0x88},
        {"Int'l 2", 0x89},
        {"Int'l 5", 0x8B},
        {"Lang 2", 0x91},
        {"L Ctrl", 0xE0},
        {"R Win", 0xE7},
        {"MS-L", 0xF0},
        {"MS-B4", 0xF3},
        {"MS-B5", 0xF4},
        // Not names: 0.
        {"KP 7", 0},
        {"a", 0},
        {"", 0},
        {"Int'l 3", 0},
        {"Space ", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(keyCodeForName(QString::fromUtf8(c.name)), c.code) << c.name;
}

// The QML pages keep the same names in KeyCodeString.qml. Both sides must agree, except that
// "\ |" is 0x31 here and 0x32 there.
TEST(KeyNames, AgreesWithTheQmlTable) {
    const QString document =
        qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/modules/qml/basic/KeyCodeString.qml";
    ASSERT_TRUE(QFileInfo::exists(document)) << document.toStdString();

    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl::fromLocalFile(document));
    std::unique_ptr<QObject> names(component.create());
    ASSERT_TRUE(names) << component.errorString().toStdString();
    const QVariantMap keys = names->property("str2keycode").toMap();
    const QVariantMap mouse = names->property("str2mousecode").toMap();

    buildKeyNameTable();
    QVariantMap expectedKeys, expectedMouse;
    for (auto i = keyNameTable().cbegin(); i != keyNameTable().cend(); ++i) {
        const int code = i.value() == 0x31 ? 0x32 : i.value();
        (code >= 0xF0 ? expectedMouse : expectedKeys).insert(i.key(), code);
    }
    EXPECT_EQ(keys.size(), 127);
    for (auto i = expectedKeys.cbegin(); i != expectedKeys.cend(); ++i)
        EXPECT_EQ(keys.value(i.key()).toInt(), i.value().toInt()) << i.key().toStdString();
    for (auto i = expectedMouse.cbegin(); i != expectedMouse.cend(); ++i)
        EXPECT_EQ(mouse.value(i.key()).toInt(), i.value().toInt()) << i.key().toStdString();
    EXPECT_EQ(keys.keys(), expectedKeys.keys());
    EXPECT_EQ(mouse.keys(), expectedMouse.keys());
}

} // namespace
