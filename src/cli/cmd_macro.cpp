// macro: the macro files, their encoding and binding a macro to a button.
#include "bounded_file.h"
#include "cli.h"
#include "cli_values.h"
#include "macro_encoder.h"
#include "macro_library.h"
#include "macro_text.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

constexpr int kMouseSlots = 12;

Status needMacro(Cli &cli, const QString &name) {
    if (cli.macroFiles().filePath(name).isEmpty())
        return Status::badInput(QStringLiteral("'%1' cannot be a macro name").arg(name));
    if (!cli.macroFiles().exists(name))
        return Status::badInput(QStringLiteral("no macro named '%1'").arg(name));
    return Status::done();
}

Status readUserFile(Cli &cli, const QString &argument, QByteArray *contents) {
    QString reason;
    if (!BoundedFile::read(cli.userPath(argument), BoundedFile::kMaxDataFileBytes, contents,
                           &reason))
        return Status::badInput(QStringLiteral("cannot read '%1': %2").arg(argument, reason));
    return Status::done();
}

// The slot the macro occupies on the mouse, or -1.
int mouseSlot(Cli &cli, const QString &name) {
    const QVariantList config = cli.macroFiles().loadMacroIniConfig(name, cli.deviceType());
    const int index = config.value(0, -1).toInt();
    return index >= 0 && index < kMouseSlots ? index : -1;
}

Status macroList(Cli &cli) {
    QJsonArray macros;
    for (QString file : cli.macroFiles().getMacroIniNames()) {
        file.chop(4);
        const QVariantList config = cli.macroFiles().loadMacroIniConfig(file, cli.deviceType());
        const int slot = config.value(0, -1).toInt();
        const int lines = int(cli.macroFiles().loadMacroIni(file).size());
        macros.append(QJsonObject{{"name", file},
                                  {"slot", slot >= 0 ? QJsonValue(slot + 1) : QJsonValue()},
                                  {"repeat", config.value(1, 1).toInt()},
                                  {"lines", lines}});
        cli.report().addLine(QStringLiteral("%1\t%2 lines\t%3\trepeat %4")
                                 .arg(file)
                                 .arg(lines)
                                 .arg(slot >= 0 ? QStringLiteral("slot %1").arg(slot + 1)
                                                : QStringLiteral("no slot"))
                                 .arg(config.value(1, 1).toInt()));
    }
    if (macros.isEmpty())
        cli.report().addLine(QStringLiteral("no macros"));
    cli.report().set(QStringLiteral("macros"), macros);
    return Status::done();
}

Status macroCreate(Cli &cli, Arguments &args) {
    const QString wanted = args.takeFirst();
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (!wanted.isEmpty()) {
        if (cli.macroFiles().filePath(wanted).isEmpty())
            return Status::badInput(QStringLiteral("'%1' cannot be a macro name").arg(wanted));
        if (cli.macroFiles().exists(wanted))
            return Status::badInput(
                QStringLiteral("a macro named '%1' exists already").arg(wanted));
    }
    const QString name = cli.macroFiles().createMacroIni();
    if (name.isEmpty())
        return Status::badInput(
            QStringLiteral("cannot write in %1").arg(cli.macroFiles().folder()));
    if (!wanted.isEmpty() && !cli.macroFiles().renameMacroIniFile(name, wanted)) {
        cli.macroFiles().deleteMacroIni(name);
        return Status::badInput(QStringLiteral("cannot create the macro '%1'").arg(wanted));
    }
    cli.report().set(QStringLiteral("created"), wanted.isEmpty() ? name : wanted);
    return Status::done();
}

Status macroShow(Cli &cli, const QString &name) {
    if (Status s = needMacro(cli, name); !s.ok())
        return s;
    const QStringList lines = cli.macroFiles().loadMacroIni(name);
    const int slot = mouseSlot(cli, name);
    QJsonArray readable, stored;
    for (const QString &line : lines) {
        readable.append(MacroText::readable(line));
        stored.append(line);
    }
    cli.report().set(QStringLiteral("name"), name);
    cli.report().set(QStringLiteral("slot"), slot >= 0 ? QJsonValue(slot + 1) : QJsonValue());
    cli.report().set(QStringLiteral("repeat"), int(cli.macroFiles().repeatCount(name)));
    cli.report().set(QStringLiteral("actions"), readable);
    cli.report().set(QStringLiteral("storedLines"), stored);
    cli.report().addLine(QStringLiteral("name: %1").arg(name));
    cli.report().addLine(QStringLiteral("slot: %1")
                             .arg(slot >= 0 ? QString::number(slot + 1) : QStringLiteral("none")));
    cli.report().addLine(QStringLiteral("repeat: %1").arg(cli.macroFiles().repeatCount(name)));
    for (const QJsonValue &line : readable)
        cli.report().addLine(QStringLiteral("  ") + line.toString());
    return Status::done();
}

