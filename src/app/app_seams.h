#pragma once

#include "sound_player.h"

class Dialogs;
class HidBackend;
class PointerBackend;

// The outside world as the application shell sees it. main fills it with the real pieces;
// tests with their own. Pointers are not owned and must outlive the Widget.
struct AppSeams {
    Dialogs *dialogs = nullptr;
    HidBackend *hidBackend = nullptr; // the HID bus; null: no devices at all
    SoundPlayerFactory soundPlayers;
    // The system's pointer settings; null: every pointer call fails (debug output only).
    PointerBackend *pointer = nullptr;
};
