// Key and mouse-button capture through the whole path: an evdev record or a native window
// event, the translation, the callback with the main window as context, the view, and the
// arguments the scene's "detectKeyboard" and "detectMouse" receive.
#include "evdev_input_source.h"
#include "evdev_pipe.h"
#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "input_hook.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "qt_print.h"
#include "widget.h"
#include "window_input_source.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickItem>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

#define EXPECT_SCENE_CALLS(...)                                                                    \
    do {                                                                                           \
        const QStringList expected_ = __VA_ARGS__;                                                 \
        EXPECT_EQ(sceneCalls(expected_.size()), expected_);                                        \
    } while (0)

// Linux key codes of the modifiers the cases hold, and the key codes the scene gets for them.
constexpr int kCtrlKeyCode = 0xE0;
constexpr int kAltKeyCode = 0xE2;

struct KeyCase {
    const char *name;
    int linuxKey;
    bool ctrl;
    bool alt;
    quint8 layoutFlag;
    int expected; // the key code the scene receives; -1: the key is not reported
};

const KeyCase kKeyCases[] = {
    {"main Enter", KEY_ENTER, false, false, 0, 0x28},
    {"keypad Enter", KEY_KPENTER, false, false, 0, 0x58},
    {"Pause", KEY_PAUSE, false, false, 0, 0x48},
    {"Ctrl+Pause", KEY_PAUSE, true, false, 0, 0x48},
    {"Num Lock", KEY_NUMLOCK, false, false, 0, 0x53},
    {"Scroll Lock", KEY_SCROLLLOCK, false, false, 0, 0x47},
    {"Print Screen", KEY_SYSRQ, false, false, 0, 0x46},
    {"Alt+Print Screen", KEY_SYSRQ, false, true, 0, 0x46},
    {"left Windows", KEY_LEFTMETA, false, false, 0, 0xE3},
    {"right Windows", KEY_RIGHTMETA, false, false, 0, -1},
    {"left Shift", KEY_LEFTSHIFT, false, false, 0, 0xE1},
    {"right Shift", KEY_RIGHTSHIFT, false, false, 0, 0xE5},
    {"backslash, layout flag 0", KEY_BACKSLASH, false, false, 0, 0x31},
    {"backslash, layout flag 1", KEY_BACKSLASH, false, false, 1, 0x32},
    {"F12", KEY_F12, false, false, 0, 0x45},
    {"F13", KEY_F13, false, false, 0, -1},
    {"F23", KEY_F23, false, false, 0, 0x72},
    {"F24", KEY_F24, false, false, 0, -1},
    {"keypad /", KEY_KPSLASH, false, false, 0, 0x54},
    {"Delete", KEY_DELETE, false, false, 0, 0x4C},
    {"Menu", KEY_COMPOSE, false, false, 0, 0x65},
    {"Mute", KEY_MUTE, false, false, 0, -1},
};

