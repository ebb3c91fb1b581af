// Makes the manual pages and the bash completion from the programs' own --help, so that
// they follow every change of the commands without a second copy of them.
//
//   gen_shell_docs man PROGRAM "SUMMARY" VERSION OUT.1   manual page of r8config or r8ctl
//   gen_shell_docs completion R8CTL FUNCTIONS OUT        bash completion of r8ctl: the
//                                                        word lists, then FUNCTIONS
//
// The help texts are read as the user sees them: a "usage:" block (with continuation lines
// starting with the program name), paragraphs, and sections "Heading:" followed by lines
// "  ITEM   description". r8ctl's "Commands:" section names the commands; each command's
// own help gives its usage lines and its value lists ("EFFECT: static, wave, ...").
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "gen_shell_docs: %s %s failed\n", qPrintable(program),
                     qPrintable(arguments.join(' ')));
        std::exit(1);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Blocks separated by blank lines, each a list of lines.
QList<QStringList> blocks(const QString &text) {
    QList<QStringList> out;
    QStringList current;
    for (const QString &line : text.split('\n')) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty())
                out.append(current);
            current.clear();
        } else {
            current.append(line);
        }
    }
    if (!current.isEmpty())
        out.append(current);
    return out;
}

// "Heading:" alone on the block's first line, then indented items.
bool isSection(const QStringList &block) {
    return block.size() > 1 && block[0].endsWith(':') && !block[0].startsWith(' ') &&
           block[1].startsWith("  ");
}

struct Item {
    QString term;
    QString text;
};

// "  --json               print results" -> {"--json", "print results"}; deeper-indented
// lines continue the item before.
QList<Item> items(const QStringList &block) {
    static const QRegularExpression row(QStringLiteral("^  (\\S.*?)(?:\\s{2,}(\\S.*))?$"));
    QList<Item> out;
    for (int i = 1; i < block.size(); ++i) {
        const QString &line = block[i];
        const bool continuation = line.startsWith(QStringLiteral("   ")) && !out.isEmpty();
        if (continuation) {
            out.last().text += ' ' + line.trimmed();
            continue;
        }
        const QRegularExpressionMatch m = row.match(line);
        if (m.hasMatch())
            out.append({m.captured(1), m.captured(2)});
        else if (!out.isEmpty())
            out.last().text += ' ' + line.trimmed();
    }
    return out;
}

QStringList usageLines(const QStringList &block) {
    QStringList out;
    for (QString line : block)
        out.append(line.remove(QRegularExpression(QStringLiteral("^(usage:)?\\s*"))));
    return out;
}

// --- manual pages ---------------------------------------------------------------------

