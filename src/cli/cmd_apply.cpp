// profile apply: a profile switch sends nothing to the mouse; this sends what the current
// profile holds, through the same setters the pages use (each stores the value again, then
// sends it).
#include "cli.h"
#include "dpi_table.h"
#include "fixed_colors.h"
#include "key_assignment.h"
#include "lighting_table.h"
#include "pointer_settings.h"

#include <QJsonArray>
#include <QSettings>

namespace {

// The report-rate code as the sensor page shows and applies it: 8, 4, 2 as they are, anything
// else 1000 Hz (the lowest set bit decides).
unsigned char appliedRate(int stored) {
    for (unsigned char code : {1, 2, 4, 8}) {
        if (stored & code)
            return code;
    }
    return 1;
}

} // namespace

Status applyProfile(Cli &cli) {
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    MouseSettings &mouse = cli.mouse();
    const int sensorType = mouse.sensorType();
    const bool fixedColours = mouse.isLogoLedWorking();
    const int stages = mouse.syncDpi();
    QJsonArray sent;

    mouse.setReportRate(appliedRate(mouse.reportRate().toInt()));
    sent.append(QStringLiteral("rate"));

    const QList<int> values = storedDpiValues(cli);
    QVariantList codes, list;
    for (int v : values) {
        codes.append(int(DpiTable::codeFor(sensorType, v)));
        list.append(v);
    }
    mouse.setDpiSet(uchar(stages), codes, list);
    mouse.setCurrentDpiStage(uchar(qBound(1, mouse.currentDpiStage().toInt(), DpiTable::kStages)));
    sent.append(QStringLiteral("dpi"));

    if (fixedColours) {
        const QVariantList ids = mouse.stageColors(2);
        if (ids.size() == DpiTable::kStages) {
            QVariantList stored;
            for (const QVariant &id : ids)
                stored.append(FixedColors::storedId(id.toInt()));
            mouse.setStageColors(2, stored);
            sent.append(QStringLiteral("dpiColors"));
        }
    } else if (const QVariantList rgb = mouse.stageColors(1); rgb.size() == 24) {
        mouse.setStageColors(1, rgb);
        sent.append(QStringLiteral("dpiColors"));
    }
    if (const QVariantList palette = mouse.stageColors(0); palette.size() == 24) {
        mouse.setStageColors(0, palette);
        sent.append(QStringLiteral("palette"));
    }

    const QVariantList configs = mouse.ledEffect();
    if (configs.size() == 3 || configs.size() == 4) {
        const int position = qBound(0, configs[0].toInt(), 9);
        const int b = qBound(0, configs[1].toInt(), 7);
        const int s = qBound(0, configs[2].toInt(), 7);
        const bool on = configs.size() == 3 || configs[3].toInt() != 0;
        const LightingTable::Effect *e = LightingTable::effect(position + 1);
        if (on)
            mouse.setLedEffect(uchar(e->code), e->brightness ? LightingTable::brightnessByte(b) : 0,
                               e->speed ? LightingTable::speedByte(e->code, s) : 0, configs);
        else
            mouse.setLedEffect(0, 0, 0, configs);
        sent.append(QStringLiteral("light"));
    }

    cli.keys().setScrollPinSwap(cli.keys().scrollPinSwap());
    QVariantList flat;
    for (const auto &record : storedKeyMatrix(cli))
        for (unsigned char b : record)
            flat.append(int(b));
    cli.keys().setMouseKeyMatrix(flat);
    sent.append(QStringLiteral("buttons"));

    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("sent"), sent);
    return Status::done();
}

Status switchAndApplyProfile(Cli &cli, int index) {
    cli.profiles().select(index);
    cli.rememberProfile(index);
    // The window or another r8ctl may have changed the file since we opened it.
    cli.profiles().current()->sync();
    return applyProfile(cli);
}