class CapturePath : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("modules/setting/apConfig.bin", "[common]\nname=Capture Test\n");
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
        window = std::make_unique<Widget>(seams);
        // The real shell hands key codes on to its pages; this scene records them instead.
        window->view()->setSource(QUrl::fromLocalFile(qEnvironmentVariable("R8_SOURCE_DIR") +
                                                      "/tests/unit/input/recording_scene.qml"));
        ASSERT_NE(window->view()->rootObject(), nullptr);
        InputHook::setKeyboardCallback(forwardKeyboardToWindow, window.get());
        InputHook::setMouseCallback(forwardMouseToWindow, window.get());
    }
    void TearDown() override {
        InputHook::setKeyboardCallback(nullptr, nullptr);
        InputHook::setMouseCallback(nullptr, nullptr);
    }

    // The scene's calls since the last look, e.g. "detectKeyboard [true,40]": waits for
    // `count` of them (or gives up after a while), then a little longer for strays.
    QStringList sceneCalls(qsizetype count) {
        QQuickItem *root = window->view()->rootObject();
        waitFor([&] { return root->property("calls").toStringList().size() >= m_seen + count; });
        pump(30);
        const QStringList calls = root->property("calls").toStringList();
        const QStringList args = root->property("args").toStringList();
        QStringList out;
        for (qsizetype i = m_seen; i < calls.size(); ++i)
            out.append(calls[i] + ' ' + args.value(i));
        m_seen = calls.size();
        return out;
    }

    static QString keyCall(bool isDown, int code) {
        return QStringLiteral("detectKeyboard [%1,%2]").arg(isDown ? "true" : "false").arg(code);
    }

    // What the scene gets for a case: the modifiers going down, the key, the modifiers up.
    static QStringList expectedCalls(const KeyCase &c) {
        QStringList out;
        if (c.ctrl)
            out << keyCall(true, kCtrlKeyCode);
        if (c.alt)
            out << keyCall(true, kAltKeyCode);
        if (c.expected >= 0)
            out << keyCall(true, c.expected) << keyCall(false, c.expected);
        if (c.alt)
            out << keyCall(false, kAltKeyCode);
        if (c.ctrl)
            out << keyCall(false, kCtrlKeyCode);
        return out;
    }

    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    AppSeams seams;
    std::unique_ptr<Widget> window;

private:
    qsizetype m_seen = 0;
};

// The event devices: a pipe carrying the kernel's records into the production reader.
class EvdevPath : public CapturePath {
protected:
    void SetUp() override {
        CapturePath::SetUp();
        ASSERT_TRUE(pipe.isOpen());
        source.setDeviceFolder(folder.file("no-such-folder"));
        source.setPointerPosition([] { return QPoint(640, 360); });
        source.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    }
    void TearDown() override {
        hook.uninstall();
        CapturePath::TearDown();
    }

    EvdevPipe pipe;
    EvdevInputSource source;
    InputHook hook{{&source}};
};

TEST_F(EvdevPath, LinuxKeyCodesReachTheSceneAsUsbKeyCodes) {
    for (const KeyCase &c : kKeyCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(hook.install(c.layoutFlag));
        if (c.ctrl)
            pipe.key(KEY_LEFTCTRL, 1);
        if (c.alt)
            pipe.key(KEY_LEFTALT, 1);
        pipe.key(c.linuxKey, 1);
        pipe.key(c.linuxKey, 0);
        if (c.alt)
            pipe.key(KEY_LEFTALT, 0);
        if (c.ctrl)
            pipe.key(KEY_LEFTCTRL, 0);
        EXPECT_SCENE_CALLS(expectedCalls(c));
    }
}

TEST_F(EvdevPath, AHeldKeyIsOneDownAndOneUpWhateverRepeatsArrive) {
    ASSERT_TRUE(hook.install(0));
    pipe.key(KEY_A, 1);
    for (int i = 0; i < 25; ++i)
        pipe.key(KEY_A, 2);
    pipe.key(KEY_A, 0);
    pipe.key(KEY_A, 0); // a second release
    EXPECT_SCENE_CALLS(QStringList({keyCall(true, 0x04), keyCall(false, 0x04)}));
}

TEST_F(EvdevPath, OnlyTheThreeMainButtonsReachTheSceneAtThePointer) {
    ASSERT_TRUE(hook.install(0));
    pipe.send(EV_REL, REL_X, 5);
    pipe.send(EV_REL, REL_WHEEL, -1);
    pipe.send(EV_REL, REL_HWHEEL, 1);
    for (int button : {BTN_SIDE, BTN_EXTRA, BTN_FORWARD, BTN_BACK}) {
        pipe.key(button, 1);
        pipe.key(button, 0);
    }
    EXPECT_SCENE_CALLS(QStringList());

    for (int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) {
        pipe.key(button, 1);
        pipe.key(button, 0);
    }
    EXPECT_SCENE_CALLS(
        QStringList({"detectMouse [true,240,640,360]", "detectMouse [false,240,640,360]",
                     "detectMouse [true,241,640,360]", "detectMouse [false,241,640,360]",
                     "detectMouse [true,242,640,360]", "detectMouse [false,242,640,360]"}));
}

