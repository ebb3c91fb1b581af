// The window's presence file: held and let go in this process, and held by another process
// that dies without letting go.
#include "event_wait.h"
#include "window_presence.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(WindowPresence, WatcherFollowsTheWindowOpeningAndClosing) {
    QTemporaryDir runtime;
    const QString file = runtime.filePath("r8config-window.lock");
    WindowPresenceWatch watch(file);
    ASSERT_TRUE(watch.isActive());
    EXPECT_FALSE(watch.isWindowOpen());
    QSignalSpy changes(&watch, &WindowPresenceWatch::windowOpenChanged);

    {
        WindowPresenceLock window;
        ASSERT_TRUE(window.hold(file));
        EXPECT_TRUE(waitFor([&] { return watch.isWindowOpen(); }));
        // A second window, then only one left: still open.
        WindowPresenceLock second;
        ASSERT_TRUE(second.hold(file));
        second.release();
        pump(300);
        EXPECT_TRUE(watch.isWindowOpen());
    }
    EXPECT_TRUE(waitFor([&] { return !watch.isWindowOpen(); }));
    EXPECT_EQ(changes.size(), 2);

    // A watcher started while the window is open sees it at once.
    WindowPresenceLock window;
    ASSERT_TRUE(window.hold(file));
    EXPECT_TRUE(WindowPresenceWatch(file).isWindowOpen());
}

TEST(WindowPresence, AWindowThatDiesCountsAsClosedAndAFileMadeAnewIsFollowed) {
    QTemporaryDir runtime;
    const QString file = runtime.filePath("r8config-window.lock");
    WindowPresenceWatch watch(file);

    // Another process takes the lock the window's way (shared lock, then its number
    // written) and is killed without a chance to clean up.
    QProcess holder;
    holder.start("sh", {"-c", "exec 9<>\"$0\"; flock -s 9; echo $$ >&9; exec sleep 60", file});
    ASSERT_TRUE(holder.waitForStarted());
    EXPECT_TRUE(waitFor([&] { return watch.isWindowOpen(); }));
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(waitFor([&] { return !watch.isWindowOpen(); }));

    // The runtime folder cleaned: a new file, then a window on it.
    QFile::remove(file);
    pump(100);
    WindowPresenceLock window;
    ASSERT_TRUE(window.hold(file));
    EXPECT_TRUE(waitFor([&] { return watch.isWindowOpen(); }));
}

} // namespace
