#pragma once

#include "input_source.h"

// An input source the test drives by hand: it hands over exactly the hook records it is
// told to, and can refuse to start.
class ScriptedInputSource : public InputSource {
public:
    bool canStart = true;
    int starts = 0;
    int stops = 0;

    bool start() override {
        ++starts;
        return canStart;
    }
    void stop() override { ++stops; }

    void key(quint32 message, quint32 scanCode, quint32 flags = 0) {
        emit keyboardEvent({message, scanCode, flags});
    }
    void press(quint32 scanCode, quint32 flags = 0) {
        key(HookMessage::KeyDown, scanCode, flags);
        key(HookMessage::KeyUp, scanCode, flags);
    }
    void mouse(quint32 message, qint32 x = 0, qint32 y = 0) { emit mouseEvent({message, x, y}); }
};
