#pragma once

#include <QObject>

// What a system-wide low-level hook procedure is handed for one input event. Every input
// source (evdev, the program window, a test) produces exactly these records, so the code
// translation behind them is the same whatever observed the event.

// Message numbers of the low-level hook records.
namespace HookMessage {
constexpr quint32 KeyDown = 0x100;
constexpr quint32 KeyUp = 0x101;
constexpr quint32 SysKeyDown = 0x104; // a key pressed while Alt is held
constexpr quint32 SysKeyUp = 0x105;

constexpr quint32 MouseMove = 0x200;
constexpr quint32 LeftButtonDown = 0x201;
constexpr quint32 LeftButtonUp = 0x202;
constexpr quint32 LeftButtonDoubleClick = 0x203;
constexpr quint32 RightButtonDown = 0x204;
constexpr quint32 RightButtonUp = 0x205;
constexpr quint32 RightButtonDoubleClick = 0x206;
constexpr quint32 MiddleButtonDown = 0x207;
constexpr quint32 MiddleButtonUp = 0x208;
constexpr quint32 MiddleButtonDoubleClick = 0x209;
constexpr quint32 Wheel = 0x20A;
constexpr quint32 SideButtonDown = 0x20B;
constexpr quint32 SideButtonUp = 0x20C;
constexpr quint32 SideButtonDoubleClick = 0x20D;
constexpr quint32 HorizontalWheel = 0x20E;
} // namespace HookMessage

// Flags of a keyboard record.
namespace HookFlag {
constexpr quint32 Extended = 0x01; // the key's scan code came with the E0 prefix
constexpr quint32 AltDown = 0x20;  // an Alt key was held when the event happened
} // namespace HookFlag

// One key going down (again, for an auto-repeat) or up. `scanCode` is a set-1 make code.
struct KeyboardHookEvent {
    quint32 message = HookMessage::KeyDown;
    quint32 scanCode = 0;
    quint32 flags = 0;
};

// One mouse event; (x, y) is the pointer's position on the screen when it happened.
struct MouseHookEvent {
    quint32 message = HookMessage::MouseMove;
    qint32 x = 0;
    qint32 y = 0;
};

// Something that observes the keyboard and the mouse buttons and reports each event as a
// hook record, on the thread that owns it. Nothing is taken away from other programs.
class InputSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Begins observing; true when this source observes the keyboard now. False when it
    // cannot (yet): it may then stay started, watching for a keyboard to appear, and tell
    // of it with availabilityChanged. Starting a started source keeps it running and gives
    // its answer again.
    virtual bool start() = 0;
    // Stops observing and watching; no event or signal comes after it returns.
    virtual void stop() = 0;

signals:
    void keyboardEvent(const KeyboardHookEvent &event);
    void mouseEvent(const MouseHookEvent &event);
    // What start() would answer now changed while the source runs: a keyboard became
    // readable (true), or the last one went away (false). Never emitted from start().
    void availabilityChanged(bool observesKeyboard);
};
