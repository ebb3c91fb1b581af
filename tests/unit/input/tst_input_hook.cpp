#include "code_maps.h"
#include "input_hook.h"
#include "qt_print.h"
#include "scripted_input_source.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// What the callbacks were handed, e.g. "kb 28 down", "ms f0 up 10,20".
QStringList received;

void recordKey(quint8 keyCode, bool isDown, void *context) {
    received.append(QStringLiteral("kb %1 %2%3")
                        .arg(keyCode, 2, 16, QLatin1Char('0'))
                        .arg(isDown ? "down" : "up")
                        .arg(context ? "" : " (no context)"));
}

void recordMouse(quint8 buttonCode, bool isDown, qint32 x, qint32 y, void *) {
    received.append(QStringLiteral("ms %1 %2 %3,%4")
                        .arg(buttonCode, 2, 16)
                        .arg(isDown ? "down" : "up")
                        .arg(x)
                        .arg(y));
}

int context = 0;

class Hook : public ::testing::Test {
protected:
    void SetUp() override {
        received.clear();
        InputHook::setKeyboardCallback(recordKey, &context);
        InputHook::setMouseCallback(recordMouse, &context);
        ASSERT_TRUE(hook.install(0));
    }
    void TearDown() override {
        hook.uninstall();
        InputHook::setKeyboardCallback(nullptr, nullptr);
        InputHook::setMouseCallback(nullptr, nullptr);
    }

    ScriptedInputSource source;
    InputHook hook{{&source}};
};

TEST(CodeMaps, HoldEveryRowOnce) {
    const ScanCodeMap scanCodes = buildScanCodeMap();
    EXPECT_EQ(scanCodes.size(), 105);
    int extended = 0;
    for (auto it = scanCodes.begin(); it != scanCodes.end(); ++it)
        extended += it.key() & 1;
    EXPECT_EQ(extended, 19);
    EXPECT_EQ(buildUsageMap(0).size(), 121);
    EXPECT_EQ(buildUsageMap(0).value(0xDC), 0x31);
    EXPECT_EQ(buildUsageMap(7).value(0xDC), 0x32);
    EXPECT_EQ(buildUsageMap(7).size(), 121);
}

// Scan code (set 1, E0 prefix as the extended flag) to the USB usage a keyboard of that
// key reports: both tables together, at the ends of their runs.
TEST_F(Hook, ScanCodesReachTheUsagesOfTheirKeys) {
    struct Row {
        quint32 scanCode;
        bool extended;
        int usage;
    };
    const Row rows[] = {
        {0x01, false, 0x29}, {0x02, false, 0x1E}, {0x0A, false, 0x26}, {0x0B, false, 0x27},
        {0x0C, false, 0x2D}, {0x0D, false, 0x2E}, {0x0E, false, 0x2A}, {0x0F, false, 0x2B},
        {0x10, false, 0x14}, {0x19, false, 0x13}, {0x1A, false, 0x2F}, {0x1B, false, 0x30},
        {0x1D, false, 0xE0}, {0x1E, false, 0x04}, {0x26, false, 0x0F}, {0x27, false, 0x33},
        {0x28, false, 0x34}, {0x29, false, 0x35}, {0x2A, false, 0xE1}, {0x2C, false, 0x1D},
        {0x32, false, 0x10}, {0x33, false, 0x36}, {0x34, false, 0x37}, {0x35, false, 0x38},
        {0x37, false, 0x55}, {0x38, false, 0xE2}, {0x39, false, 0x2C}, {0x3A, false, 0x39},
        {0x3B, false, 0x3A}, {0x44, false, 0x43}, {0x47, false, 0x5F}, {0x49, false, 0x61},
        {0x4A, false, 0x56}, {0x4B, false, 0x5C}, {0x4D, false, 0x5E}, {0x4E, false, 0x57},
        {0x4F, false, 0x59}, {0x51, false, 0x5B}, {0x52, false, 0x62}, {0x53, false, 0x63},
        {0x56, false, 0x64}, {0x57, false, 0x44}, {0x58, false, 0x45}, {0x1D, true, 0xE4},
        {0x35, true, 0x54},  {0x38, true, 0xE6},  {0x47, true, 0x4A},  {0x48, true, 0x52},
        {0x49, true, 0x4B},  {0x4B, true, 0x50},  {0x4D, true, 0x4F},  {0x4F, true, 0x4D},
        {0x50, true, 0x51},  {0x51, true, 0x4E},  {0x52, true, 0x49},  {0x53, true, 0x4C},
        {0x5D, true, 0x65},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QString::number(row.scanCode, 16).toStdString() +
                     (row.extended ? " extended" : ""));
        received.clear();
        source.press(row.scanCode, row.extended ? HookFlag::Extended : 0);
        const QString code = QString::number(row.usage, 16).rightJustified(2, '0');
        EXPECT_EQ(received, QStringList({"kb " + code + " down", "kb " + code + " up"}));
    }
}

