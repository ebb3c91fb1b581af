// How close the commands come to the protocol's own floor, the sum of the pauses it makes the
// host wait: 64 ms per acknowledgement pause when the device acknowledges in time (128 ms
// when no acknowledgement is seen), 8 ms after each data report. Everything runs against the
// virtual R8 with its acknowledgements on, set up as the programs set it up (the device check
// with its handshake), so what the window and r8ctl would get is what is measured:
//
//   - each mouse set command, from the call to the end of its transfer;
//   - ALL SAVE in the real window scene (offscreen), from the signal to the end of the last
//     transfer;
//   - r8ctl profile apply, run in-process, from its first set command to its end.
//
//   build/bench/bench_command_rate [rounds] [program folder]
//
// The program folder (default: bin beside this program's folder) is copied to a temporary
// folder, so nothing the runs store reaches the build.
#include "device_check.h"
#include "device_flags.h"
#include "emulated_bus.h"
#include "hid_thread.h"
#include "mouse_commands.h"
#include "myqquickview.h"
#include "qt_dialogs.h"
#include "r8ctl_app.h"
#include "sound_player.h"
#include "widget.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kAckFloorMs = Hid_Thread::kAckPauseMs;
constexpr double kReportPauseMs = Hid_Thread::kPauseMs;

struct Figures {
    double median = 0, min = 0, max = 0;
};

Figures figuresOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

// `fullPauses` below 0: not known (r8ctl runs its own device stack).
void printRow(const char *name, const Figures &f, double floor, int fullPauses) {
    std::printf("%-34s %7.1f ms (%6.1f .. %6.1f) %7.0f ms ", name, f.median, f.min, f.max, floor);
    if (floor > 0)
        std::printf("%7.3f ", f.median / floor);
    else
        std::printf("%7s ", "-");
    if (fullPauses >= 0)
        std::printf("%6d\n", fullPauses);
    else
        std::printf("%6s\n", "-");
}

// The floor of the set commands among these wire records: a set frame (code below 80H,
// not the handshake's 00H) pays its row's acknowledgement pauses, one before the data phase
// and one after it, and 8 ms after each data report.
double floorOf(const QList<WireRecord> &records) {
    double floor = 0;
    bool ackWait = false;
    int reports = 0;
    auto close = [&] {
        if (ackWait)
            floor += kAckFloorMs * (reports ? 2 : 1);
        floor += kReportPauseMs * reports;
        ackWait = false;
        reports = 0;
    };
    for (const WireRecord &r : records) {
        if (r.iface != 1 || r.direction != WireRecord::Out)
            continue;
        if (r.kind == WireRecord::Feature) {
            close();
            const uchar code = uchar(r.plain.isEmpty() ? r.bytes.at(1) : r.plain.at(0));
            if (code != 0x00 && code < 0x80)
                ackWait = rowFor(MouseCommands::kSet, code).ackWait;
        } else if (r.kind == WireRecord::Output) {
            ++reports;
        }
    }
    close();
    return floor;
}

// The application config a device check reads: the virtual mouse's secrecy code.
QByteArray appConfigText(const EmulatorOptions &options) {
    return "[common]\nname=R8 Bench\nproduct_name=R8 Keyboard, R8\nsCode1=" +
           options.mouseCode.toLatin1() + "\n";
}

// ---- each set command

struct SetCase {
    const char *name;
    std::function<void(Hid_Thread &, uchar *)> command;
};

