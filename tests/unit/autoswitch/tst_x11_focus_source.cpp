// The focused window from a real X server with a real window manager, activated the way a
// desktop does it.
#include "event_wait.h"
#include "x11_focus_source.h"
#include "x11_session.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

struct NoWayland {
    NoWayland() {
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }
};

TEST(X11FocusSource, FollowsActivationAndTheFocusedWindowsTitle) {
    NoWayland x11;
    X11Session session;
    ASSERT_TRUE(session.isReady()) << session.problem();
    X11FocusSource source(session.display());
    ASSERT_TRUE(source.isAvailable());
    EXPECT_FALSE(source.current().known); // nothing has the focus yet
    QSignalSpy changes(&source, &FocusSource::focusChanged);

    TestWindow gimp(session.display(), "gimp", "Gimp", "Untitled - GIMP");
    TestWindow term(session.display(), "xterm", "XTerm", "~");
    pump(200);

    ASSERT_TRUE(session.activate(gimp.id()));
    EXPECT_TRUE(waitFor([&] { return source.current().windowClass == "Gimp"; }));
    EXPECT_EQ(source.current().instance, "gimp");
    EXPECT_EQ(source.current().title, "Untitled - GIMP");

    ASSERT_TRUE(session.activate(term.id()));
    EXPECT_TRUE(waitFor([&] { return source.current().windowClass == "XTerm"; }));

    // The focused window's new title is seen; a title change elsewhere is not an event.
    term.setTitle("vim notes.txt");
    EXPECT_TRUE(waitFor([&] { return source.current().title == "vim notes.txt"; }));
    const qsizetype seen = changes.size();
    gimp.setTitle("photo.xcf - GIMP");
    pump(300);
    EXPECT_EQ(changes.size(), seen);
    EXPECT_EQ(source.current().title, "vim notes.txt");

    ASSERT_TRUE(session.activate(gimp.id()));
    EXPECT_TRUE(waitFor([&] { return source.current().title == "photo.xcf - GIMP"; }));
}

TEST(X11FocusSource, UnavailableWithoutAnXServerOrInAWaylandSession) {
    NoWayland x11;
    X11Session session;
    ASSERT_TRUE(session.isReady()) << session.problem();
    EXPECT_FALSE(X11FocusSource(":4711").isAvailable());
    qputenv("XDG_SESSION_TYPE", "wayland");
    EXPECT_FALSE(X11FocusSource(session.display()).isAvailable());
    qunsetenv("XDG_SESSION_TYPE");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_FALSE(X11FocusSource(session.display()).isAvailable());
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_TRUE(X11FocusSource(session.display()).isAvailable());
}

} // namespace