TEST_F(Hook, KeysWithoutATranslationGiveNothing) {
    struct Row {
        const char *what;
        quint32 scanCode;
        quint32 flags;
    };
    const Row rows[] = {
        {"right Windows", 0x5C, HookFlag::Extended},
        {"plain right Shift", 0x36, 0},
        {"SysRq without Alt", 0x54, 0},
        {"F13", 0x64, 0},
        {"unused code", 0x00, 0},
        {"scan code above 0xFF", 0x11E, 0}, // would be A (1E) if cut to a byte
        {"extended A", 0x1E, HookFlag::Extended},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        source.press(row.scanCode, row.flags);
    }
    EXPECT_TRUE(received.isEmpty()) << received.join(", ").toStdString();
}

TEST_F(Hook, BreakAndSysRqAreTakenForPauseAndPrintScreen) {
    source.press(0x46, HookFlag::Extended); // Ctrl+Pause
    source.press(0x46, HookFlag::Extended | HookFlag::AltDown);
    source.press(0x46);                                           // Scroll Lock
    source.key(HookMessage::SysKeyDown, 0x54, HookFlag::AltDown); // Alt+Print Screen
    source.key(HookMessage::SysKeyUp, 0x54, HookFlag::AltDown);
    EXPECT_EQ(received, QStringList({"kb 48 down", "kb 48 up", "kb 48 down", "kb 48 up",
                                     "kb 47 down", "kb 47 up", "kb 46 down", "kb 46 up"}));
}

TEST_F(Hook, AHeldKeyIsReportedOnceDownAndOnceUp) {
    source.key(HookMessage::KeyDown, 0x1E);
    source.key(HookMessage::KeyDown, 0x1E);
    source.key(HookMessage::SysKeyDown, 0x1E, HookFlag::AltDown); // Alt pressed meanwhile
    source.key(HookMessage::KeyUp, 0x1E);
    source.key(HookMessage::SysKeyUp, 0x1E);
    source.key(0x1234, 0x1E); // any other message counts as up
    EXPECT_EQ(received, QStringList({"kb 04 down", "kb 04 up"}));

    source.key(0x1234, 0x1E);
    source.key(HookMessage::SysKeyDown, 0x1E, HookFlag::AltDown);
    EXPECT_EQ(received.mid(2), QStringList({"kb 04 down"}));
    source.key(HookMessage::KeyUp, 0x1E);
}

TEST_F(Hook, KeysMoveWithoutACallbackButAreNotReportedLater) {
    InputHook::setKeyboardCallback(nullptr, nullptr);
    source.key(HookMessage::KeyDown, 0x30); // B goes down unseen
    InputHook::setKeyboardCallback(recordKey, &context);
    source.key(HookMessage::KeyDown, 0x30); // a repeat of a key known to be down
    source.key(HookMessage::KeyUp, 0x30);
    EXPECT_EQ(received, QStringList({"kb 05 up"}));
}

TEST_F(Hook, TheNewestCallbackAndContextAreUsed) {
    InputHook::setKeyboardCallback(recordKey, nullptr);
    source.press(0x1E);
    EXPECT_EQ(received, QStringList({"kb 04 down (no context)", "kb 04 up (no context)"}));
}

