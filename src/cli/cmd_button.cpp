// button: the key assignment page's choices for one button, applied as the page applies.
#include "cli.h"
#include "cli_values.h"
#include "key_functions.h"
#include "key_names.h"
#include "key_rules.h"
#include "language_catalog.h"
#include "macro_library.h"
#include "stored_profile.h"

#include <QJsonArray>

using KeyFunctions::Record;

namespace {

constexpr int kKeys = 16;

// The page's play modes.
const QList<QPair<const char *, int>> kPlayModes = {{"normal", 0}, {"repeat", 1}, {"hold", 2}};

QString keyNameOf(unsigned char code) {
    const QMap<QString, uchar> &table = keyNameTable();
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (it.value() == code)
            return it.key();
    }
    return QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
}

QString functionNames(const QList<KeyFunctions::Named> &rows) {
    QStringList names;
    for (const auto &row : rows)
        names.append(CliValues::squash(QLatin1String(row.name)));
    return names.join(QStringLiteral(", "));
}

struct Choice {
    Record record{};
    QString macro; // a macro to bind, when the choice is MACRO
    int playMode = 0;
    std::optional<int> times;
    bool factory = false; // the factory record of the key
};

Status parseChoice(Cli &cli, Arguments &args, Choice *choice) {
    const QString function = args.takeFirst().toLower();
    Status error;
    bool hasMode = false, hasTimes = false, hasSpeed = false, hasShots = false;
    const QString modeText = args.takeOption(QStringLiteral("--mode"), &hasMode);
    const QString timesText = args.takeOption(QStringLiteral("--times"), &hasTimes);
    const QString speedText = args.takeOption(QStringLiteral("--speed"), &hasSpeed);
    const QString shotsText = args.takeOption(QStringLiteral("--shots"), &hasShots);
    if ((hasMode || hasTimes) && function != QLatin1String("macro"))
        return Status::badInput(QStringLiteral("--mode and --times belong to 'macro'"));
    if ((hasSpeed || hasShots) && function != QLatin1String("fire"))
        return Status::badInput(QStringLiteral("--speed and --shots belong to 'fire'"));

    if (function == QLatin1String("key")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: button N key KEYNAME"));
        const auto code = CliValues::keyName(args.takeFirst(), &error);
        if (!code)
            return error;
        choice->record = KeyFunctions::keyboardKey(*code);
    } else if (function == QLatin1String("combo")) {
        if (args.size() < 2 || args.size() > 3)
            return Status::badInput(
                QStringLiteral("usage: button N combo MODIFIER|none KEY [KEY2]"));
        const QString modifier = args.takeFirst();
        unsigned char bits = 0;
        if (CliValues::squash(modifier) != QLatin1String("none")) {
            const QList<const char *> &names = KeyFunctions::modifierNames();
            for (int k = 0; k < names.size(); ++k) {
                if (CliValues::squash(QLatin1String(names[k])) == CliValues::squash(modifier))
                    bits = uchar(1u << k);
            }
            if (!bits)
                return Status::badInput(
                    QStringLiteral("unknown modifier '%1': choose none, lctrl, lshift, "
                                   "lalt, lwin, rctrl, rshift, ralt or rwin")
                        .arg(modifier));
        }
        const auto key1 = CliValues::keyName(args.takeFirst(), &error);
        if (!key1)
            return error;
        unsigned char key2 = 0;
        if (!args.isEmpty()) {
            const auto k = CliValues::keyName(args.takeFirst(), &error);
            if (!k)
                return error;
            key2 = *k;
        }
        choice->record = KeyFunctions::combo(bits, *key1, key2);
    } else if (function == QLatin1String("mouse")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: button N mouse FUNCTION"));
        const QString wanted = CliValues::squash(args.takeFirst());
        const auto &rows = KeyFunctions::mouseFunctions();
        auto it = std::find_if(rows.begin(), rows.end(), [&](const KeyFunctions::Named &row) {
            return CliValues::squash(QLatin1String(row.name)) == wanted;
        });
        if (it == rows.end())
            return Status::badInput(QStringLiteral("unknown mouse function '%1': choose %2")
                                        .arg(wanted, functionNames(rows)));
        choice->record = it->record;
    } else if (function == QLatin1String("media")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: button N media KEY"));
        const QString wanted = CliValues::squash(args.takeFirst()).remove(QLatin1Char('/'));
        const auto &rows = KeyFunctions::mediaKeys();
        auto it = std::find_if(rows.begin(), rows.end(), [&](const KeyFunctions::Media &row) {
            return CliValues::squash(QLatin1String(row.name)).remove(QLatin1Char('/')) == wanted;
        });
        if (it == rows.end()) {
            QStringList names;
            for (const auto &row : rows)
                names.append(CliValues::squash(QLatin1String(row.name)).remove(QLatin1Char('/')));
            return Status::badInput(QStringLiteral("unknown media key '%1': choose %2")
                                        .arg(wanted, names.join(QStringLiteral(", "))));
        }
        choice->record = KeyFunctions::media(it->usage);
    } else if (function == QLatin1String("macro")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral(
                "usage: button N macro NAME [--mode normal|repeat|hold] [--times N]"));
        choice->macro = args.takeFirst();
        if (!cli.macroFiles().exists(choice->macro))
            return Status::badInput(QStringLiteral("no macro named '%1'").arg(choice->macro));
        if (hasMode) {
            const QString m = modeText.toLower();
            auto it = std::find_if(kPlayModes.begin(), kPlayModes.end(),
                                   [&](const auto &row) { return m == QLatin1String(row.first); });
            if (it == kPlayModes.end())
                return Status::badInput(
                    QStringLiteral("unknown play mode '%1': choose normal, repeat or hold")
                        .arg(modeText));
            choice->playMode = it->second;
        }
        if (hasTimes) {
            if (choice->playMode != 0)
                return Status::badInput(QStringLiteral("--times goes with --mode normal only"));
            choice->times =
                CliValues::integer(timesText, 0, 65535, QStringLiteral("--times"), &error);
            if (!choice->times)
                return error;
        }
    } else if (function == QLatin1String("fire")) {
        if (args.size() != 1)
            return Status::badInput(
                QStringLiteral("usage: button N fire left|right|middle|backward|forward|KEY "
                               "[--speed 0..7] [--shots 0..255]"));
        const QString what = args.takeFirst();
        unsigned char code = 0;
        const QList<const char *> buttons = {"left", "right", "middle", "backward", "forward"};
        for (int i = 0; i < buttons.size(); ++i) {
            if (what.compare(QLatin1String(buttons[i]), Qt::CaseInsensitive) == 0)
                code = uchar(KeyFunctions::kMouseButtonFirst + i);
        }
        if (!code) {
            const auto k = CliValues::keyName(what, &error);
            if (!k)
                return error;
            code = *k;
        }
        int speed = 7, shots = 10;
        if (hasSpeed) {
            const auto v = CliValues::integer(speedText, 0, 7, QStringLiteral("--speed"), &error);
            if (!v)
                return error;
            speed = *v;
        }
        if (hasShots) {
            const auto v = CliValues::integer(shotsText, 0, 255, QStringLiteral("--shots"), &error);
            if (!v)
                return error;
            shots = *v;
        }
        choice->record = KeyFunctions::fire(code, speed, uchar(shots));
    } else if (function == QLatin1String("led")) {
        choice->record = KeyFunctions::lightingControl();
    } else if (function == QLatin1String("default")) {
        choice->factory = true;
    } else {
        return Status::badInput(
            function.isEmpty()
                ? QStringLiteral("usage: button N key|combo|mouse|media|macro|fire|led|default ...")
                : QStringLiteral("unknown button function '%1' (key, combo, mouse, media, macro, "
                                 "fire, led, default)")
                      .arg(function));
    }
    return expectNoMore(args);
}