void benchSetCommands(int rounds) {
    EmulatorOptions options;
    EmulatedBus bus(options);
    Hid_Thread hid(&bus);
    QTemporaryDir dir;
    {
        QFile f(dir.filePath("apConfig.bin"));
        f.open(QIODevice::WriteOnly);
        f.write(appConfigText(options));
    }
    QSettings apConfig(dir.filePath("apConfig.bin"), QSettings::IniFormat);
    QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    hid.setAppConfig(&apConfig);
    runDeviceCheck(hid, table, &apConfig);
    if (!DeviceFlags::connected) {
        std::printf("the handshake failed: no figures\n");
        return;
    }
    QThread::msleep(50); // whatever the device check started settles

    const SetCase cases[] = {
        {"01H report rate", [](Hid_Thread &h, uchar *) { h.hid_01H_SetReportRate(1); }},
        {"03H function option",
         [](Hid_Thread &h, uchar *) { h.hid_03H_SetFunctionOption(0, 0, 0, 0); }},
        {"07H LED instruct (no ack wait)",
         [](Hid_Thread &h, uchar *) { h.hid_07H_SetLEDInstructFunction(1, 1, 0, 0); }},
        {"0BH current DPI stage",
         [](Hid_Thread &h, uchar *) { h.hid_0BH_SetCurrentDPIStage(2); }},
        {"0DH lighting effect", [](Hid_Thread &h, uchar *) { h.hid_0DH_SetRGBLedEffect(1, 3, 3); }},
        {"10H stage colours, 24 bytes",
         [](Hid_Thread &h, uchar *b) { h.hid_10H_SetLED8StageColor(1, b); }},
        {"11H DPI stages, 8 bytes", [](Hid_Thread &h, uchar *b) { h.hid_11H_SetDPISet(8, b); }},
        {"12H key matrix, 64 bytes", [](Hid_Thread &h, uchar *b) { h.hid_12H_SetKeyMatrix(b); }},
        {"13H macro, 128 bytes", [](Hid_Thread &h, uchar *b) { h.hid_13H_SetMacroKey(1, b); }},
    };
    std::vector<uchar> block(512, 0x05);
    for (const SetCase &c : cases) {
        std::vector<double> ms;
        double floor = 0;
        const int pausesBefore = hid.fullAckPauses();
        for (int i = 0; i < rounds; ++i) {
            bus.wireLog().clear();
            QElapsedTimer clock;
            clock.start();
            c.command(hid, block.data());
            hid.waitForTransfers();
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
            floor = floorOf(bus.wireLog().records());
        }
        printRow(c.name, figuresOf(ms), floor, hid.fullAckPauses() - pausesBefore);
    }
}

// ---- ALL SAVE in the window

// Plays nothing: the benchmark measures the device, not sound.
class SilentPlayer : public SoundPlayer {
public:
    using SoundPlayer::SoundPlayer;
    void clear() override {}
    void setSource(const QUrl &) override {}
    void play() override {}
};

