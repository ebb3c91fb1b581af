#pragma once

#include <atomic>

// Process-wide flags shared between the GUI thread and transfers running on the thread
// pool. Writers store with release, readers load with acquire, so a transfer that sees a
// flag also sees everything written before it.
namespace DeviceFlags {
extern std::atomic<bool> connected;     // the last handshake passed (or demo mode)
extern std::atomic<bool> demo;          // demo mode: once set, stays set for the run
extern std::atomic<bool> encryption;    // transport cipher and handshake on
extern std::atomic<bool> languageCheck; // the loaded language file passed its check
} // namespace DeviceFlags
