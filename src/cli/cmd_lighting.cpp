// light and palette: the lighting page's settings.
#include "cli.h"
#include "cli_values.h"
#include "lighting_table.h"
#include "stored_profile.h"

#include <QJsonArray>

namespace {

constexpr int kPaletteCells = 8;

const LightingTable::Effect *effectNamed(const QString &text) {
    bool isNumber = false;
    const int code = text.toInt(&isNumber);
    if (isNumber)
        return LightingTable::effect(code);
    const QString wanted = CliValues::squash(text);
    for (const LightingTable::Effect &e : LightingTable::effects()) {
        if (CliValues::squash(QLatin1String(e.name)) == wanted)
            return &e;
    }
    return nullptr;
}

QString effectNames() {
    QStringList names;
    for (const LightingTable::Effect &e : LightingTable::effects())
        names.append(
            QString::fromLatin1(e.name).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    return names.join(QStringLiteral(", "));
}

} // namespace

Status runLight(Cli &cli, Arguments &args) {
    bool hasBrightness = false, hasSpeed = false;
    const QString brightnessText = args.takeOption(QStringLiteral("--brightness"), &hasBrightness);
    const QString speedText = args.takeOption(QStringLiteral("--speed"), &hasSpeed);
    if (args.size() < 1)
        return Status::badInput(
            QStringLiteral("usage: light EFFECT|off [--brightness B] [--speed S]"));
    const QString name = args.takeFirst();
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    const bool off = name.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0;
    const LightingTable::Effect *effect = off ? nullptr : effectNamed(name);
    if (!off && !effect)
        return Status::badInput(
            QStringLiteral("unknown lighting effect '%1': choose off or one of %2")
                .arg(name, effectNames()));

    Status error;
    std::optional<int> brightness, speed;
    if (hasBrightness) {
        brightness = CliValues::integer(brightnessText, 0, LightingTable::kPositions - 1,
                                        QStringLiteral("--brightness"), &error);
        if (!brightness)
            return error;
        if (effect && !effect->brightness)
            return Status::badInput(
                QStringLiteral("%1 has no brightness setting").arg(QLatin1String(effect->name)));
    }
    if (hasSpeed) {
        speed = CliValues::integer(speedText, 0, LightingTable::kPositions - 1,
                                   QStringLiteral("--speed"), &error);
        if (!speed)
            return error;
        if (effect && !effect->speed)
            return Status::badInput(
                QStringLiteral("%1 has no speed setting").arg(QLatin1String(effect->name)));
    }

    // Positions not given keep what the profile holds, as the page shows them. The stored
    // configs are [effect position, brightness, speed, on]; a three-entry list (written
    // before the on/off state was kept) reads as on.
    StoredProfile::Lighting shown;
    StoredProfile::lighting(cli.mouse().ledEffect(), &shown);
    const int position = effect ? effect->code - 1 : shown.position;
    const int b = brightness.value_or(shown.brightness);
    const int s = speed.value_or(shown.speed);

    if (Status st = cli.needDevice(); !st.ok())
        return st;
    const QVariantList configs = {position, b, s, effect ? 1 : 0};
    const LightingTable::Bytes sent =
        LightingTable::commandBytes(effect != nullptr, position, b, s);
    cli.mouse().setLedEffect(sent.effect, sent.brightness, sent.speed, configs);

    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("effect"),
                     effect ? QString::fromLatin1(effect->name) : QStringLiteral("off"));
    cli.report().set(QStringLiteral("brightness"), b);
    cli.report().set(QStringLiteral("speed"), s);
    cli.report().set(QStringLiteral("sent"), QJsonArray{sent.effect, sent.brightness, sent.speed});
    return Status::done();
}

Status runPalette(Cli &cli, Arguments &args) {
    bool single = false;
    const QString indexText = args.takeOption(QStringLiteral("--index"), &single);
    if (args.missingValue())
        return Status::badInput(QStringLiteral("--index needs a value"));
    if (!args.strayOption().isEmpty())
        return Status::badInput(QStringLiteral("unknown option '%1'").arg(args.strayOption()));
    const int cells = qBound(1, cli.appConfig().loadDevice().value(0).toInt(), kPaletteCells);
    Status error;
    std::optional<int> index;
    if (single) {
        index = CliValues::integer(indexText, 1, cells, QStringLiteral("--index"), &error);
        if (!index)
            return error;
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: palette --index N COLOUR"));
    } else if (args.size() != kPaletteCells) {
        return Status::badInput(
            QStringLiteral("usage: palette C1 C2 C3 C4 C5 C6 C7 C8 (or --index N COLOUR)"));
    }
    const std::optional<QList<CliValues::Colour>> parsed = CliValues::colours(args.words(), &error);
    if (!parsed)
        return error;
    const QList<CliValues::Colour> &colours = *parsed;
    QList<int> rgb = StoredProfile::cellColours(cli.mouse().stageColors(0));
    for (int i = 0; i < colours.size(); ++i) {
        const int cell = index ? *index - 1 : i;
        for (int k = 0; k < 3; ++k)
            rgb[3 * cell + k] = colours[i].rgb[size_t(k)];
    }
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    QVariantList list;
    for (int v : rgb)
        list.append(v);
    cli.mouse().setStageColors(0, list);
    QJsonArray shown;
    for (int i = 0; i < kPaletteCells; ++i)
        shown.append(
            QStringLiteral("%1,%2,%3").arg(rgb[3 * i]).arg(rgb[3 * i + 1]).arg(rgb[3 * i + 2]));
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("palette"), shown);
    return Status::done();
}
