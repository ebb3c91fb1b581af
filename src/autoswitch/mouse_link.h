#pragma once

// The watcher's way to the mouse. The production link is r8ctl's device session with its
// profile switch-and-apply; tests give one that records.
class MouseLink {
public:
    virtual ~MouseLink() = default;
    // Runs the device check (interfaces and handshake) afresh; true when the mouse answers.
    virtual bool connect() = 0;
    // Makes the profile (index 0..9) the current one and sends everything it holds to the
    // mouse. False when the mouse could not be reached.
    virtual bool apply(int profile) = 0;
};
