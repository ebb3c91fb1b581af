#pragma once

#include <QByteArray>
#include <QString>

// Reading files whose names come from outside (the command line, a file dialog, a folder the
// user fills): only a regular file is read, and never more than a bound, so /dev/zero, a FIFO
// with no writer or a file the kernel makes up as it is read (/proc) cannot hang the program
// or exhaust its memory.
namespace BoundedFile {

// Far above any file of ours (a full macro, profile or language file is a few KB).
inline constexpr qint64 kMaxDataFileBytes = 1 << 20;

// Reads the whole of `path` into `contents`. Refuses, with a short reason in `error`
// ("is not a regular file", "is larger than 1024 KB", ...), anything that is not a regular
// file, a file larger than `maxBytes`, and a file that holds more than its size says (the
// files of /proc and /sys). Never blocks on a FIFO. `error` may be null.
bool read(const QString &path, qint64 maxBytes, QByteArray *contents, QString *error);

// The same checks without reading: true when `path` names a regular file of at most
// `maxBytes` bytes (symbolic links followed). For files a library opens by name itself.
bool isRegularWithin(const QString &path, qint64 maxBytes, QString *error = nullptr);

} // namespace BoundedFile
