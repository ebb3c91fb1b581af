#pragma once

// The operating system's pointer settings: speed, wheel lines, double-click time and the
// acceleration switch. Each write is persistent and announced to other programs by the
// system. Every call returns false when the system refused it or has no such setting.
//
// All calls run on the GUI thread and are synchronous.
class PointerBackend {
public:
    virtual ~PointerBackend() = default;

    // speed: 1 (slowest) .. 20 (fastest).
    virtual bool setPointerSpeed(int speed) = 0;
    // lines scrolled per wheel notch, 1 or more.
    virtual bool setWheelScrollLines(int lines) = 0;
    // milliseconds between the clicks of a double click.
    virtual bool setDoubleClickTime(int milliseconds) = 0;
    // *enabled receives the switch; left untouched on failure.
    virtual bool acceleration(bool *enabled) = 0;
    // Changes the switch alone; every other pointer setting stays as it is.
    virtual bool setAcceleration(bool enabled) = 0;
};
