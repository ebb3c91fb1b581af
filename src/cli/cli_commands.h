#pragma once

#include "cli_status.h"

#include <QList>
#include <QString>

class Arguments;
class Cli;

// One command of the tool: its word, the line "r8ctl --help" gives it, its own help and what
// runs it. The one table of them feeds dispatch and help, so a new command is one row.
struct CliCommand {
    const char *name;
    const char *summary; // one line, after the command's words in the command list
    const char *words;   // how the command list shows it ("dpi ...", "rate HZ")
    const char *usage;   // "r8ctl NAME --help"
    Status (*run)(Cli &, Arguments &);
};

const QList<CliCommand> &cliCommands();
// The row of a command word; nullptr for an unknown word.
const CliCommand *findCliCommand(const QString &name);

// The help of the tool (empty command) and of each command; empty for an unknown command.
QString helpText(const QString &command);
