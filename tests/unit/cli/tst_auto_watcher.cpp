// The watcher on r8ctl's own device session and the virtual mouse, in one process so that
// the test can pull the mouse out, put it back and open the window.
#include "cli.h"
#include "cli_mouse_link.h"
#include "device_change_source.h"
#include "emulated_bus.h"
#include "event_wait.h"
#include "key_names.h"
#include "named_process.h"
#include "program_folder.h"
#include "rules_file.h"
#include "switch_watcher.h"
#include "window_presence.h"

#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The report rates the watcher sent, in order (each profile below has its own).
QList<int> sentRates(EmulatedBus &bus) {
    QList<int> rates;
    for (const WireRecord &r : bus.wireLog().records()) {
        if (r.direction == WireRecord::Out && r.kind == WireRecord::Feature &&
            r.plain.size() == 8 && uchar(r.plain[0]) == 0x01)
            rates.append(uchar(r.plain[1]));
    }
    return rates;
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AutoWatcher, FollowsAProgramWaitsForTheMouseAndForTheWindow) {
    ProgramFolder folder;
    QDirIterator it(qEnvironmentVariable("R8_BIN_DIR") + "/modules/setting", QDir::Files);
    while (it.hasNext()) {
        it.next();
        folder.write("modules/setting/" + it.fileName(), readFile(it.filePath()));
    }
    // P01 at 500 Hz (code 2), P02 at 125 Hz (code 8).
    folder.write("modules/setting/p1.bin", "[sensor]\nreportRate_R8=2\n");
    folder.write("modules/setting/p2.bin", "[sensor]\nreportRate_R8=8\n");
    const QString game = QStringLiteral("r8-watch-game");
    folder.write(
        "modules/setting/autoswitch.ini",
        "[default]\nprofile=1\n[rules]\n1\\match=exe:r8-watch-game\n1\\profile=2\nsize=1\n");
    buildKeyNameTable();

    CliOptions options;
    options.emulation = parseEmulatorCommandLine({"r8ctl", "--emulate"});
    Cli cli(options);
    CliMouseLink link(cli);
    DeviceChangeSource deviceChanges;
    QTemporaryDir runtime;
    WindowPresenceWatch window(runtime.filePath("window.lock"));
    WatcherSources sources;
    sources.deviceChanges = &deviceChanges;
    sources.window = &window;
    sources.focus = nullptr;
    QStringList said;
    SwitchWatcher watcher(link, RulesFile::defaultPath(), sources,
                          [&said](const QString &line) { said.append(line); });
    watcher.start();
    auto *bus = dynamic_cast<EmulatedBus *>(cli.device().bus());
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(sentRates(*bus), QList<int>{2}) << said.join('\n').toStdString();
    EXPECT_TRUE(watcher.isScanning());

    QTemporaryDir bin;
    auto running = std::make_unique<NamedProcess>(bin.filePath(game));
    EXPECT_TRUE(waitFor([&] { return sentRates(*bus).size() == 2; }, 4000));
    EXPECT_EQ(sentRates(*bus), (QList<int>{2, 8}));
    EXPECT_EQ(bus->mouseState().reportRate, 8);
    // The switch is remembered as `profile switch` remembers it.
    EXPECT_EQ(QSettings("modules/setting/r8ctl.ini", QSettings::IniFormat)
                  .value("profile/current")
                  .toInt(),
              1);

    // Unplugged: the notice makes the watcher check, find nothing, and wait.
    bus->unplug(EmulatedBus::Mouse);
    emit deviceChanges.devicesChanged();
    EXPECT_TRUE(waitFor([&] { return !watcher.switcher().mouseAnswers(); }, 4000));
    running->stop();
    pump(1500);
    EXPECT_EQ(sentRates(*bus), (QList<int>{2, 8}));
    // Back: the profile the rules now choose is applied.
    bus->plug(EmulatedBus::Mouse);
    emit deviceChanges.devicesChanged();
    EXPECT_TRUE(waitFor([&] { return sentRates(*bus).size() == 3; }, 4000))
        << said.join('\n').toStdString();
    EXPECT_EQ(sentRates(*bus).last(), 2);

    // The window opens: the game starts and ends unnoticed by the mouse; when the window
    // closes, the profile the rules choose then is applied.
    WindowPresenceLock open;
    ASSERT_TRUE(open.hold(runtime.filePath("window.lock")));
    EXPECT_TRUE(waitFor([&] { return watcher.switcher().isWindowOpen(); }));
    running = std::make_unique<NamedProcess>(bin.filePath(game));
    pump(2500);
    EXPECT_EQ(sentRates(*bus).size(), 3);
    open.release();
    EXPECT_TRUE(waitFor([&] { return sentRates(*bus).size() == 4; }, 4000));
    EXPECT_EQ(sentRates(*bus).last(), 8);

    // Rules changed while it runs take effect at once.
    folder.write("modules/setting/autoswitch.ini", "[default]\nprofile=1\n");
    EXPECT_TRUE(waitFor([&] { return sentRates(*bus).size() == 5; }, 4000));
    EXPECT_EQ(sentRates(*bus).last(), 2);
    EXPECT_FALSE(watcher.isScanning()); // no program rule left: no reading of /proc
    cli.device().finish();
}

} // namespace