// Macros whose slot no key uses any more give it up, as the page does after a change.
void freeUnusedSlots(Cli &cli, const QList<Record> &matrix) {
    const QList<int> used = KeyRules::usedMacroSlots(matrix);
    for (QString file : cli.macroFiles().getMacroIniNames()) {
        file.chop(4);
        const QVariantList config = cli.macroFiles().loadMacroIniConfig(file, cli.deviceType());
        if (config.size() == 2 && config[0].toInt() >= 0 && !used.contains(config[0].toInt()))
            cli.macroFiles().setMacroIniConfig(file, {-1, 1}, cli.deviceType());
    }
}

} // namespace

QString describeKeyRecord(const Record &r, const MacroFiles &macros, int deviceType) {
    for (const auto &row : KeyFunctions::mouseFunctions()) {
        if (row.record == r)
            return QStringLiteral("mouse %1").arg(QString::fromLatin1(row.name).toLower());
    }
    switch (r[0]) {
    case 0x00:
        if (r[1] == 0 && r[2] != 0 && r[3] == 0)
            return QStringLiteral("key %1").arg(keyNameOf(r[2]));
        if (r == Record{})
            return QStringLiteral("none");
        {
            QStringList mods;
            for (int k = 0; k < 8; ++k)
                if (r[1] & (1 << k))
                    mods.append(QLatin1String(KeyFunctions::modifierNames()[k]));
            QString text =
                QStringLiteral("combo %1 + %2")
                    .arg(mods.isEmpty() ? QStringLiteral("none") : mods.join('+'), keyNameOf(r[2]));
            if (r[3])
                text += QStringLiteral(" + ") + keyNameOf(r[3]);
            return text;
        }
    case 0x03: {
        const unsigned short usage = ushort(r[2] | (r[3] << 8));
        for (const auto &m : KeyFunctions::mediaKeys()) {
            if (m.usage == usage)
                return QStringLiteral("media %1").arg(QString::fromLatin1(m.name).toLower());
        }
        return QStringLiteral("media 0x%1").arg(usage, 4, 16, QLatin1Char('0'));
    }
    case KeyFunctions::kMacroType: {
        QString name = QStringLiteral("slot %1").arg(r[2]);
        for (QString file : macros.getMacroIniNames()) {
            file.chop(4);
            const QVariantList config = macros.loadMacroIniConfig(file, deviceType);
            if (config.size() == 2 && config[0].toInt() == r[2] - 1)
                name = file;
        }
        const char *modes[] = {"normal", "repeat", "hold"};
        return QStringLiteral("macro %1 (%2)")
            .arg(name, QLatin1String(r[1] < 3 ? modes[r[1]] : "?"));
    }
    case 0x0A: {
        const QString what =
            r[1] >= 0xF0 && r[1] <= 0xF4
                ? QStringList{"left", "right", "middle", "backward", "forward"}[r[1] - 0xF0]
                : keyNameOf(r[1]);
        const int speed = KeyFunctions::fireSlider(r[2]);
        return QStringLiteral("fire %1 speed %2 shots %3").arg(what).arg(speed).arg(r[3]);
    }
    case 0x0B:
        return QStringLiteral("led control");
    default:
        break;
    }
    return QStringLiteral("raw %1 %2 %3 %4")
        .arg(r[0], 2, 16, QLatin1Char('0'))
        .arg(r[1], 2, 16, QLatin1Char('0'))
        .arg(r[2], 2, 16, QLatin1Char('0'))
        .arg(r[3], 2, 16, QLatin1Char('0'));
}

