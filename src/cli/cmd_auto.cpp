// auto: the rules that switch the mouse's profile by program or window, and the watcher.
#include "cli.h"
#include "cli_mouse_link.h"
#include "cli_values.h"
#include "rules_file.h"
#include "switch_watcher.h"
#include "udev_monitor.h"
#include "window_presence.h"
#include "x11_focus_source.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

QJsonValue profileValue(int index) {
    return index < 0 ? QJsonValue() : QJsonValue(profileLabel(index));
}

// Loads the rules for a change; problems with entries edited by hand become warnings.
SwitchRules loadRules(Cli &cli) {
    QStringList problems;
    SwitchRules rules = RulesFile::load(RulesFile::defaultPath(), &problems);
    for (const QString &p : problems)
        cli.report().warn(RulesFile::defaultPath() + QStringLiteral(": ") + p);
    return rules;
}

Status saveRules(const SwitchRules &rules) {
    if (!RulesFile::save(RulesFile::defaultPath(), rules))
        return Status::badInput(QStringLiteral("cannot write '%1'").arg(RulesFile::defaultPath()));
    return Status::done();
}

void listRules(Cli &cli, const SwitchRules &rules) {
    QJsonArray all;
    for (int i = 0; i < rules.rules.size(); ++i) {
        const SwitchRule &r = rules.rules[i];
        all.append(QJsonObject{
            {"number", i + 1}, {"match", r.matchText()}, {"profile", profileLabel(r.profile)}});
        cli.report().addLine(
            QStringLiteral("%1  %2  -> %3").arg(i + 1).arg(r.matchText(), profileLabel(r.profile)));
    }
    if (rules.rules.isEmpty())
        cli.report().addLine(QStringLiteral("no rules"));
    cli.report().addLine(
        rules.defaultProfile >= 0
            ? QStringLiteral("default -> %1").arg(profileLabel(rules.defaultProfile))
            : QStringLiteral("default: none (the mouse keeps its profile)"));
    cli.report().set(QStringLiteral("rules"), all);
    cli.report().set(QStringLiteral("default"), profileValue(rules.defaultProfile));
}

// SIGINT and SIGTERM end the watcher through its event loop (systemd stops it with SIGTERM).
int g_stopPipe[2] = {-1, -1};
void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_stopPipe[1], &byte, 1);
}

Status runWatcher(Cli &cli) {
    QTextStream *out = cli.options().out;
    const bool json = cli.options().json;
    auto log = [out, json](const QString &line) {
        if (!out)
            return;
        if (json)
            *out << QJsonDocument(QJsonObject{{"message", line}}).toJson(QJsonDocument::Compact)
                 << '\n';
        else
            *out << line << '\n';
        out->flush();
    };

    if (::pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) < 0)
        return Status::deviceFailure(QStringLiteral("cannot set up the watcher"));
    struct sigaction stop {
    }, oldInt{}, oldTerm{};
    stop.sa_handler = onStopSignal;
    sigemptyset(&stop.sa_mask);
    ::sigaction(SIGINT, &stop, &oldInt);
    ::sigaction(SIGTERM, &stop, &oldTerm);

    {
        QEventLoop loop;
        QSocketNotifier stopNotifier(g_stopPipe[0], QSocketNotifier::Read);
        QObject::connect(&stopNotifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);

        CliMouseLink link(cli);
        X11FocusSource focus;
        UdevMonitor deviceChanges;
        WindowPresenceWatch window;
        WatcherSources sources;
        sources.focus = &focus;
        sources.deviceChanges = &deviceChanges;
        sources.window = &window;
        SwitchWatcher watcher(link, RulesFile::defaultPath(), sources, log);
        watcher.start();
        loop.exec();
        log(QStringLiteral("stopped"));
    }

    ::sigaction(SIGINT, &oldInt, nullptr);
    ::sigaction(SIGTERM, &oldTerm, nullptr);
    ::close(g_stopPipe[0]);
    ::close(g_stopPipe[1]);
    g_stopPipe[0] = g_stopPipe[1] = -1;
    cli.report().clear();
    return Status::done();
}

} // namespace

Status runAuto(Cli &cli, Arguments &args) {
    const QString verb = args.takeFirst();
    static const QString usage = QStringLiteral(
        "usage: auto add MATCH PROFILE | list | remove N | default PROFILE|none | run");

    if (verb == QLatin1String("list") || verb == QLatin1String("run")) {
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        if (verb == QLatin1String("run"))
            return runWatcher(cli);
        listRules(cli, loadRules(cli));
        return Status::done();
    }
    if (verb == QLatin1String("add")) {
        if (args.size() != 2)
            return Status::badInput(QStringLiteral("usage: auto add MATCH PROFILE"));
        const QString match = args.takeFirst();
        Status error;
        const auto profile = CliValues::profile(args.takeFirst(), &error);
        if (!profile)
            return error;
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        QString problem;
        const auto rule = parseSwitchRule(match, *profile, &problem);
        if (!rule)
            return Status::badInput(problem);
        SwitchRules rules = loadRules(cli);
        rules.rules.append(*rule);
        if (Status s = saveRules(rules); !s.ok())
            return s;
        cli.report().set(QStringLiteral("added"), int(rules.rules.size()));
        cli.report().set(QStringLiteral("match"), rule->matchText());
        cli.report().set(QStringLiteral("profile"), profileLabel(rule->profile));
        return Status::done();
    }
    if (verb == QLatin1String("remove")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: auto remove N"));
        SwitchRules rules = loadRules(cli);
        const QString word = args.takeFirst();
        bool ok = false;
        const int n = word.toInt(&ok);
        if (!ok || n < 1 || n > rules.rules.size())
            return Status::badInput(rules.rules.isEmpty()
                                        ? QStringLiteral("there are no rules to remove")
                                        : QStringLiteral("no rule '%1': rules are 1..%2")
                                              .arg(word)
                                              .arg(rules.rules.size()));
        const SwitchRule removed = rules.rules.takeAt(n - 1);
        if (Status s = saveRules(rules); !s.ok())
            return s;
        cli.report().set(QStringLiteral("removed"), n);
        cli.report().set(QStringLiteral("match"), removed.matchText());
        cli.report().set(QStringLiteral("profile"), profileLabel(removed.profile));
        return Status::done();
    }
    if (verb == QLatin1String("default")) {
        if (args.size() != 1)
            return Status::badInput(QStringLiteral("usage: auto default PROFILE|none"));
        const QString word = args.takeFirst();
        int index = -1;
        if (word != QLatin1String("none")) {
            Status error;
            const auto profile = CliValues::profile(word, &error);
            if (!profile)
                return error;
            index = *profile;
        }
        SwitchRules rules = loadRules(cli);
        rules.defaultProfile = index;
        if (Status s = saveRules(rules); !s.ok())
            return s;
        cli.report().set(QStringLiteral("default"), profileValue(index));
        return Status::done();
    }
    return Status::badInput(verb.isEmpty() ? usage
                                           : QStringLiteral("unknown auto command '%1'").arg(verb));
}
