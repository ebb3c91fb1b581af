// The profile watcher's cost and reaction time. Prints figures; not a test.
//
//   bench_autoswitch [IDLE_SECONDS]     (default 60)
//
// 1. Idle CPU: `r8ctl --emulate auto run` as its own process on a copy of the staged program
//    folder, once with a program rule (the process list is read every second) and once with
//    window rules only (nothing but events); its utime + stime from /proc over the idle time.
// 2. Focus change to the first report on the wire: in this process, the watcher on the
//    virtual mouse and a private X server with a window manager; the focus is moved by the
//    same request a pager or xdotool sends, and the delay runs from that request to the
//    first report the virtual mouse receives.
#include "cli.h"
#include "cli_mouse_link.h"
#include "emulated_bus.h"
#include "key_names.h"
#include "process_scanner.h"
#include "rules_file.h"
#include "switch_watcher.h"
#include "x11_focus_source.h"
#include "x11_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

QString binDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}

// A copy of the staged program: r8ctl and modules/setting.
void stageProgram(const QTemporaryDir &dir) {
    QFile::copy(binDir() + "/r8ctl", dir.filePath("r8ctl"));
    QDir().mkpath(dir.filePath("modules/setting"));
    QDirIterator it(binDir() + "/modules/setting", QDir::Files);
    while (it.hasNext()) {
        it.next();
        QFile::copy(it.filePath(), dir.filePath("modules/setting/" + it.fileName()));
    }
}

void writeRules(const QString &folder, const QList<QPair<QString, int>> &rules) {
    SwitchRules r;
    QString error;
    for (const auto &[match, profile] : rules)
        r.rules.append(*parseSwitchRule(match, profile, &error));
    r.defaultProfile = 0;
    RulesFile::save(folder + "/modules/setting/autoswitch.ini", r);
}

long cpuTicks(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    // Fields after the command name: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLong() + fields.value(12).toLong();
}

void idleCpu(const X11Session &x11, const char *label, const QList<QPair<QString, int>> &rules,
             int seconds) {
    QTemporaryDir program, runtime;
    stageProgram(program);
    writeRules(program.path(), rules);
    QProcess watcher;
    QProcessEnvironment env = x11.environment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    watcher.setProcessEnvironment(env);
    watcher.start(program.filePath("r8ctl"), {"--emulate", "auto", "run"});
    if (!watcher.waitForReadyRead(10000)) {
        std::printf("%s: the watcher did not start\n", label);
        return;
    }
    QThread::sleep(1); // the first apply and the first scans
    const long before = cpuTicks(watcher.processId());
    QThread::sleep(seconds);
    const long after = cpuTicks(watcher.processId());
    const long hz = sysconf(_SC_CLK_TCK);
    std::printf("idle CPU, %s: %ld ticks over %d s (%.1f ms, %.3f %% of one core)\n", label,
                after - before, seconds, 1000.0 * double(after - before) / double(hz),
                100.0 * double(after - before) / double(hz) / seconds);
    watcher.terminate();
    watcher.waitForFinished();
}

void scanCost() {
    ProcessScanner scanner;
    scanner.scan();
    for (int i = 0; i < ProcessScanner::kYoungScans; ++i)
        scanner.scan();
    const int rounds = 200;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i)
        scanner.scan();
    const double us = double(t.nsecsElapsed()) / 1000.0 / rounds;
    QDir proc("/proc");
    const int processes =
        int(proc.entryList(QDir::Dirs).filter(QRegularExpression("^\\d+$")).size());
    std::printf("one scan of /proc: %.0f us with %d processes, %d of them read in the last scan\n",
                us, processes, scanner.examinedLastScan());
}

void sendActivation(xcb_connection_t *c, xcb_window_t root, xcb_atom_t active, xcb_window_t w) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = w;
    e.type = active;
    e.data.data32[0] = 2; // from a pager, as xdotool says
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&e));
    xcb_flush(c);
}

void focusDelay(const X11Session &x11, int rounds) {
    QTemporaryDir program, runtime;
    stageProgram(program);
    writeRules(program.path(), {{"class:BenchA", 1}, {"class:BenchB", 2}});
    const QString previous = QDir::currentPath();
    QDir::setCurrent(program.path());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
    buildKeyNameTable();
    {
        TestWindow a(x11.display(), "a", "BenchA", "A");
        TestWindow b(x11.display(), "b", "BenchB", "B");
        QThread::msleep(200);

        CliOptions options;
        options.emulation = parseEmulatorCommandLine({"r8ctl", "--emulate"});
        Cli cli(options);
        CliMouseLink link(cli);
        X11FocusSource focus(x11.display());
        WatcherSources sources;
        sources.focus = &focus;
        SwitchWatcher watcher(link, RulesFile::defaultPath(), sources, {});
        watcher.start();
        auto *bus = dynamic_cast<EmulatedBus *>(cli.device().bus());

        xcb_connection_t *c = xcb_connect(x11.display().constData(), nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_intern_atom_reply_t *atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 18, "_NET_ACTIVE_WINDOW"), nullptr);
        QList<qint64> delays;
        for (int i = 0; i < rounds; ++i) {
            const int before = int(bus->wireLog().records().size());
            const qint64 t0 = bus->wireLog().now();
            sendActivation(c, root, atom->atom, (i % 2 ? a : b).id());
            QElapsedTimer limit;
            limit.start();
            while (bus->wireLog().records().size() == before && limit.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            const QList<WireRecord> records = bus->wireLog().records();
            if (records.size() > before)
                delays.append(records[before].ms - t0);
            // Let the rest of the apply go by.
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 300)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        free(atom);
        xcb_disconnect(c);
        cli.device().finish();
        std::sort(delays.begin(), delays.end());
        if (delays.isEmpty()) {
            std::printf("focus delay: no report followed a focus change\n");
        } else {
            std::printf("focus change -> first report on the wire: median %lld ms, max %lld ms "
                        "(%d changes, ms resolution)\n",
                        delays[delays.size() / 2], delays.last(), int(delays.size()));
        }
    }
    QDir::setCurrent(previous);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    scanCost();
    X11Session x11;
    if (!x11.isReady()) {
        std::printf("no X server with a window manager (Xvfb, evilwm: scripts/setup.sh)\n");
        return 1;
    }
    focusDelay(x11, 20);
    idleCpu(x11, "program and window rules (process list read every second)",
            {{"exe:r8-bench-no-such-game", 1}, {"class:Gimp", 2}}, seconds);
    idleCpu(x11, "window rules only (events only)", {{"class:Gimp", 2}}, std::min(seconds, 10));
    return 0;
}
