#include "evdev_key_table.h"

#include <linux/input-event-codes.h>

#include <iterator>

namespace {

struct KeyRow {
    int linuxKey;
    quint8 scanCode;
    bool extended;
};

// KEY_ESC (1) .. KEY_KPDOT (83) are their own set-1 scan codes; the rows below take
// precedence over that rule.
constexpr KeyRow kKeyRows[] = {
    // Where the hooks differ from the plain scan code.
    {KEY_NUMLOCK, 0x45, true},
    {KEY_RIGHTSHIFT, 0x36, true},
    {KEY_PAUSE, 0x45, false},
    {KEY_SYSRQ, 0x37, true},
    // Beyond the first 83 codes.
    {KEY_102ND, 0x56, false},
    {KEY_F11, 0x57, false},
    {KEY_F12, 0x58, false},
    {KEY_KPEQUAL, 0x59, false},
    {KEY_KATAKANAHIRAGANA, 0x70, false},
    {KEY_RO, 0x73, false},
    {KEY_HENKAN, 0x79, false},
    {KEY_MUHENKAN, 0x7B, false},
    {KEY_YEN, 0x7D, false},
    {KEY_KPCOMMA, 0x7E, false},
    {KEY_F13, 0x64, false},
    {KEY_F14, 0x65, false},
    {KEY_F15, 0x66, false},
    {KEY_F16, 0x67, false},
    {KEY_F17, 0x68, false},
    {KEY_F18, 0x69, false},
    {KEY_F19, 0x6A, false},
    {KEY_F20, 0x6B, false},
    {KEY_F21, 0x6C, false},
    {KEY_F22, 0x6D, false},
    {KEY_F23, 0x6E, false},
    {KEY_F24, 0x76, false},
    {KEY_KPENTER, 0x1C, true},
    {KEY_RIGHTCTRL, 0x1D, true},
    {KEY_KPSLASH, 0x35, true},
    {KEY_RIGHTALT, 0x38, true},
    {KEY_HOME, 0x47, true},
    {KEY_UP, 0x48, true},
    {KEY_PAGEUP, 0x49, true},
    {KEY_LEFT, 0x4B, true},
    {KEY_RIGHT, 0x4D, true},
    {KEY_END, 0x4F, true},
    {KEY_DOWN, 0x50, true},
    {KEY_PAGEDOWN, 0x51, true},
    {KEY_INSERT, 0x52, true},
    {KEY_DELETE, 0x53, true},
    {KEY_LEFTMETA, 0x5B, true},
    {KEY_RIGHTMETA, 0x5C, true},
    {KEY_COMPOSE, 0x5D, true},
    // Media and system keys: E0 codes that the translation has no row for.
    {KEY_PREVIOUSSONG, 0x10, true},
    {KEY_NEXTSONG, 0x19, true},
    {KEY_MUTE, 0x20, true},
    {KEY_CALC, 0x21, true},
    {KEY_PLAYPAUSE, 0x22, true},
    {KEY_STOPCD, 0x24, true},
    {KEY_VOLUMEDOWN, 0x2E, true},
    {KEY_VOLUMEUP, 0x30, true},
    {KEY_HOMEPAGE, 0x32, true},
    {KEY_POWER, 0x5E, true},
    {KEY_SLEEP, 0x5F, true},
    {KEY_WAKEUP, 0x63, true},
    {KEY_SEARCH, 0x65, true},
    {KEY_BOOKMARKS, 0x66, true},
    {KEY_REFRESH, 0x67, true},
    {KEY_STOP, 0x68, true},
    {KEY_FORWARD, 0x69, true},
    {KEY_BACK, 0x6A, true},
    {KEY_COMPUTER, 0x6B, true},
    {KEY_MAIL, 0x6C, true},
    {KEY_MEDIA, 0x6D, true},
};

const KeyRow *findRow(int linuxKey) {
    for (const KeyRow &row : kKeyRows)
        if (row.linuxKey == linuxKey)
            return &row;
    return nullptr;
}

constexpr int kModifierKeys[] = {KEY_LEFTALT, KEY_RIGHTALT, KEY_LEFTCTRL, KEY_RIGHTCTRL};
constexpr quint8 kAltBits = 0x03;
constexpr quint8 kCtrlBits = 0x0C;

} // namespace

bool keyboardHookEventFor(int linuxKey, bool isDown, HeldModifiers held, KeyboardHookEvent *event) {
    quint32 scanCode = 0;
    bool extended = false;
    if (const KeyRow *row = findRow(linuxKey)) {
        scanCode = row->scanCode;
        extended = row->extended;
    } else if (linuxKey >= KEY_ESC && linuxKey <= KEY_KPDOT) {
        scanCode = quint32(linuxKey);
    } else {
        return false;
    }

    // With Ctrl the keyboard sends Pause as the Break key, with Alt Print Screen as SysRq.
    if (linuxKey == KEY_PAUSE && held.ctrl) {
        scanCode = 0x46;
        extended = true;
    } else if (linuxKey == KEY_SYSRQ && held.alt) {
        scanCode = 0x54;
        extended = false;
    }

    event->scanCode = scanCode;
    event->flags = (extended ? HookFlag::Extended : 0) | (held.alt ? HookFlag::AltDown : 0);
    if (held.alt)
        event->message = isDown ? HookMessage::SysKeyDown : HookMessage::SysKeyUp;
    else
        event->message = isDown ? HookMessage::KeyDown : HookMessage::KeyUp;
    return true;
}

quint32 mouseHookMessageFor(int linuxButton, bool isDown) {
    switch (linuxButton) {
    case BTN_LEFT:
        return isDown ? HookMessage::LeftButtonDown : HookMessage::LeftButtonUp;
    case BTN_RIGHT:
        return isDown ? HookMessage::RightButtonDown : HookMessage::RightButtonUp;
    case BTN_MIDDLE:
        return isDown ? HookMessage::MiddleButtonDown : HookMessage::MiddleButtonUp;
    case BTN_SIDE:
    case BTN_EXTRA:
    case BTN_FORWARD:
    case BTN_BACK:
    case BTN_TASK:
        return isDown ? HookMessage::SideButtonDown : HookMessage::SideButtonUp;
    default:
        return 0;
    }
}

void HeldModifierKeys::note(int linuxKey, bool isDown) {
    for (std::size_t i = 0; i < std::size(kModifierKeys); ++i) {
        if (kModifierKeys[i] != linuxKey)
            continue;
        const quint8 bit = quint8(1u << i);
        m_held = isDown ? quint8(m_held | bit) : quint8(m_held & ~bit);
    }
}

HeldModifiers HeldModifierKeys::held() const {
    HeldModifiers held;
    held.alt = (m_held & kAltBits) != 0;
    held.ctrl = (m_held & kCtrlBits) != 0;
    return held;
}
