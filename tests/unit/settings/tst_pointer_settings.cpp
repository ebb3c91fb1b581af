// GIO first: Qt's `signals` macro breaks its headers.
#include <gio/gio.h>

#include "gsettings_pointer.h"
#include "pointer_settings.h"
#include "profile_store.h"
#include "program_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList g_debug;

void collect(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtDebugMsg)
        g_debug.append(text);
}

// Captures debug output for the life of the object.
struct DebugLog {
    DebugLog() {
        g_debug.clear();
        m_previous = qInstallMessageHandler(collect);
    }
    ~DebugLog() { qInstallMessageHandler(m_previous); }
    QtMessageHandler m_previous;
};

// GSettings in memory with the real desktop schemas. The backend is picked once per process,
// so the variable must be set before the first GSettings object.
class Pointer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("GSETTINGS_BACKEND", "memory"); }

    Pointer() : mouse(g_settings_new(GSettingsPointer::kMouseSchema)) {
        // The memory backend lives as long as the process: start every test from the defaults.
        for (const char *key : {"speed", "double-click", "accel-profile", "drag-threshold"})
            g_settings_reset(mouse, key);
    }
    ~Pointer() override { g_object_unref(mouse); }

    ProgramFolder folder;
    ProfileStore store;
    GSettings *mouse;
};

TEST_F(Pointer, SlidersStoreThePositionAndSetTheConvertedSystemValue) {
    GSettingsPointer backend;
    ASSERT_TRUE(backend.isAvailable());
    PointerSettings pointer(store, &backend);
    const struct {
        unsigned position;
        double speed; // GSettings -1..1 of system speed 1..20
        int doubleClickMs;
    } cases[] = {
        {0, -1.0, 900},                // speed 1
        {1, -1.0 + 2.0 * 1 / 19, 830}, // speed 2
        {5, -1.0 + 2.0 * 9 / 19, 550}, // speed 10
        {10, 1.0, 200},                // speed 20
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.position);
        pointer.setCursorSpeed(c.position);
        pointer.setDoubleClickSpeed(c.position);
        EXPECT_NEAR(g_settings_get_double(mouse, "speed"), c.speed, 1e-9);
        EXPECT_EQ(g_settings_get_int(mouse, "double-click"), c.doubleClickMs);
        EXPECT_EQ(pointer.cursorSpeed(), c.position);
        EXPECT_EQ(pointer.doubleClickSpeed(), c.position);
    }
}

TEST_F(Pointer, WheelLinesAreStoredButHaveNoDesktopSetting) {
    GSettingsPointer backend;
    PointerSettings pointer(store, &backend);
    DebugLog log;
    pointer.setVerticalScrollLines(4);
    EXPECT_EQ(g_debug, QStringList{"setVerticalScrollLines Failed"});
    EXPECT_EQ(pointer.verticalScrollLines(), 4u);
}

// A system that keeps what it is given, for the conversion the desktop cannot show.
class RecordingPointer : public PointerBackend {
public:
    int lines = -1;
    bool setPointerSpeed(int) override { return true; }
    bool setWheelScrollLines(int value) override {
        lines = value;
        return true;
    }
    bool setDoubleClickTime(int) override { return true; }
    bool acceleration(bool *) override { return true; }
    bool setAcceleration(bool) override { return true; }
};

TEST_F(Pointer, WheelLinesAreThePositionPlusOne) {
    RecordingPointer backend;
    PointerSettings pointer(store, &backend);
    for (unsigned position : {0u, 10u}) {
        pointer.setVerticalScrollLines(position);
        EXPECT_EQ(backend.lines, int(position) + 1);
    }
}

TEST_F(Pointer, AccelerationSwitchesTheProfileAndLeavesEveryOtherSetting) {
    g_settings_set_double(mouse, "speed", 0.25);
    g_settings_set_int(mouse, "double-click", 333);
    g_settings_set_int(mouse, "drag-threshold", 12);
    GSettingsPointer backend;
    PointerSettings pointer(store, &backend);

    pointer.setAcceleration(false);
    EXPECT_FALSE(pointer.acceleration());
    pointer.setAcceleration(true);
    EXPECT_TRUE(pointer.acceleration());
    gchar *profile = g_settings_get_string(mouse, "accel-profile");
    EXPECT_STREQ(profile, "adaptive");
    g_free(profile);

    EXPECT_EQ(g_settings_get_double(mouse, "speed"), 0.25);
    EXPECT_EQ(g_settings_get_int(mouse, "double-click"), 333);
    EXPECT_EQ(g_settings_get_int(mouse, "drag-threshold"), 12);
    EXPECT_EQ(store.read("sensor/cursorSpeed_R8").isValid(), false);
}

TEST_F(Pointer, WithoutTheSchemaEveryCallFailsWithItsOwnText) {
    GSettingsPointer backend("org.example.no.such.schema");
    EXPECT_FALSE(backend.isAvailable());
    PointerSettings pointer(store, &backend);
    DebugLog log;
    pointer.setCursorSpeed(3);
    pointer.setVerticalScrollLines(3);
    pointer.setDoubleClickSpeed(3);
    EXPECT_FALSE(pointer.acceleration());
    pointer.setAcceleration(true);
    EXPECT_EQ(g_debug, (QStringList{"setCursorSpeed Failed", "setVerticalScrollLines Failed",
                                    "setDoubleClickSpeed Failed", "getAcceleration Failed",
                                    "setAcceleration Failed"}));
    // The profile keeps the positions whatever the system did.
    EXPECT_EQ(pointer.cursorSpeed(), 3u);
    EXPECT_EQ(pointer.verticalScrollLines(), 3u);
    EXPECT_EQ(pointer.doubleClickSpeed(), 3u);
}

TEST_F(Pointer, PositionsReadZeroWhenNothingIsStoredAndFollowTheProfile) {
    GSettingsPointer backend;
    PointerSettings pointer(store, &backend);
    EXPECT_EQ(pointer.cursorSpeed(), 0u);
    EXPECT_EQ(pointer.verticalScrollLines(), 0u);
    EXPECT_EQ(pointer.doubleClickSpeed(), 0u);
    pointer.setCursorSpeed(8);
    ASSERT_TRUE(store.select(1));
    EXPECT_EQ(pointer.cursorSpeed(), 0u);
    EXPECT_NEAR(g_settings_get_double(mouse, "speed"), -1.0 + 2.0 * 15 / 19, 1e-9);
}

} // namespace