QString roff(QString text) {
    text.replace('\\', QStringLiteral("\\e"));
    text.replace('-', QStringLiteral("\\-"));
    if (text.startsWith('.') || text.startsWith('\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString paragraph(const QStringList &lines) {
    QStringList words;
    for (const QString &l : lines)
        words.append(l.trimmed());
    return roff(words.join(' ')) + '\n';
}

// One help text as man sections. `commandLevel` turns sections into subsections and
// keeps usage lines preformatted under the command's heading.
QString manBody(const QString &help, bool commandLevel) {
    QString out;
    QTextStream s(&out);
    bool inDescription = false;
    bool sectionSeen = false;
    for (const QStringList &block : blocks(help)) {
        if (block[0].startsWith(QStringLiteral("usage:"))) {
            if (commandLevel) {
                s << ".nf\n";
                for (const QString &u : usageLines(block))
                    s << roff(u) << '\n';
                s << ".fi\n";
            } else {
                s << ".SH SYNOPSIS\n.nf\n";
                for (const QString &u : usageLines(block))
                    s << roff(u) << '\n';
                s << ".fi\n";
            }
            continue;
        }
        if (isSection(block)) {
            // "Options (before the command):" -> OPTIONS
            const QString heading = block[0].chopped(1).section(QStringLiteral(" ("), 0, 0);
            s << (commandLevel ? ".SS " : ".SH ") << roff(heading.toUpper()) << '\n';
            const QList<Item> list = items(block);
            const bool prose = std::all_of(list.begin(), list.end(),
                                           [](const Item &i) { return i.text.isEmpty(); });
            if (prose) // indented text without terms: one paragraph
                s << paragraph(block.mid(1));
            for (const Item &item : prose ? QList<Item>() : list)
                s << ".TP\n.B " << roff(item.term) << '\n' << roff(item.text) << '\n';
            sectionSeen = true;
            continue;
        }
        // At the top, a paragraph "Exit codes: ..." after the sections is a section of its own.
        static const QRegularExpression headed(
            QStringLiteral("^([A-Z][a-z]+(?: [a-z]+){0,2}): (.*)$"));
        const QRegularExpressionMatch m = headed.match(block[0]);
        if (!commandLevel && sectionSeen && m.hasMatch()) {
            s << ".SH " << roff(m.captured(1).toUpper()) << '\n'
              << paragraph(QStringList{m.captured(2)} + block.mid(1));
            continue;
        }
        if (!commandLevel && !sectionSeen && !inDescription) {
            s << ".SH DESCRIPTION\n";
            inDescription = true;
        } else {
            s << ".PP\n";
        }
        s << paragraph(block);
    }
    return out;
}

int makeManPage(const QString &program, const QString &summary, const QString &version,
                const QString &outPath) {
    const QString name = QFileInfo(program).fileName();
    const QString help = run(program, {QStringLiteral("--help")});
    QString page;
    QTextStream s(&page);
    s << ".\\\" Made by gen_shell_docs from " << name << " --help; do not edit.\n"
      << ".TH " << name.toUpper() << " 1 \"\" \"" << name << ' ' << version
      << "\" \"User Commands\"\n"
      << ".SH NAME\n"
      << roff(name) << " \\- " << roff(summary) << '\n'
      << manBody(help, false);
    // A program with commands: each command's own help as a subsection.
    for (const QStringList &block : blocks(help)) {
        if (!isSection(block) || block[0] != QLatin1String("Commands:"))
            continue;
        s << ".SH \"COMMAND DETAILS\"\n";
        for (const Item &item : items(block)) {
            const QString command = item.term.section(' ', 0, 0);
            s << ".SS " << roff(command) << '\n'
              << manBody(run(program, {command, QStringLiteral("--help")}), true);
        }
    }
    s << ".SH \"SEE ALSO\"\n"
      << (name == QLatin1String("r8ctl") ? "\\fBr8config\\fR(1)" : "\\fBr8ctl\\fR(1)") << '\n';
    QFile f(outPath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(page.toUtf8()) < 0)
        return 1;
    return 0;
}

// --- bash completion ------------------------------------------------------------------

QString shellWords(const QStringList &words) {
    QStringList quoted;
    for (const QString &w : words)
        quoted.append(QString(w).replace('\'', QStringLiteral("'\\''")));
    return '\'' + quoted.join(' ') + '\'';
}

// Value lists of a command's help: "EFFECT: static, twinkling, ..." (also "KEY (media): ...",
// valid after the word media) and the colour names "(red, green, ...)".
void valueLists(const QString &help, QMap<QString, QStringList> *values) {
    const QString flat = QString(help).replace('\n', ' ');
    static const QRegularExpression list(
        QStringLiteral("\\b([A-Z][A-Z0-9]*)(?: \\(([a-z]+)\\))?: ([a-z0-9][a-z0-9+-]*(?:, "
                       "[a-z0-9][a-z0-9+-]*)+)"));
    for (auto it = list.globalMatch(flat); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString key =
            m.captured(2).isEmpty() ? m.captured(1) : m.captured(1) + ':' + m.captured(2);
        (*values)[key] = m.captured(3).split(QStringLiteral(", "));
    }
    static const QRegularExpression colours(
        QStringLiteral("colour names? \\(([a-z]+(?:, [a-z]+)*)\\)"));
    if (const QRegularExpressionMatch m = colours.match(flat); m.hasMatch())
        (*values)[QStringLiteral("COLOUR")] = m.captured(1).split(QStringLiteral(", "));
}

int makeCompletion(const QString &program, const QString &functionsPath, const QString &outPath) {
    const QString help = run(program, {QStringLiteral("--help")});
    QStringList commands;
    QStringList globalOptions;
    QStringList valueOptions; // global options followed by a value
    for (const QStringList &block : blocks(help)) {
        if (!isSection(block))
            continue;
        for (const Item &item : items(block)) {
            if (block[0] == QLatin1String("Commands:")) {
                commands.append(item.term.section(' ', 0, 0));
                continue;
            }
            for (QString option : item.term.split(QStringLiteral(", "))) {
                if (!option.startsWith('-'))
                    continue;
                if (option.contains(' '))
                    valueOptions.append(option.section(' ', 0, 0));
                option = option.section(' ', 0, 0);
                if (option.contains('[')) {
                    globalOptions.append(option.section('[', 0, 0));
                    option = option.section('[', 0, 0) + '=';
                }
                globalOptions.append(option);
            }
        }
    }

    QMap<QString, QStringList> usages;  // command -> its usage lines (words after the command)
    QMap<QString, QStringList> options; // command -> options its usage lines take
    QMap<QString, QStringList> values;
    for (const QString &command : commands) {
        const QString text = run(program, {command, QStringLiteral("--help")});
        valueLists(text, &values);
        for (const QStringList &block : blocks(text)) {
            if (!block[0].startsWith(QStringLiteral("usage:")))
                continue;
            for (const QString &line : usageLines(block)) {
                const QStringList words = line.split(' ', Qt::SkipEmptyParts).mid(2);
                QStringList positional;
                bool inOptions = false;
                for (const QString &w : words) {
                    if (w.startsWith(QStringLiteral("[--")) || w.startsWith(QStringLiteral("--")))
                        inOptions = true;
                    if (inOptions) {
                        static const QRegularExpression opt(QStringLiteral("--[a-z-]+"));
                        static const QRegularExpression choice(
                            QStringLiteral("^([a-z]+(?:\\|[a-z]+)+)\\]?$"));
                        if (const auto m = opt.match(w); m.hasMatch())
                            options[command].append(m.captured(0));
                        else if (const auto c = choice.match(w);
                                 c.hasMatch() && !options[command].isEmpty())
                            values[options[command].last()] = c.captured(1).split('|');
                    } else {
                        positional.append(w);
                    }
                }
                usages[command].append(positional.join(' '));
                for (const QString &w : positional) {
                    static const QRegularExpression colour(QStringLiteral("^C[0-9]+$"));
                    if (colour.match(w).hasMatch())
                        values[w] = values.value(QStringLiteral("COLOUR"));
                }
            }
        }
        options[command].removeDuplicates();
    }

    QString script;
    QTextStream s(&script);
    s << "# bash completion for r8ctl. Made by gen_shell_docs from r8ctl --help; do not edit.\n"
      << "_r8ctl_commands=" << shellWords(commands) << "\n"
      << "_r8ctl_options=" << shellWords(globalOptions) << "\n"
      << "_r8ctl_value_options=" << shellWords(valueOptions) << "\n"
      << "declare -gA _r8ctl_usages=(\n";
    for (auto it = usages.cbegin(); it != usages.cend(); ++it)
        s << "    [" << it.key() << "]=" << shellWords({it.value().join('\n')}) << "\n";
    s << ")\ndeclare -gA _r8ctl_command_options=(\n";
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        s << "    [" << it.key() << "]=" << shellWords(it.value()) << "\n";
    s << ")\ndeclare -gA _r8ctl_values=(\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        s << "    [" << it.key() << "]=" << shellWords(it.value()) << "\n";
    s << ")\n";
    QFile functions(functionsPath);
    if (!functions.open(QIODevice::ReadOnly))
        return 1;
    s << functions.readAll();
    s.flush();
    QFile f(outPath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(script.toUtf8()) < 0)
        return 1;
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 6 && a[1] == QLatin1String("man"))
        return makeManPage(a[2], a[3], a[4], a[5]);
    if (a.size() == 5 && a[1] == QLatin1String("completion"))
        return makeCompletion(a[2], a[3], a[4]);
    std::fprintf(stderr, "usage: gen_shell_docs man PROGRAM SUMMARY VERSION OUT\n"
                         "       gen_shell_docs completion R8CTL FUNCTIONS OUT\n");
    return 2;
}
