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

// The flags and the secrecy code together, put back as they were when the guard goes: the
// keyboard probe runs its own handshake inside one, and every test rig holds one so that no
// test sees what another left behind.
class DeviceStateGuard {
public:
    enum Start {
        Keep,  // start from the state as it is
        Fresh, // start as a run does: nothing connected, no demo, language checked, no code
    };
    explicit DeviceStateGuard(Start start = Keep, bool encryption = false);
    ~DeviceStateGuard();
    DeviceStateGuard(const DeviceStateGuard &) = delete;
    DeviceStateGuard &operator=(const DeviceStateGuard &) = delete;

private:
    bool m_connected, m_demo, m_encryption, m_languageCheck;
    unsigned char m_code[8];
};
