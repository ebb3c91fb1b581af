#pragma once

#include "input_source.h"

#include <QList>

// Keys and mouse buttons as the program's own windows receive them: the fallback where the
// event devices cannot be read. It sees input only while a window of the program has the
// focus or the pointer. Key events are translated from their native scan codes (X11 and
// Wayland give the Linux key code plus 8), so they reach the hook procedures exactly as
// evdev's would. A key still held when the program loses the focus (Alt of an Alt+Tab) is
// released then, since its real release goes to another program.
class WindowInputSource : public InputSource {
    Q_OBJECT
public:
    using InputSource::InputSource;
    ~WindowInputSource() override;

    // Watches every event the application delivers to its windows. False without an
    // application object.
    bool start() override;
    void stop() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void releaseHeldKeys();

    bool m_started = false;
    QList<int> m_held; // Linux key codes reported down and not up yet
};
