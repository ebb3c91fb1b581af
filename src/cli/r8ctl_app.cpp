#include "r8ctl_app.h"

#include "cli.h"
#include "cli_help.h"
#include "cli_values.h"
#include "key_names.h"
#include "leftover_files.h"
#include "r8_build_info.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <atomic>
#include <functional>

namespace {

std::atomic<bool> g_verbose{false};

// The device layer speaks to the debug output ("Device Connect", "cmd Failed 11"); a tool
// whose output is read by scripts keeps that for --verbose.
void messageFilter(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtDebugMsg && !g_verbose.load())
        return;
    QTextStream(stderr) << "r8ctl: " << text << '\n';
}

using Runner = std::function<Status(Cli &, Arguments &)>;

const QMap<QString, Runner> &commands() {
    static const QMap<QString, Runner> table = {
        {"info", runInfo},       {"profile", runProfile},
        {"rate", runRate},       {"dpi", runDpi},
        {"light", runLight},     {"palette", runPalette},
        {"button", runButton},   {"scroll-swap", runScrollSwap},
        {"pointer", runPointer}, {"macro", runMacro},
        {"lang", runLang},
    };
    return table;
}

// Restores the current directory when the run ends.
struct FolderScope {
    QString previous = QDir::currentPath();
    ~FolderScope() { QDir::setCurrent(previous); }
};

int fail(const Status &status, bool json, QTextStream &err) {
    if (json) {
        const QJsonObject o{{"error", status.message}, {"exitCode", status.code}};
        err << QJsonDocument(o).toJson(QJsonDocument::Compact) << '\n';
    } else {
        err << "r8ctl: " << status.message << '\n';
    }
    err.flush();
    return status.code;
}

} // namespace

int runR8ctl(const QStringList &arguments, const QString &programFolder, QTextStream &out,
             QTextStream &err) {
    CliOptions options;
    options.userFolder = QDir::currentPath();
    QStringList emulation{arguments.value(0)};
    bool help = false;
    int i = 1;
    Status error;
    // Options of the tool may stand before or after the command; the first other word is
    // the command and the rest belong to it.
    QString command;
    QStringList commandWords;
    bool commandSeen = false;
    for (; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--yes") || a == QLatin1String("-y")) {
            options.yes = true;
        } else if (a == QLatin1String("--verbose") || a == QLatin1String("-v")) {
            options.verbose = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help = true;
        } else if (a == QLatin1String("--version")) {
            out << "r8ctl " << R8BuildInfo::kVersion << '\n';
            out.flush();
            return 0;
        } else if (a == QLatin1String("--emulate") || a.startsWith(QLatin1String("--emulate=")) ||
                   a.startsWith(QLatin1String("--wire-log="))) {
            emulation.append(a);
        } else if (a == QLatin1String("--wire-log") || a == QLatin1String("--profile")) {
            if (i + 1 >= arguments.size())
                return fail(Status::badInput(QStringLiteral("%1 needs a value").arg(a)),
                            options.json, err);
            if (a == QLatin1String("--wire-log")) {
                emulation << a << arguments[++i];
            } else {
                const auto index = CliValues::profile(arguments[++i], &error);
                if (!index)
                    return fail(error, options.json, err);
                options.profile = *index;
            }
        } else if (a.startsWith(QLatin1String("--profile="))) {
            const auto index = CliValues::profile(a.mid(10), &error);
            if (!index)
                return fail(error, options.json, err);
            options.profile = *index;
        } else if (commandSeen) {
            commandWords.append(a); // the command judges its own options
        } else if (a.startsWith(QLatin1Char('-'))) {
            return fail(
                Status::badInput(QStringLiteral("unknown option '%1' (see r8ctl --help)").arg(a)),
                options.json, err);
        } else {
            command = a;
            commandSeen = true;
        }
    }
    g_verbose.store(options.verbose);
    qInstallMessageHandler(messageFilter);

    Arguments args(commandWords);
    if (help || command == QLatin1String("help")) {
        const QString topic = command == QLatin1String("help") ? args.at(0) : command;
        const QString text = helpText(topic);
        if (text.isEmpty())
            return fail(Status::badInput(QStringLiteral("unknown command '%1'").arg(topic)),
                        options.json, err);
        out << text;
        out.flush();
        return 0;
    }
    if (command.isEmpty()) {
        err << helpText(QString());
        err.flush();
        return Status::BadInput;
    }
    const auto runner = commands().find(command);
    if (runner == commands().end())
        return fail(Status::badInput(
                        QStringLiteral("unknown command '%1' (see r8ctl --help)").arg(command)),
                    options.json, err);

    options.emulation = parseEmulatorCommandLine(emulation);
    if (!options.emulation.error.isEmpty())
        return fail(Status::badInput(options.emulation.error), options.json, err);
    if (!options.emulation.options.wireLog.isEmpty()) {
        options.emulation.options.wireLog =
            QDir(options.userFolder).absoluteFilePath(options.emulation.options.wireLog);
        // Asked for and not written is worse than refused: say so before anything runs.
        QFile log(options.emulation.options.wireLog);
        if (options.emulation.emulate && !log.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(
                Status::badInput(QStringLiteral("cannot write the wire log '%1': %2")
                                     .arg(options.emulation.options.wireLog, log.errorString())),
                options.json, err);
    }

    // Every relative path of the program ("./modules/...") is relative to its own folder.
    FolderScope folder;
    QDir::setCurrent(programFolder);
    LeftoverFiles::clean();
    buildKeyNameTable();

    Status status;
    QJsonObject result;
    QString text;
    QStringList warnings;
    {
        Cli cli(options);
        status = (*runner)(cli, args);
        cli.device().finish();
        if (status.ok())
            status = cli.commit();
        warnings = cli.report().warnings() + cli.dialogs().takeWarnings();
        result = cli.report().toJson();
        text = cli.report().toText();
    }
    if (options.json) {
        if (!warnings.isEmpty())
            result.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(warnings));
    } else {
        for (const QString &w : warnings)
            err << "r8ctl: warning: " << w << '\n';
        err.flush();
    }
    if (!status.ok())
        return fail(status, options.json, err);
    if (options.json)
        out << QJsonDocument(result).toJson(QJsonDocument::Indented);
    else
        out << text;
    out.flush();
    return 0;
}
