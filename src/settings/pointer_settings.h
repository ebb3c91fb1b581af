#pragma once

class PointerBackend;
class ProfileStore;

// The three pointer sliders of the sensor page (positions 0..10) and the acceleration switch.
// A setter stores the slider position in the current profile first and then applies the
// converted value to the system; a refusal is reported on the debug output only. The getters
// of the positions read the profile, never the system.
class PointerSettings {
public:
    // `backend` may be null (no pointer settings on this system): every system call fails.
    PointerSettings(ProfileStore &store, PointerBackend *backend)
        : m_store(store), m_backend(backend) {}

    // System values for a slider position.
    static int pointerSpeed(unsigned position) { return position == 0 ? 1 : int(2 * position); }
    static int scrollLines(unsigned position) { return int(position) + 1; }
    static int doubleClickTime(unsigned position) { return 900 - 70 * int(position); }

    void setCursorSpeed(unsigned position);
    void setVerticalScrollLines(unsigned position);
    void setDoubleClickSpeed(unsigned position);
    unsigned cursorSpeed() const;
    unsigned verticalScrollLines() const;
    unsigned doubleClickSpeed() const;

    bool acceleration();
    void setAcceleration(bool enabled);

private:
    ProfileStore &m_store;
    PointerBackend *m_backend;
};
