// profile: the ten profile files and the one r8ctl works on.
#include "cli.h"
#include "cli_values.h"
#include "dpi_table.h"
#include "fixed_colors.h"
#include "key_functions.h"
#include "lighting_table.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QSettings>

namespace {

QString profileName(int index) {
    return QStringLiteral("P%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QJsonArray ints(const QVariantList &list) {
    QJsonArray a;
    for (const QVariant &v : list)
        a.append(v.toInt());
    return a;
}

QJsonArray rgbTriples(const QVariantList &list) {
    QJsonArray a;
    for (int i = 0; i + 2 < list.size(); i += 3)
        a.append(QStringLiteral("%1,%2,%3")
                     .arg(list[i].toInt())
                     .arg(list[i + 1].toInt())
                     .arg(list[i + 2].toInt()));
    return a;
}

int rateHz(int code) {
    switch (code) {
    case 8:
        return 125;
    case 4:
        return 250;
    case 2:
        return 500;
    default:
        return 1000; // the page shows 1000 Hz for 1 and for anything it cannot place
    }
}

Status profileShow(Cli &cli, int index) {
    QSettings *p = cli.profiles().profile(index);
    p->sync();
    Report &r = cli.report();
    auto list = [p](const char *key) { return settingsList(p->value(QLatin1String(key))); };
    r.set(QStringLiteral("profile"), profileName(index));
    r.set(QStringLiteral("current"), index == cli.profiles().currentIndex());
    r.set(QStringLiteral("file"),
          QFileInfo(cli.profiles().profileFileName(index)).absoluteFilePath());
    if (p->contains(QStringLiteral("sensor/reportRate_R8"))) {
        const int code = p->value(QStringLiteral("sensor/reportRate_R8")).toInt();
        r.set(QStringLiteral("reportRate"), rateHz(code));
    }
    if (p->contains(QStringLiteral("sensor/dpi_R8")))
        r.set(QStringLiteral("dpi"), ints(list("sensor/dpi_R8")));
    if (p->contains(QStringLiteral("sensor/stage_R8")))
        r.set(QStringLiteral("dpiStage"), p->value(QStringLiteral("sensor/stage_R8")).toInt());
    if (p->contains(QStringLiteral("color_R8/type1")))
        r.set(QStringLiteral("dpiColors"), rgbTriples(list("color_R8/type1")));
    if (p->contains(QStringLiteral("color_R8/type2"))) {
        QJsonArray names;
        for (const QVariant &v : list("color_R8/type2")) {
            int id = v.toInt();
            if (id == FixedColors::kStoredOrange)
                id = FixedColors::kOrange;
            names.append(id >= 0 && id < FixedColors::palette().size()
                             ? QLatin1String(FixedColors::palette()[id].name)
                             : v.toString());
        }
        r.set(QStringLiteral("dpiFixedColors"), names);
    }
    if (p->contains(QStringLiteral("color_R8/type0")))
        r.set(QStringLiteral("palette"), rgbTriples(list("color_R8/type0")));
    const QVariantList effect = list("color_R8/ledEffect");
    if (effect.size() == 3) {
        const LightingTable::Effect *e = LightingTable::effect(effect[0].toInt() + 1);
        r.set(QStringLiteral("lightEffect"),
              e ? QString::fromLatin1(e->name) : effect[0].toString());
        r.set(QStringLiteral("lightBrightness"), effect[1].toInt());
        r.set(QStringLiteral("lightSpeed"), effect[2].toInt());
    }
    const char *pointerKeys[][2] = {{"sensor/cursorSpeed_R8", "pointerSpeed"},
                                    {"sensor/verticalScrollLines_R8", "pointerLines"},
                                    {"sensor/doubleClickSpeed_R8", "pointerDoubleClick"}};
    for (const auto &k : pointerKeys) {
        if (p->contains(QLatin1String(k[0])))
            r.set(QLatin1String(k[1]), p->value(QLatin1String(k[0])).toInt());
    }
    for (int n = 0; n < 16; ++n) {
        const QString key = QStringLiteral("keydefine_R8/%1").arg(n);
        if (!p->contains(key))
            continue;
        const QVariantList e = settingsList(p->value(key));
        KeyFunctions::Record rec{};
        for (int k = 0; k < 4 && k < e.size(); ++k)
            rec[size_t(k)] = uchar(e[k].toInt() & 0xFF);
        r.set(QStringLiteral("button%1").arg(n + 1),
              describeKeyRecord(rec, cli.macroFiles(), cli.deviceType()));
    }
    if (p->contains(QStringLiteral("keydefine_R8/scrollswap")))
        r.set(QStringLiteral("scrollSwap"),
              p->value(QStringLiteral("keydefine_R8/scrollswap")).toBool());
    // Whatever else the file holds (the keyboard's keys, keys of other programs), as stored.
    static const QStringList known = {"sensor/reportRate_R8",
                                      "sensor/dpi_R8",
                                      "sensor/stage_R8",
                                      "color_R8/type0",
                                      "color_R8/type1",
                                      "color_R8/type2",
                                      "color_R8/ledEffect",
                                      "sensor/cursorSpeed_R8",
                                      "sensor/verticalScrollLines_R8",
                                      "sensor/doubleClickSpeed_R8",
                                      "keydefine_R8/scrollswap"};
    for (const QString &key : p->allKeys()) {
        if (known.contains(key) || key.startsWith(QLatin1String("keydefine_R8/")))
            continue;
        QStringList texts;
        for (const QVariant &v : settingsList(p->value(key)))
            texts.append(v.toString());
        r.set(key, texts.join(QStringLiteral(", ")));
    }
    return Status::done();
}

} // namespace

Status runProfile(Cli &cli, Arguments &args) {
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("list")) {
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        QJsonArray all;
        for (int i = 0; i < ProfileStore::kCount; ++i) {
            const bool current = i == cli.profiles().currentIndex();
            const bool stored = QFileInfo::exists(cli.profiles().profileFileName(i));
            all.append(QJsonObject{{"profile", profileName(i)},
                                   {"number", i + 1},
                                   {"current", current},
                                   {"stored", stored}});
            cli.report().addLine(QStringLiteral("%1 %2%3").arg(current ? "*" : " ", profileName(i),
                                                               stored ? "" : "  (empty)"));
        }
        cli.report().set(QStringLiteral("profiles"), all);
        return Status::done();
    }
    if (verb == QLatin1String("apply")) {
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        return applyProfile(cli);
    }
    const QStringList verbs = {"show", "switch", "export", "import", "reset"};
    if (!verbs.contains(verb))
        return Status::badInput(
            verb.isEmpty()
                ? QStringLiteral("usage: profile list|show|switch|export|import|reset ...")
                : QStringLiteral("unknown profile command '%1'").arg(verb));
    Status error;
    int index = cli.profiles().currentIndex();
    if (!(verb == QLatin1String("show") && args.isEmpty())) {
        if (args.isEmpty())
            return Status::badInput(
                QStringLiteral("usage: profile %1 N%2")
                    .arg(verb, verb == QLatin1String("export") || verb == QLatin1String("import")
                                   ? " FILE"
                                   : ""));
        const auto parsed = CliValues::profile(args.takeFirst(), &error);
        if (!parsed)
            return error;
        index = *parsed;
    }
    QString file;
    if (verb == QLatin1String("export") || verb == QLatin1String("import")) {
        if (args.isEmpty())
            return Status::badInput(QStringLiteral("usage: profile %1 N FILE").arg(verb));
        file = cli.userPath(args.takeFirst());
    }
    if (Status s = expectNoMore(args); !s.ok())
        return s;