TEST_F(Hook, OnlyButtonDownsAndUpsOfTheFirstThreeButtonsAreReported) {
    struct Row {
        quint32 message;
        const char *expected; // null: nothing
    };
    const Row rows[] = {
        {HookMessage::MouseMove, nullptr},
        {HookMessage::LeftButtonDown, "ms f0 down 12,-3"},
        {HookMessage::LeftButtonUp, "ms f0 up 12,-3"},
        {HookMessage::LeftButtonDoubleClick, nullptr},
        {HookMessage::RightButtonDown, "ms f1 down 12,-3"},
        {HookMessage::RightButtonUp, "ms f1 up 12,-3"},
        {HookMessage::RightButtonDoubleClick, nullptr},
        {HookMessage::MiddleButtonDown, "ms f2 down 12,-3"},
        {HookMessage::MiddleButtonUp, "ms f2 up 12,-3"},
        {HookMessage::MiddleButtonDoubleClick, nullptr},
        {HookMessage::Wheel, nullptr},
        {HookMessage::SideButtonDown, nullptr},
        {HookMessage::SideButtonUp, nullptr},
        {HookMessage::SideButtonDoubleClick, nullptr},
        {HookMessage::HorizontalWheel, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QString::number(row.message, 16).toStdString());
        received.clear();
        source.mouse(row.message, 12, -3);
        EXPECT_EQ(received, row.expected ? QStringList{row.expected} : QStringList());
    }
    // No state: a second down is reported like the first.
    received.clear();
    source.mouse(HookMessage::LeftButtonDown);
    source.mouse(HookMessage::LeftButtonDown);
    EXPECT_EQ(received.size(), 2);
}

TEST(HookInstall, HooksTheFirstSourceThatStartsAndStopsItOnUninstall) {
    received.clear();
    InputHook::setKeyboardCallback(recordKey, &context);
    ScriptedInputSource refusing, preferred, fallback;
    refusing.canStart = false;
    {
        InputHook hook({&refusing, &preferred, &fallback});
        ASSERT_TRUE(hook.install(0));
        EXPECT_TRUE(InputHook::isInstalled());
        EXPECT_EQ(fallback.starts, 0);
        fallback.press(0x1E);
        preferred.press(0x1E);
        EXPECT_EQ(received, QStringList({"kb 04 down", "kb 04 up"}));

        // Installing again replaces the hooks: every event still arrives once, and the
        // source runs on.
        ASSERT_TRUE(hook.install(0));
        EXPECT_EQ(preferred.stops, 0);
        EXPECT_EQ(preferred.starts, 2);
        received.clear();
        preferred.press(0x1E);
        EXPECT_EQ(received, QStringList({"kb 04 down", "kb 04 up"}));

        hook.uninstall();
        EXPECT_FALSE(InputHook::isInstalled());
        EXPECT_EQ(preferred.stops, 1);
        received.clear();
        preferred.press(0x1E);
        EXPECT_TRUE(received.isEmpty());
    }
    InputHook::setKeyboardCallback(nullptr, nullptr);
}

TEST(HookInstall, FailsWithoutAnySourceAndReportsNothing) {
    received.clear();
    InputHook::setKeyboardCallback(recordKey, &context);
    ScriptedInputSource refusing;
    refusing.canStart = false;
    InputHook hook({&refusing});
    EXPECT_FALSE(hook.install(0));
    EXPECT_FALSE(InputHook::isInstalled());
    refusing.press(0x1E);
    EXPECT_TRUE(received.isEmpty());
    InputHook::setKeyboardCallback(nullptr, nullptr);
}

TEST(HookInstall, EachInstallRebuildsTheMapsForItsLayoutFlag) {
    received.clear();
    InputHook::setKeyboardCallback(recordKey, &context);
    ScriptedInputSource source;
    InputHook hook({&source});
    ASSERT_TRUE(hook.install(1));
    EXPECT_EQ(hook.layoutFlag(), 1);
    source.press(0x2B);
    ASSERT_TRUE(hook.install(0));
    source.press(0x2B);
    EXPECT_EQ(received, QStringList({"kb 32 down", "kb 32 up", "kb 31 down", "kb 31 up"}));
    hook.uninstall();
    InputHook::setKeyboardCallback(nullptr, nullptr);
}

} // namespace
