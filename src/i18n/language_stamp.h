#pragma once

#include <QString>

// Writes the checksum a language file's interface strings call for into its `font/cs`,
// editing only that line so the hand-written file keeps its layout and comments.
//
// Returns false (with `error` set) when the file cannot be read or written. `changed` tells
// whether the stored value was different.
bool stampLanguageFile(const QString &path, bool *changed, QString *error);
