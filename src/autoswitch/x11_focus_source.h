#pragma once

#include "focus_source.h"

#include <memory>

// The focused window of an X11 desktop, from the window manager's _NET_ACTIVE_WINDOW on the
// root window, with the window's WM_CLASS and title (_NET_WM_NAME, else WM_NAME). Driven by
// property-change events on the root window and on the focused window (a browser changes
// its title when the tab changes): no polling. Its own connection to the display, so it
// needs no GUI library.
//
// Not available when no display can be opened, and in a Wayland session, where only the
// compositor knows the focus (its X server sees the X clients alone).
class X11FocusSource : public FocusSource {
    Q_OBJECT
public:
    // `display` as in DISPLAY; empty: the DISPLAY of the environment.
    explicit X11FocusSource(const QByteArray &display = QByteArray(), QObject *parent = nullptr);
    ~X11FocusSource() override;

    bool isAvailable() const override;
    FocusedWindow current() const override;

    // True when the environment names a Wayland session.
    static bool isWaylandSession();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