    if (verb == QLatin1String("show"))
        return profileShow(cli, index);
    if (verb == QLatin1String("switch")) {
        // The mouse is not told which profile is current: nothing is sent.
        cli.profiles().select(index);
        if (!cli.rememberProfile(index))
            return Status::badInput(
                QStringLiteral("cannot write %1: the choice is not stored").arg(Cli::stateFile()));
        cli.report().set(QStringLiteral("current"), profileName(index));
        return Status::done();
    }
    if (verb == QLatin1String("export")) {
        QString reason;
        if (!cli.profiles().exportToFile(index, file, &reason))
            return Status::badInput(
                QStringLiteral("cannot export %1: %2").arg(profileName(index), reason));
        cli.report().set(QStringLiteral("exported"), profileName(index));
        cli.report().set(QStringLiteral("to"), file);
        return Status::done();
    }
    const QString source =
        verb == QLatin1String("import") ? file : cli.profiles().defaultFileName();
    QString reason;
    if (!cli.profiles().replaceFromFile(index, source, &reason))
        return Status::badInput(
            QStringLiteral("%1 is unchanged: %2").arg(profileName(index), reason));
    cli.report().set(verb == QLatin1String("import") ? QStringLiteral("imported")
                                                     : QStringLiteral("reset"),
                     profileName(index));
    if (verb == QLatin1String("import"))
        cli.report().set(QStringLiteral("from"), file);
    return Status::done();
}
