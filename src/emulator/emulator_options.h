#pragma once

#include <QString>

// The virtual devices' secrecy codes: the program's default code, which the shipped
// application config names too, so a real mouse and the virtual one both pass with it.
inline constexpr const char *kVirtualMouseCode = "482915";
inline constexpr const char *kVirtualKeyboardCode = "482915";

enum class EmulatorFault {
    None,
    NoAnswer, // reads get no reply, data phases no input reports, sets no acknowledgement
    Garbage,  // replies and input reports are noise
    NoData,   // frames are answered, but the input reports of a data phase never come
    Removal,  // the device disappears after `faultAfter` reports on its primary interface
    Slow,     // every report takes `slowMs` before it is taken or answered
};

// How the virtual R8 looks: which devices are plugged, their settings and faults.
struct EmulatorOptions {
    bool mouse = true;
    bool keyboard = false;
    int sensorType = 0; // 0..3
    bool logoLed = true;
    int dpiStages = 8; // 1..8
    QString mouseCode = QString::fromLatin1(kVirtualMouseCode);
    QString keyboardCode = QString::fromLatin1(kVirtualKeyboardCode);
    bool cipher = true;
    EmulatorFault fault = EmulatorFault::None;
    int faultAfter = 1;
    int slowMs = 3000;
    int ackDelayMs = 2; // the firmware's time between a set command and its acknowledgement
    QString wireLog;    // empty: no wire log
};

// Parses "sensor=2,logo=off,stages=4,keyboard,..." on top of `options`. Keys:
//   sensor=0..3  logo=on|off  stages=1..8  code=XXXXXX  keyboard-code=XXXXXX
//   keyboard (also attach the keyboard)  keyboard-only (the keyboard instead of the mouse)
//   cipher=on|off  fault=none|no-answer|garbage|no-data|removal|slow  fault-after=N  slow=MS
//   ack-delay=MS  wire-log=FILE
// Returns false with a message in `error` on the first bad item; `options` is then untouched.
bool parseEmulatorOptions(const QString &text, EmulatorOptions *options, QString *error);

// R8_EMULATE (same syntax) and R8_WIRE_LOG, applied on top of `options`.
bool applyEmulatorEnvironment(EmulatorOptions *options, QString *error);

inline constexpr const char *kEmulatorOptionsHelp =
    "sensor=0..3, logo=on|off, stages=1..8, code=XXXXXX, keyboard-code=XXXXXX, keyboard, "
    "keyboard-only, cipher=on|off, fault=none|no-answer|garbage|no-data|removal|slow, "
    "fault-after=N, "
    "slow=MS, ack-delay=MS, wire-log=FILE";
