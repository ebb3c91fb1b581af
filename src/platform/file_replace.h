#pragma once

#include <QString>

// Replaces `target` with a byte copy of `source`. The source must be a regular file of at
// most 1 MB (bounded_file.h); the copy replaces the target in one rename once it is complete
// and on disk (atomic_replace.h): when anything fails (source missing, unreadable or not a
// regular file, target a device node or FIFO, folder not writable, disk full) the target is
// left exactly as it was and `error` (may be null) says why, naming the file at fault.
bool replaceWithCopy(const QString &source, const QString &target, QString *error = nullptr);
