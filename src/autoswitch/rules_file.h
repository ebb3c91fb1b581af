#pragma once

#include "switch_rules.h"

#include <QString>
#include <QStringList>

// The rules as an INI file of the program's own, beside the profiles:
//
//   [default]
//   profile=3            ; P03 when no rule matches; missing: none
//   [rules]
//   1\match=exe:gimp*
//   1\profile=2          ; profiles are numbered as shown, 1..10
//   size=1
namespace RulesFile {

// Relative to the current folder, like the profiles.
inline QString defaultPath() {
    return QStringLiteral("./modules/setting/autoswitch.ini");
}

// Reads the file; a missing file holds no rules. Entries that do not read as a rule (edited
// by hand) are left out, each with a line in `problems`.
SwitchRules load(const QString &path, QStringList *problems = nullptr);
// Replaces the file's contents; false when it could not be written.
bool save(const QString &path, const SwitchRules &rules);

} // namespace RulesFile
