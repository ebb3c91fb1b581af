#pragma once

#include "cli_status.h"

#include <QStringList>

// The macro text files r8ctl reads and writes: one action per line,
//   A down        KP Enter up        50 ms
// or a line in the stored form (key name or milliseconds followed by its 10-character tag).
// Blank lines and lines starting with '#' are skipped.
namespace MacroText {

// The stored lines of `text`; the first line that is not an action is named in `error`
// (with its line number, after `source`).
bool parse(const QString &text, const QString &source, QStringList *lines, Status *error);

// A stored line as an action line ("A down", "50 ms"); other lines come back unchanged.
QString readable(const QString &storedLine);

} // namespace MacroText
