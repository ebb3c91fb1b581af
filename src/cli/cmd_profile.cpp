// profile: the ten profile files and the one r8ctl works on.
#include "cli.h"
#include "cli_values.h"
#include "dpi_table.h"
#include "fixed_colors.h"
#include "key_functions.h"
#include "lighting_table.h"
#include "pointer_settings.h"
#include "stored_profile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QSet>
#include <QSettings>

namespace {

QString profileName(int index) {
    return QStringLiteral("P%1").arg(index + 1, 2, 10, QLatin1Char('0'));
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

QJsonArray fixedColourNames(const QVariantList &ids) {
    QJsonArray names;
    for (const QVariant &v : ids) {
        const int id = v.toInt();
        names.append(id >= 0 && id < FixedColors::palette().size()
                         ? QJsonValue(QLatin1String(FixedColors::palette()[id].name))
                         : QJsonValue(v.toString()));
    }
    return names;
}

// What the pages show for a profile, read through the same objects and readers the pages'
// bridge uses; then whatever else the file holds, as stored.
Status profileShow(Cli &cli, int index) {
    ProfileStore &store = cli.profiles();
    const int current = store.currentIndex();
    store.select(index); // this run only: r8ctl remembers its profile elsewhere
    QSettings *p = store.current();
    p->sync();
    MouseSettings &mouse = cli.mouse();
    const PointerSettings pointer(store, nullptr);
    Report &r = cli.report();

    r.set(QStringLiteral("profile"), profileName(index));
    r.set(QStringLiteral("current"), index == current);
    r.set(QStringLiteral("file"), QFileInfo(store.profileFileName(index)).absoluteFilePath());

    r.set(QStringLiteral("reportRate"),
          StoredProfile::reportRateHz(StoredProfile::reportRateCode(mouse.reportRate().toInt())));
    r.set(QStringLiteral("pointerSpeed"), int(pointer.cursorSpeed()));
    r.set(QStringLiteral("pointerLines"), int(pointer.verticalScrollLines()));
    r.set(QStringLiteral("pointerDoubleClick"), int(pointer.doubleClickSpeed()));

    const QList<int> dpi = StoredProfile::dpiValues(mouse);
    QJsonArray dpiValues, dpiOn;
    for (int v : dpi) {
        dpiValues.append(v);
        dpiOn.append(v > 0);
    }
    r.set(QStringLiteral("dpi"), dpiValues);
    r.set(QStringLiteral("dpiOn"), dpiOn);
    r.set(QStringLiteral("dpiStage"), StoredProfile::dpiStage(mouse.currentDpiStage().toInt()));
    if (const QVariantList rgb = mouse.stageColors(1); rgb.size() == 3 * DpiTable::kStages)
        r.set(QStringLiteral("dpiColors"), rgbTriples(rgb));
    if (const QVariantList ids = mouse.stageColors(2); ids.size() == DpiTable::kStages)
        r.set(QStringLiteral("dpiFixedColors"), fixedColourNames(ids));

    // A list the lighting page cannot read leaves its controls as they start.
    StoredProfile::Lighting l;
    StoredProfile::lighting(mouse.ledEffect(), &l);
    r.set(QStringLiteral("lightEffect"), QLatin1String(LightingTable::effects()[l.position].name));
    r.set(QStringLiteral("lightBrightness"), l.brightness);
    r.set(QStringLiteral("lightSpeed"), l.speed);
    r.set(QStringLiteral("lightOn"), l.on);
    if (const QVariantList palette = mouse.stageColors(0); palette.size() == 24)
        r.set(QStringLiteral("palette"), rgbTriples(palette));

    const QList<KeyFunctions::Record> keys = StoredProfile::keyMatrix(cli.keys(), store);
    for (int n = 0; n < keys.size(); ++n)
        r.set(QStringLiteral("button%1").arg(n + 1),
              describeKeyRecord(keys[n], cli.macroFiles(), cli.deviceType()));
    r.set(QStringLiteral("scrollSwap"), cli.keys().scrollPinSwap());

    // Whatever else the file holds (the keyboard's keys, keys of other programs), as stored.
    static const QSet<QString> shown = {"sensor/reportRate_R8",
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
        if (shown.contains(key) || key.startsWith(QLatin1String("keydefine_R8/")))
            continue;
        QStringList texts;
        for (const QVariant &v : settingsList(p->value(key)))
            texts.append(v.toString());
        r.set(key, texts.join(QStringLiteral(", ")));
    }
    store.select(current);
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
        // The mouse follows, so a desktop shortcut on this command switches it; the profile
        // watcher switches through the same function.
        cli.report().set(QStringLiteral("current"), profileName(index));
        return switchAndApplyProfile(cli, index);
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
    // The mouse holds the current profile: a new file for it goes there too.
    if (index == cli.profiles().currentIndex())
        return applyProfile(cli);
    return Status::done();
}
