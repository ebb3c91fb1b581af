#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replacing a file so that it is always either the old or the new version, whatever happens
// (a full disk, a kill, a power cut): the new bytes go to a temporary file beside the target,
// every write is checked, the file is flushed to disk, and only then renamed over the target
// in one step; the folder is synced after the rename. On any failure the temporary file goes
// and the target stays exactly as it was.
//
// The target must be a regular file or a new name: a device node, a FIFO, a socket or a
// folder is refused, never replaced. A symbolic link is followed and the file it names is
// replaced (the link stays). A replaced file keeps its permission bits; a new one gets
// 0666 less the umask.
namespace AtomicReplace {

// Called with the temporary file's path once it is complete and synced, before the rename:
// returning false abandons the replace (with the reason in `*error`).
using Check = std::function<bool(const QString &temporaryPath, QString *error)>;

// `error` (may be null) receives a short reason, e.g. "No space left on device".
bool write(const QString &target, const QByteArray &bytes, QString *error = nullptr,
           const Check &check = {});

// Temporary files are named "<target>.r8tmp-<pid>-<random>" so that what a run killed in
// the middle leaves can be recognised: write() removes those of its target whose process is
// gone, and LeftoverFiles (leftover_files.h) those in the data folders at start.
inline constexpr const char *kTemporaryMark = ".r8tmp-";

} // namespace AtomicReplace