Status macroSet(Cli &cli, const QString &name, const QString &fileArgument) {
    if (Status s = needMacro(cli, name); !s.ok())
        return s;
    QByteArray contents;
    if (Status s = readUserFile(cli, fileArgument, &contents); !s.ok())
        return s;
    QStringList lines;
    Status error;
    if (!MacroText::parse(QString::fromUtf8(contents), fileArgument, &lines, &error))
        return error;
    // A macro in a device slot is written there again: open the device before the file
    // changes, so a missing mouse leaves the macro as it was.
    const int slot = mouseSlot(cli, name);
    if (slot >= 0) {
        if (Status s = cli.needDevice(); !s.ok())
            return s;
    }
    if (!cli.macroLibrary().saveMacroIni(name, lines, cli.deviceType(), QStringList()))
        return Status::badInput(QStringLiteral("cannot write the macro '%1'").arg(name));
    cli.report().set(QStringLiteral("name"), name);
    cli.report().set(QStringLiteral("lines"), int(lines.size()));
    cli.report().set(QStringLiteral("sentToSlot"), slot >= 0 ? QJsonValue(slot + 1) : QJsonValue());
    return Status::done();
}

Status macroImport(Cli &cli, const QString &name, const QString &fileArgument) {
    if (Status s = needMacro(cli, name); !s.ok())
        return s;
    const QString source = cli.userPath(fileArgument);
    QString error;
    if (!cli.macroFiles().importFile(name, source, &error))
        return Status::badInput(
            QStringLiteral("cannot import '%1' into '%2': %3").arg(fileArgument, name, error));
    cli.report().set(QStringLiteral("imported"), name);
    cli.report().set(QStringLiteral("from"), source);
    return Status::done();
}

Status macroExport(Cli &cli, const QString &name, const QString &fileArgument) {
    if (Status s = needMacro(cli, name); !s.ok())
        return s;
    const QString target = cli.userPath(fileArgument);
    QString error;
    if (!cli.macroFiles().exportFile(name, target, &error))
        return Status::badInput(QStringLiteral("cannot export '%1': %2").arg(name, error));
    cli.report().set(QStringLiteral("exported"), name);
    cli.report().set(QStringLiteral("to"), target);
    return Status::done();
}

Status macroEncode(Cli &cli, const QString &name) {
    if (Status s = needMacro(cli, name); !s.ok())
        return s;
    // The very buffer the mouse slot would receive, repeat count included.
    QByteArray slot;
    MacroLibrary library(
        cli.macroFiles(), &cli.dialogs(),
        [&slot](MacroSlotCommand, uchar, const QByteArray &buffer) { slot = buffer; });
    library.setMouseMacroKey(1, name, cli.deviceType());
    const QList<uchar> encoded = macroIncode(cli.macroFiles().loadMacroIni(name), cli.deviceType());
    QJsonArray bytes;
    for (char b : slot)
        bytes.append(int(uchar(b)));
    cli.report().set(QStringLiteral("name"), name);
    cli.report().set(QStringLiteral("encodedLength"), int(encoded.size()));
    cli.report().set(QStringLiteral("slotBytes"), bytes);
    cli.report().addLine(QStringLiteral("name: %1").arg(name));
    cli.report().addLine(
        QStringLiteral("encoded length: %1 of %2 bytes").arg(encoded.size()).arg(slot.size()));
    // Up to the end mark and a little beyond: the rest of the slot is zero.
    int used = int(qMin<qsizetype>(encoded.size(), slot.size()));
    for (int at = 0; at < used; at += 16)
        cli.report().addLine(QString::fromLatin1(slot.mid(at, qMin(16, used - at)).toHex(' ')));
    return Status::done();
}

} // namespace

Status runMacro(Cli &cli, Arguments &args) {
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("list")) {
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        return macroList(cli);
    }
    if (verb == QLatin1String("create"))
        return macroCreate(cli, args);
    if (verb == QLatin1String("bind")) {
        // The same as "button N macro NAME ...".
        if (args.size() < 2)
            return Status::badInput(QStringLiteral(
                "usage: macro bind BUTTON NAME [--mode normal|repeat|hold] [--times N]"));
        QStringList words = args.words();
        words.insert(1, QStringLiteral("macro"));
        Arguments buttonArgs(words);
        return runButton(cli, buttonArgs);
    }
    const int needs = (verb == QLatin1String("set") || verb == QLatin1String("import") ||
                       verb == QLatin1String("export"))
                          ? 2
                          : 1;
    if (verb != QLatin1String("show") && verb != QLatin1String("encode") && needs == 1)
        return Status::badInput(
            verb.isEmpty()
                ? QStringLiteral("usage: macro list|create|show|set|import|export|encode|bind ...")
                : QStringLiteral("unknown macro command '%1'").arg(verb));
    if (args.size() < needs)
        return Status::badInput(needs == 2 ? QStringLiteral("usage: macro %1 NAME FILE").arg(verb)
                                           : QStringLiteral("usage: macro %1 NAME").arg(verb));
    const QString name = args.takeFirst();
    const QString file = needs == 2 ? args.takeFirst() : QString();
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (verb == QLatin1String("show"))
        return macroShow(cli, name);
    if (verb == QLatin1String("encode"))
        return macroEncode(cli, name);
    if (verb == QLatin1String("set"))
        return macroSet(cli, name, file);
    if (verb == QLatin1String("import"))
        return macroImport(cli, name, file);
    return macroExport(cli, name, file);
}
