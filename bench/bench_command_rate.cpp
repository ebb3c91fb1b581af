// How close the command layer comes to the protocol's own floor: the sum of the pauses it
// must make (acknowledgement pauses of 64 or 128 ms, 8 ms after each data report). Runs
// against the virtual R8, with and without the device watch that shortens the pauses.
//
//   build/bench/bench_command_rate [rounds]
#include "cipher.h"
#include "device_flags.h"
#include "device_table.h"
#include "emulated_bus.h"
#include "hid_thread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Case {
    const char *name;
    bool keyboard;
    std::function<void(Hid_Thread &, uchar *)> command;
    int dataReports;
};

// The floor of one set command with acknowledgement wait: two pauses around the data phase
// (one when there is none), 8 ms after each data report.
double floorMs(const Case &c, bool watch) {
    const int ack = watch ? 64 : 128;
    return ack * (c.dataReports ? 2 : 1) + 8.0 * c.dataReports;
}

double measure(const Case &c, bool watch, int rounds) {
    EmulatorOptions options;
    options.mouse = !c.keyboard;
    options.keyboard = c.keyboard;
    EmulatedBus bus(options);
    Hid_Thread hid(&bus);
    const QByteArray code = (c.keyboard ? options.keyboardCode : options.mouseCode).toLatin1();
    loadSecrecyCode(code.constData());
    DeviceFlags::encryption = true;
    const DeviceInfo keyboard = tableRecordFor(VirtualKeyboard::defaultIdentity(), 0);
    const DeviceInfo mouse = tableRecordFor(VirtualMouse::defaultIdentity(), 1);
    hid.updateDeviceList(c.keyboard ? QList<DeviceInfo>{mouse, keyboard}
                                    : QList<DeviceInfo>{keyboard, mouse});
    if (watch) {
        hid.startWatch(1);
        QThread::msleep(20);
    }
    std::vector<uchar> block(512, 0x5A);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        c.command(hid, block.data());
        hid.waitForTransfers();
    }
    const double perCommand = double(clock.nsecsElapsed()) / 1e6 / rounds;
    hid.stopWatch();
    return perCommand;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const Case cases[] = {
        {"mouse 0BH set, no data", false,
         [](Hid_Thread &h, uchar *) { h.hid_0BH_SetCurrentDPIStage(2); }, 0},
        {"mouse 12H set, 64 bytes", false,
         [](Hid_Thread &h, uchar *b) { h.hid_12H_SetKeyMatrix(b); }, 2},
        {"keyboard 0DH set, 512 bytes", true,
         [](Hid_Thread &h, uchar *b) { h.hid_0DH_SetKeyMatrix(b); }, 8},
    };
    std::printf("%d rounds per case; time from the command to the end of its transfer\n\n", rounds);
    std::printf("%-30s %-8s %10s %10s %8s %10s\n", "command", "watch", "measured", "floor", "ratio",
                "overhead");
    for (const Case &c : cases) {
        for (const bool watch : {false, true}) {
            const double ms = measure(c, watch, rounds);
            const double floor = floorMs(c, watch);
            std::printf("%-30s %-8s %8.1f ms %7.0f ms %8.3f %7.2f ms\n", c.name,
                        watch ? "running" : "off", ms, floor, ms / floor, ms - floor);
        }
    }
    std::printf("\nWith the watch running, a data-phase set pays its second pause in full: the\n"
                "device acknowledges the data during the 8 ms pause after the last report,\n"
                "before that pause clears the flag, so the flag reads unset after 64 ms.\n");
    return 0;
}
