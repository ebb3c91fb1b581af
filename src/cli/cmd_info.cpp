// info: what the program finds on the bus and what the mouse reports about itself.
#include "cli.h"
#include "dpi_table.h"
#include "keyboard_probe.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
constexpr int kMouseIndex = 1;
} // namespace

Status runInfo(Cli &cli, Arguments &args) {
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    DeviceSession &device = cli.device();
    const DeviceEntry mouse = device.entry(kMouseIndex);
    Report &r = cli.report();
    r.set(QStringLiteral("product"), mouse.name);
    r.set(QStringLiteral("interfaces"), QJsonArray{mouse.primaryPath, mouse.secondaryPath});
    r.set(QStringLiteral("handshake"),
          device.isDemo() ? QStringLiteral("demo mode") : QStringLiteral("passed"));
    const int sensor = cli.mouse().sensorType();
    r.set(QStringLiteral("sensorType"), sensor);
    r.set(QStringLiteral("sensor"), QLatin1String(DpiTable::sensorName(sensor)));
    r.set(QStringLiteral("dpiStages"), cli.mouse().syncDpi());
    r.set(QStringLiteral("logoLed"), cli.mouse().isLogoLedWorking());
    r.set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);

    const QJsonObject keyboard =
        device.isDemo() ? QJsonObject() : probeKeyboard(device.bus(), cli.appConfig().settings());
    if (keyboard.isEmpty())
        r.set(QStringLiteral("keyboard"), QStringLiteral("not found"));
    else
        r.set(QStringLiteral("keyboard"), keyboard);
    return Status::done();
}