TEST_F(EvdevPath, TheSceneHearsOfEventsOnlyAfterTheCaptureReturned) {
    ASSERT_TRUE(hook.install(0));
    InputHook::keyboardProc({HookMessage::KeyDown, 0x1C, 0});
    InputHook::mouseProc({HookMessage::LeftButtonDown, 1, 2});
    QQuickItem *root = window->view()->rootObject();
    EXPECT_TRUE(root->property("calls").toStringList().isEmpty());
    InputHook::keyboardProc({HookMessage::KeyUp, 0x1C, 0});
    EXPECT_SCENE_CALLS(
        QStringList({keyCall(true, 0x28), "detectMouse [true,240,1,2]", keyCall(false, 0x28)}));
}

TEST_F(EvdevPath, ACallbackWithoutContextDoesNothing) {
    ASSERT_TRUE(hook.install(0));
    InputHook::setKeyboardCallback(forwardKeyboardToWindow, nullptr);
    InputHook::setMouseCallback(forwardMouseToWindow, nullptr);
    pipe.key(KEY_A, 1);
    pipe.key(KEY_A, 0);
    pipe.key(BTN_LEFT, 1);
    EXPECT_SCENE_CALLS(QStringList());
}

// The window's own events, as the window system delivers them: native scan codes are the
// Linux key codes plus 8.
class WindowPath : public CapturePath {
protected:
    void SetUp() override {
        CapturePath::SetUp();
        window->show();
        window->view()->setFocus();
        target = window->windowHandle();
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        hook.uninstall();
        CapturePath::TearDown();
    }

