// rate, dpi set / stage / colors: the sensor page's settings.
#include "cli.h"
#include "cli_values.h"
#include "dpi_table.h"
#include "fixed_colors.h"
#include "profile_store.h"
#include "stored_profile.h"

#include <QJsonArray>

namespace {

QString dpiList(const QList<int> &values) {
    QStringList parts;
    for (int v : values)
        parts.append(QString::number(v));
    return parts.join(QStringLiteral(", "));
}

QJsonArray toJson(const QList<int> &values) {
    QJsonArray a;
    for (int v : values)
        a.append(v);
    return a;
}

// A stage beyond the mouse's stage count cannot be set or chosen.
Status stageExists(int stage, int stages) {
    if (stage <= stages)
        return Status::done();
    return Status::badInput(QStringLiteral("stage %1 does not exist: this mouse has %2 DPI stages")
                                .arg(stage)
                                .arg(stages));
}

Status dpiSet(Cli &cli, Arguments &args) {
    if (args.size() < 2)
        return Status::badInput(QStringLiteral("usage: dpi set STAGE DPI"));
    Status error;
    const auto stage = CliValues::integer(args.takeFirst(), 1, DpiTable::kStages, "STAGE", &error);
    if (!stage)
        return error;
    const auto dpi = CliValues::integer(args.takeFirst(), 0, 100000, "DPI", &error);
    if (!dpi)
        return error;
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (Status s = cli.needDevice(); !s.ok())
        return s;

    const int sensorType = cli.mouse().sensorType();
    const int stages = cli.mouse().syncDpi();
    if (Status s = stageExists(*stage, stages); !s.ok())
        return s;
    if (!DpiTable::offers(sensorType, *dpi)) {
        return Status::badInput(
            QStringLiteral("%1 DPI is not offered by sensor type %2 (%3); choose one of %4")
                .arg(*dpi)
                .arg(sensorType)
                .arg(QLatin1String(DpiTable::sensorName(sensorType)))
                .arg(dpiList(DpiTable::menu(sensorType))));
    }
    QList<int> values = StoredProfile::dpiValues(cli.mouse());
    if (!StoredProfile::acceptsDpiValue(values, *stage - 1, *dpi, stages))
        return Status::badInput(
            QStringLiteral("the mouse needs at least one stage with a DPI value; stage %1 stays on")
                .arg(*stage));
    values[*stage - 1] = *dpi;
    QVariantList codes, stored;
    for (int v : values) {
        codes.append(int(DpiTable::codeFor(sensorType, v)));
        stored.append(v);
    }
    cli.mouse().setDpiSet(uchar(stages), codes, stored);

    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("sensorType"), sensorType);
    cli.report().set(QStringLiteral("stages"), stages);
    cli.report().set(QStringLiteral("dpi"), toJson(values));
    return Status::done();
}

Status dpiStage(Cli &cli, Arguments &args) {
    if (args.size() < 1)
        return Status::badInput(QStringLiteral("usage: dpi stage N"));
    Status error;
    const auto stage = CliValues::integer(args.takeFirst(), 1, DpiTable::kStages, "N", &error);
    if (!stage)
        return error;
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    const int stages = cli.mouse().syncDpi();
    if (Status s = stageExists(*stage, stages); !s.ok())
        return s;
    // The page does not let a stage that is off be chosen.
    if (StoredProfile::dpiValues(cli.mouse())[*stage - 1] == 0)
        return Status::badInput(
            QStringLiteral("stage %1 is switched off (its DPI is 0)").arg(*stage));
    cli.mouse().setCurrentDpiStage(uchar(*stage));
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("stage"), *stage);
    return Status::done();
}

