#pragma once

#include "pointer_backend.h"

// Pointer settings kept in this object only: every call succeeds and nothing outside the
// process changes. Runs against the virtual mouse use it, so that trying the program leaves
// the desktop's pointer speed and double-click time alone.
class MemoryPointer : public PointerBackend {
public:
    bool setPointerSpeed(int speed) override {
        m_speed = speed;
        return true;
    }
    bool setWheelScrollLines(int lines) override {
        m_lines = lines;
        return true;
    }
    bool setDoubleClickTime(int milliseconds) override {
        m_doubleClickMs = milliseconds;
        return true;
    }
    bool acceleration(bool *enabled) override {
        *enabled = m_acceleration;
        return true;
    }
    bool setAcceleration(bool enabled) override {
        m_acceleration = enabled;
        return true;
    }

    int pointerSpeed() const { return m_speed; }
    int wheelScrollLines() const { return m_lines; }
    int doubleClickTime() const { return m_doubleClickMs; }

    // Said once on stderr by the programs that use it.
    static constexpr const char *kNotice =
        "pointer settings go to memory for this run (--emulate): the desktop's stay as they are";

private:
    int m_speed = 10;
    int m_lines = 3;
    int m_doubleClickMs = 400;
    bool m_acceleration = true;
};