void copyFolder(const QString &from, const QString &to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

bool waitFor(const std::function<bool()> &done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void benchAllSave(int rounds, const QString &programFolder) {
    QTemporaryDir dir;
    copyFolder(programFolder, dir.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        // Fast animations (preference 3), sound off (preference 2).
        QSettings config(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        config.setValue(QStringLiteral("common/2"), 1);
        config.setValue(QStringLiteral("common/3"), 1);
    }
    EmulatorOptions options;
    EmulatedBus bus(options);
    QtDialogs dialogs;
    AppSeams seams;
    seams.dialogs = &dialogs;
    seams.hidBackend = &bus;
    seams.soundPlayers = [](QObject *parent) -> SoundPlayer * { return new SilentPlayer(parent); };
    {
        Widget window(seams);
        window.checkDevice();
        if (!DeviceFlags::connected) {
            std::printf("%-34s the handshake failed\n", "ALL SAVE (window)");
            QDir::setCurrent(previous);
            return;
        }
        window.show();
        window.view()->initUI();
        window.view()->runUI();
        QObject *root = window.view()->rootObject();
        QObject *animation = root->property("powerOnAnimation").value<QObject *>();
        waitFor([&] { return !animation->property("running").toBool(); });
        QObject *downItem = qmlContext(root)->objectForName(QStringLiteral("downItem"));
        window.hid()->waitForTransfers();

        std::vector<double> ms;
        double floor = 0;
        const int pausesBefore = window.hid()->fullAckPauses();
        for (int i = 0; i < rounds; ++i) {
            bus.wireLog().clear();
            QElapsedTimer clock;
            clock.start();
            QMetaObject::invokeMethod(downItem, "btnTotalApplyClicked");
            window.hid()->waitForTransfers();
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
            floor = floorOf(bus.wireLog().records());
        }
        printRow("ALL SAVE (window)", figuresOf(ms), floor,
                 window.hid()->fullAckPauses() - pausesBefore);
    }
    QDir::setCurrent(previous);
}

// ---- r8ctl profile apply

void benchProfileApply(int rounds, const QString &programFolder) {
    QTemporaryDir dir;
    copyFolder(programFolder, dir.path());
    const QString log = dir.filePath("wire.log");
    std::vector<double> ms;
    double floor = 0;
    for (int i = 0; i < rounds; ++i) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        QElapsedTimer clock;
        clock.start();
        const int code = runR8ctl({"r8ctl", "--emulate", "--wire-log", log, "profile", "apply"},
                                  dir.path(), out, err);
        const double total = double(clock.nsecsElapsed()) / 1e6;
        if (code != 0) {
            std::printf("%-34s failed: %s\n", "r8ctl profile apply", qPrintable(errText));
            return;
        }
        // From the first set frame on: the wire log counts from the bus's start, which comes
        // after the clock's, so this is an upper bound.
        QFile f(log);
        f.open(QIODevice::ReadOnly);
        QList<WireRecord> records;
        double firstSet = -1;
        while (!f.atEnd()) {
            const QList<QByteArray> parts = f.readLine().trimmed().split(' ');
            if (parts.size() < 5)
                continue;
            WireRecord r;
            r.ms = parts[0].toLongLong();
            r.direction = parts[1] == "OUT" ? WireRecord::Out : WireRecord::In;
            r.kind = parts[2] == "FEATURE"  ? WireRecord::Feature
                     : parts[2] == "OUTPUT" ? WireRecord::Output
                                            : WireRecord::Input;
            r.iface = parts[3].toInt();
            const int plainAt = parts.indexOf("plain");
            QByteArray hex;
            for (int k = 4; k < (plainAt < 0 ? parts.size() : plainAt - 1); ++k)
                hex += parts[k];
            r.bytes = QByteArray::fromHex(hex);
            if (plainAt > 0)
                r.plain = QByteArray::fromHex(parts.mid(plainAt + 1).join());
            if (r.kind == WireRecord::Feature && r.direction == WireRecord::Out && firstSet < 0) {
                const uchar c = uchar(r.plain.isEmpty() ? r.bytes.at(1) : r.plain.at(0));
                if (c != 0x00 && c < 0x80)
                    firstSet = double(r.ms);
            }
            records.append(r);
        }
        floor = floorOf(records);
        ms.push_back(total - std::max(0.0, firstSet));
    }
    printRow("r8ctl profile apply", figuresOf(ms), floor, -1);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QString programFolder =
        argc > 2 ? QString::fromLocal8Bit(argv[2])
                 : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");

    std::printf("Virtual R8, acknowledgements %d ms after each set; %d rounds each.\n"
                "Time from the command to the end of its transfer: median (min .. max), the\n"
                "protocol's floor (64 ms per acknowledgement pause, 8 ms per data report),\n"
                "the ratio of median to floor, and the pauses that saw no acknowledgement and\n"
                "ran their full 128 ms (over all rounds).\n\n",
                EmulatorOptions().ackDelayMs, rounds);
    std::printf("%-34s %-29s %10s %7s %6s\n", "command", "measured", "floor", "ratio", "128ms");
    benchSetCommands(rounds);
    benchAllSave(rounds, programFolder);
    benchProfileApply(rounds, programFolder);
    return 0;
}