Status dpiColors(Cli &cli, Arguments &args) {
    bool single = false;
    const QString stageText = args.takeOption(QStringLiteral("--stage"), &single);
    if (!args.strayOption().isEmpty())
        return Status::badInput(QStringLiteral("unknown option '%1'").arg(args.strayOption()));
    if (args.missingValue())
        return Status::badInput(QStringLiteral("--stage needs a value"));
    Status error;
    std::optional<int> stage;
    if (single) {
        stage = CliValues::integer(stageText, 1, DpiTable::kStages, "--stage", &error);
        if (!stage)
            return error;
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: dpi colors --stage N COLOUR"));
    } else if (args.size() != DpiTable::kStages) {
        return Status::badInput(
            QStringLiteral("usage: dpi colors C1 C2 C3 C4 C5 C6 C7 C8 (or --stage N COLOUR)"));
    }
    const std::optional<QList<CliValues::Colour>> parsed = CliValues::colours(args.words(), &error);
    if (!parsed)
        return error;
    const QList<CliValues::Colour> &colours = *parsed;
    if (Status s = cli.needDevice(); !s.ok())
        return s;

    if (stage) {
        const int stages = cli.mouse().syncDpi();
        if (Status s = stageExists(*stage, stages); !s.ok())
            return s;
    }
    const bool fixedOnly = cli.mouse().isLogoLedWorking();
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    if (fixedOnly) {
        for (int i = 0; i < colours.size(); ++i) {
            if (colours[i].fixedId < 0)
                return Status::badInput(
                    QStringLiteral("this mouse shows only the eight fixed colours; '%1' is not one "
                                   "of %2")
                        .arg(args.at(i), FixedColors::names()));
        }
        QList<int> ids = {0, 1, 2, 3, 4, 5, 6, 7};
        const QVariantList stored = cli.mouse().stageColors(2);
        if (stored.size() == DpiTable::kStages) {
            for (int i = 0; i < DpiTable::kStages; ++i)
                ids[i] = stored[i].toInt();
        }
        if (stage)
            ids[*stage - 1] = colours[0].fixedId;
        else
            for (int i = 0; i < DpiTable::kStages; ++i)
                ids[i] = colours[i].fixedId;
        QVariantList list;
        QJsonArray names;
        for (int id : ids) {
            list.append(FixedColors::storedId(id));
            names.append(id >= 0 && id < FixedColors::palette().size()
                             ? QLatin1String(FixedColors::palette()[id].name)
                             : QString::number(id));
        }
        cli.mouse().setStageColors(2, list);
        cli.report().set(QStringLiteral("mode"), QStringLiteral("fixed colours"));
        cli.report().set(QStringLiteral("colors"), names);
        return Status::done();
    }

    QList<int> rgb = StoredProfile::cellColours(cli.mouse().stageColors(1));
    for (int i = 0; i < colours.size(); ++i) {
        const int cell = stage ? *stage - 1 : i;
        for (int k = 0; k < 3; ++k)
            rgb[3 * cell + k] = colours[i].rgb[size_t(k)];
    }
    QVariantList list;
    QJsonArray shown;
    for (int i = 0; i < rgb.size(); ++i)
        list.append(rgb[i]);
    for (int i = 0; i < DpiTable::kStages; ++i)
        shown.append(
            QStringLiteral("%1,%2,%3").arg(rgb[3 * i]).arg(rgb[3 * i + 1]).arg(rgb[3 * i + 2]));
    cli.mouse().setStageColors(1, list);
    cli.report().set(QStringLiteral("mode"), QStringLiteral("rgb"));
    cli.report().set(QStringLiteral("colors"), shown);
    return Status::done();
}

} // namespace

Status runRate(Cli &cli, Arguments &args) {
    if (args.size() < 1)
        return Status::badInput(QStringLiteral("usage: rate HZ (125, 250, 500 or 1000)"));
    QString text = args.takeFirst().trimmed();
    if (text.endsWith(QLatin1String("hz"), Qt::CaseInsensitive))
        text.chop(2);
    bool isNumber = false;
    const int hz = text.toInt(&isNumber);
    const unsigned char code = isNumber ? StoredProfile::reportRateCodeOf(hz) : 0;
    if (code == 0)
        return Status::badInput(
            QStringLiteral("unknown report rate '%1': choose 125, 250, 500 or 1000").arg(text));
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    cli.mouse().setReportRate(uchar(code));
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("rate"), hz);
    return Status::done();
}

Status runDpi(Cli &cli, Arguments &args) {
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("set"))
        return dpiSet(cli, args);
    if (verb == QLatin1String("stage"))
        return dpiStage(cli, args);
    if (verb == QLatin1String("colors") || verb == QLatin1String("colours"))
        return dpiColors(cli, args);
    return Status::badInput(
        verb.isEmpty() ? QStringLiteral("usage: dpi set|stage|colors ...")
                       : QStringLiteral("unknown dpi command '%1' (set, stage, colors)").arg(verb));
}