    void sendKey(QEvent::Type type, int linuxKey, Qt::KeyboardModifiers modifiers,
                 bool autoRepeat = false) {
        QKeyEvent event(type, 0, modifiers, quint32(linuxKey + 8), 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(target, &event);
    }

    // Clicks on the scene, which the view passes on to its own off-screen window.
    void sendMouse(QEvent::Type type, Qt::MouseButton button) {
        const QPointF local(500, 300);
        QMouseEvent event(type, local, target->mapToGlobal(local), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    QString mouseCall(bool isDown, int code) const {
        const QPoint at = target->mapToGlobal(QPoint(500, 300));
        return QStringLiteral("detectMouse [%1,%2,%3,%4]")
            .arg(isDown ? "true" : "false")
            .arg(code)
            .arg(at.x())
            .arg(at.y());
    }

    WindowInputSource source;
    InputHook hook{{&source}};
    QWindow *target = nullptr;
};

TEST_F(WindowPath, NativeScanCodesReachTheSceneAsUsbKeyCodes) {
    for (const KeyCase &c : kKeyCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(hook.install(c.layoutFlag));
        Qt::KeyboardModifiers held;
        if (c.ctrl) {
            held |= Qt::ControlModifier;
            sendKey(QEvent::KeyPress, KEY_LEFTCTRL, held);
        }
        if (c.alt) {
            held |= Qt::AltModifier;
            sendKey(QEvent::KeyPress, KEY_LEFTALT, held);
        }
        sendKey(QEvent::KeyPress, c.linuxKey, held);
        sendKey(QEvent::KeyRelease, c.linuxKey, held);
        if (c.alt) {
            held &= ~Qt::AltModifier;
            sendKey(QEvent::KeyRelease, KEY_LEFTALT, held);
        }
        if (c.ctrl)
            sendKey(QEvent::KeyRelease, KEY_LEFTCTRL, Qt::NoModifier);
        EXPECT_SCENE_CALLS(expectedCalls(c));
    }
}

TEST_F(WindowPath, AutoRepeatPairsOfAHeldKeyAreNotReported) {
    ASSERT_TRUE(hook.install(0));
    sendKey(QEvent::KeyPress, KEY_A, Qt::NoModifier);
    for (int i = 0; i < 10; ++i) {
        sendKey(QEvent::KeyRelease, KEY_A, Qt::NoModifier, true);
        sendKey(QEvent::KeyPress, KEY_A, Qt::NoModifier, true);
    }
    sendKey(QEvent::KeyRelease, KEY_A, Qt::NoModifier);
    EXPECT_SCENE_CALLS(QStringList({keyCall(true, 0x04), keyCall(false, 0x04)}));

    // Events made up without a native scan code carry no key to translate.
    QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(target, &synthetic);
    EXPECT_SCENE_CALLS(QStringList());
}

TEST_F(WindowPath, ADoubleClickIsTwoClicksAndTheWheelAndSideButtonsNothing) {
    ASSERT_TRUE(hook.install(0));
    // A double-click as the window system delivers it: the second press comes with a
    // double-click event after it.
    sendMouse(QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_SCENE_CALLS(QStringList({mouseCall(true, 0xF0), mouseCall(false, 0xF0),
                                    mouseCall(true, 0xF0), mouseCall(false, 0xF0)}));

    sendMouse(QEvent::MouseButtonDblClick, Qt::RightButton);
    for (Qt::MouseButton side : {Qt::BackButton, Qt::ForwardButton, Qt::ExtraButton3}) {
        sendMouse(QEvent::MouseButtonPress, side);
        sendMouse(QEvent::MouseButtonRelease, side);
    }
    const QPointF local(500, 300);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
    EXPECT_SCENE_CALLS(QStringList());

    sendMouse(QEvent::MouseButtonPress, Qt::MiddleButton);
    sendMouse(QEvent::MouseButtonRelease, Qt::MiddleButton);
    sendMouse(QEvent::MouseButtonPress, Qt::RightButton);
    sendMouse(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_SCENE_CALLS(QStringList({mouseCall(true, 0xF2), mouseCall(false, 0xF2),
                                    mouseCall(true, 0xF1), mouseCall(false, 0xF1)}));
}

// Where no event device can be read the program falls back to its window's events.
TEST_F(CapturePath, WithoutReadableEventDevicesTheWindowIsTheSource) {
    folder.write("input/event0", "not a device");
    EvdevInputSource devices;
    devices.setDeviceFolder(folder.file("input"));
    WindowInputSource windowEvents;
    InputHook hook({&devices, &windowEvents});
    ASSERT_TRUE(hook.install(0));
    EXPECT_EQ(devices.deviceCount(), 0);

    window->show();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, KEY_ESC + 8, 0, 0);
    QCoreApplication::sendEvent(window->windowHandle(), &press);
    EXPECT_SCENE_CALLS(QStringList({keyCall(true, 0x29)}));
    hook.uninstall();
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, KEY_ESC + 8, 0, 0);
    QCoreApplication::sendEvent(window->windowHandle(), &release);
    EXPECT_SCENE_CALLS(QStringList()); // nothing is observed after uninstalling
    // Leave the process-wide key state as found.
    InputHook::keyboardProc({HookMessage::KeyUp, 0x01, 0});
}

// With a readable keyboard the window's own events are left alone, so a click on the
// window is not reported twice.
TEST_F(CapturePath, WithAReadableKeyboardTheWindowIsNotObservedToo) {
    EvdevPipe pipe;
    ASSERT_TRUE(pipe.isOpen());
    EvdevInputSource devices;
    devices.setDeviceFolder(folder.file("no-such-folder"));
    devices.setPointerPosition([] { return QPoint(7, 8); });
    devices.addDevice(pipe.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    WindowInputSource windowEvents;
    InputHook hook({&devices, &windowEvents});
    ASSERT_TRUE(hook.install(0));

    window->show();
    const QPointF local(500, 300);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, local, window->windowHandle()->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &click);
    }
    pipe.key(BTN_LEFT, 1);
    pipe.key(BTN_LEFT, 0);
    EXPECT_SCENE_CALLS(QStringList({"detectMouse [true,240,7,8]", "detectMouse [false,240,7,8]"}));
    hook.uninstall();
}

// A readable gamepad (udev hands those to the logged-in user) is no keyboard: the window's
// key events still arrive. A keyboard that becomes readable later takes over, and a key
// held across the change is reported down once and up once.
TEST_F(CapturePath, AGamepadAloneLeavesTheWindowAsTheSourceUntilAKeyboardComes) {
    EvdevPipe gamepad, keyboard;
    ASSERT_TRUE(gamepad.isOpen() && keyboard.isOpen());
    EvdevInputSource devices;
    devices.setDeviceFolder(folder.file("no-such-folder"));
    devices.addDevice(gamepad.takeReadEnd());
    WindowInputSource windowEvents;
    InputHook hook({&devices, &windowEvents});
    ASSERT_TRUE(hook.install(0));

    window->show();
    const auto windowKey = [this](QEvent::Type type, int linuxKey) {
        QKeyEvent event(type, 0, Qt::NoModifier, quint32(linuxKey + 8), 0, 0);
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    };
    gamepad.key(BTN_SOUTH, 1);
    gamepad.key(BTN_SOUTH, 0);
    windowKey(QEvent::KeyPress, KEY_A);
    windowKey(QEvent::KeyRelease, KEY_A);
    windowKey(QEvent::KeyPress, KEY_B); // held while the keyboard appears
    EXPECT_SCENE_CALLS(
        QStringList({keyCall(true, 0x04), keyCall(false, 0x04), keyCall(true, 0x05)}));

    devices.addDevice(keyboard.takeReadEnd(), {}, EvdevInputSource::Kind::Keyboard);
    windowKey(QEvent::KeyRelease, KEY_B); // the same release, seen by both
    keyboard.key(KEY_B, 0);
    windowKey(QEvent::KeyPress, KEY_C);
    keyboard.key(KEY_C, 1);
    keyboard.key(KEY_C, 0);
    windowKey(QEvent::KeyRelease, KEY_C);
    EXPECT_SCENE_CALLS(
        QStringList({keyCall(false, 0x05), keyCall(true, 0x06), keyCall(false, 0x06)}));

    // The keyboard unplugged: the window serves again.
    keyboard.closeWriteEnd();
    pump(50);
    windowKey(QEvent::KeyPress, KEY_D);
    windowKey(QEvent::KeyRelease, KEY_D);
    EXPECT_SCENE_CALLS(QStringList({keyCall(true, 0x07), keyCall(false, 0x07)}));
    hook.uninstall();
}

// Alt+Tab away: the release of Alt goes to another program. The window source lets the key
// go when the program loses the focus, so its next press is reported and a recording gets
// a release for every press.
TEST_F(WindowPath, KeysHeldWhenTheProgramLosesTheFocusAreReleased) {
    ASSERT_TRUE(hook.install(0));
    sendKey(QEvent::KeyPress, KEY_LEFTALT, Qt::AltModifier);
    sendKey(QEvent::KeyPress, KEY_TAB, Qt::AltModifier);
    QApplicationStateChangeEvent away(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &away);
    EXPECT_SCENE_CALLS(QStringList(
        {keyCall(true, 0xE2), keyCall(true, 0x2B), keyCall(false, 0xE2), keyCall(false, 0x2B)}));

    QApplicationStateChangeEvent back(Qt::ApplicationActive);
    QCoreApplication::sendEvent(qApp, &back);
    sendKey(QEvent::KeyPress, KEY_LEFTALT, Qt::AltModifier);
    sendKey(QEvent::KeyRelease, KEY_LEFTALT, Qt::NoModifier);
    QCoreApplication::sendEvent(qApp, &away); // nothing held: nothing to let go
    EXPECT_SCENE_CALLS(QStringList({keyCall(true, 0xE2), keyCall(false, 0xE2)}));
}

} // namespace