Status runButton(Cli &cli, Arguments &args) {
    if (args.size() < 2)
        return Status::badInput(
            QStringLiteral("usage: button N key|combo|mouse|media|macro|fire|led|default ..."));
    Status error;
    const auto button =
        CliValues::integer(args.takeFirst(), 1, kKeys, QStringLiteral("button number"), &error);
    if (!button)
        return error;
    const int keyId = *button - 1;
    Choice choice;
    if (Status s = parseChoice(cli, args, &choice); !s.ok())
        return s;

    QList<Record> matrix = StoredProfile::keyMatrix(cli.keys(), cli.profiles());
    const Record old = matrix[keyId];
    if (choice.factory) {
        const QVariantList defaults = cli.profiles().defaultList(0).mid(4 * keyId, 4);
        for (int k = 0; k < 4 && k < defaults.size(); ++k)
            choice.record[size_t(k)] = uchar(defaults[k].toInt() & 0xFF);
    }

    // The last left button the selector lists is not taken away without the user's word.
    const QList<int> selector = KeyRules::selectorKeyIds(
        LanguageCatalog().getProductLayoutStrings_R8(QStringLiteral("031000")));
    const bool staysLeft = choice.macro.isEmpty() && KeyFunctions::isLeftButton(choice.record);
    if (!staysLeft && KeyRules::leftButtonAtRisk(matrix, selector, keyId) &&
        !cli.mouse().confirmLeftButtonRemoval(QStringList()))
        return Status::badInput(QStringLiteral("button %1 is the only left button; repeat with "
                                               "--yes to reassign it")
                                    .arg(*button));

    if (Status s = cli.needDevice(); !s.ok())
        return s;

    if (!choice.macro.isEmpty()) {
        // The page's macro choice: the macro keeps its slot, or takes the lowest free one.
        const QVariantList config =
            cli.macroFiles().loadMacroIniConfig(choice.macro, cli.deviceType());
        if (config.size() != 2)
            return Status::badInput(QStringLiteral("no macro named '%1'").arg(choice.macro));
        int slot = config[0].toInt();
        const int times = choice.times.value_or(config[1].toInt());
        if (slot < 0 || slot >= KeyRules::kMacroSlots) {
            QList<Record> others = matrix;
            others[keyId] = Record{};
            slot = KeyRules::lowestFreeSlot(KeyRules::usedMacroSlots(others));
            if (slot < 0)
                return Status::badInput(
                    QStringLiteral("all %1 macro slots are in use").arg(KeyRules::kMacroSlots));
        }
        cli.macroFiles().setMacroIniConfig(choice.macro, {slot, times}, cli.deviceType());
        cli.macroLibrary().setMouseMacroKey(slot + 1, choice.macro, cli.deviceType());
        choice.record = KeyFunctions::macro(uchar(choice.playMode), uchar(slot + 1));
        cli.report().set(QStringLiteral("macroSlot"), slot + 1);
        cli.report().set(QStringLiteral("times"), times);
    }
    matrix[keyId] = choice.record;
    if (old[0] == KeyFunctions::kMacroType)
        freeUnusedSlots(cli, matrix);

    // Apply, as the page does: the scroll-swap option, then the whole key matrix.
    cli.keys().setScrollPinSwap(cli.keys().scrollPinSwap());
    QVariantList flat;
    for (const Record &r : matrix)
        for (unsigned char b : r)
            flat.append(int(b));
    cli.keys().setMouseKeyMatrix(flat);

    const Record &r = choice.record;
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("button"), *button);
    cli.report().set(QStringLiteral("function"),
                     describeKeyRecord(r, cli.macroFiles(), cli.deviceType()));
    cli.report().set(QStringLiteral("record"), QJsonArray{r[0], r[1], r[2], r[3]});
    return Status::done();
}
