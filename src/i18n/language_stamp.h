#pragma once

#include <QString>

// Writes the checksum a language file's interface strings call for into its `font/cs`,
// editing only that line so the hand-written file keeps its layout, its comments and its
// bytes (text that is not valid UTF-8 stays as it was). The file is replaced in one rename
// (atomic_replace.h), and only when the stamped file reads back as passing its check.
//
// Returns false (with `error` set, the file untouched) when the file cannot be read or
// written, or when stamping would not make it valid (a "[FONT]" header, a second [font]
// section). `changed` tells whether the stored value was different.
bool stampLanguageFile(const QString &path, bool *changed, QString *error);
