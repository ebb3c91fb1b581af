#pragma once

#include "input_source.h"

// Linux input codes (KEY_*, BTN_*) to the records a low-level hook procedure is handed.
// X11 and Wayland native scan codes are these key codes plus 8.

// Which modifier keys were held when a key event happened. Only these two change what
// a hook record looks like.
struct HeldModifiers {
    bool alt = false;
    bool ctrl = false;
};

// Fills `event` for a Linux key code going down (`isDown`, auto-repeats included) or up.
// Returns false for codes that have no set-1 scan code here; nothing is to be reported then.
//
// A few keys are reported as low-level keyboard hooks have always seen them, not as their
// plain set-1 codes: Pause is 45, and E0 46 while Ctrl is held; Num Lock is
// E0 45; right Shift is E0 36; Print Screen is E0 37, and 54 while Alt is held. Example:
// KEY_KPENTER down → { KeyDown, 0x1C, Extended }.
bool keyboardHookEventFor(int linuxKey, bool isDown, HeldModifiers held, KeyboardHookEvent *event);

// The hook message of a mouse button (BTN_LEFT .. BTN_TASK) going down or up; 0 for other
// codes. The side buttons give the side-button messages, which are never reported.
quint32 mouseHookMessageFor(int linuxButton, bool isDown);

// Follows the Alt and Ctrl keys through the key events of one source.
class HeldModifierKeys {
public:
    void note(int linuxKey, bool isDown);
    HeldModifiers held() const;

private:
    quint8 m_held = 0; // one bit per modifier key
};
