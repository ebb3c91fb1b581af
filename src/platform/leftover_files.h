#pragma once

#include <QStringList>

// What a run killed in the middle of a write leaves beside the data files, removed at the
// next start:
//  - our own temporary files ("<file>.r8tmp-<pid>-<random>", atomic_replace.h) whose process
//    is gone;
//  - the settings library's temporary files ("<file>.bin.XXXXXX", "<file>.ini.XXXXXX"), the
//    ".part" files of older versions and lock files ("<file>.lock"), once no process holds
//    them open (a writer holds its temporary file open from the moment it makes it until it
//    renames it, an owner its lock until it lets go). A lock left empty by a kill would
//    otherwise hold up the next write for half a minute. Where the open files of processes
//    cannot be seen: temporary files older than kQuietSeconds, and locks whose owner is gone.
// A temporary file of another live process is never touched.
namespace LeftoverFiles {

inline constexpr int kQuietSeconds = 60;

// Returns the names of the files removed. The folders default to the program's data folders.
QStringList clean(const QStringList &folders = {QStringLiteral("./modules/setting"),
                                                QStringLiteral("./modules/macro"),
                                                QStringLiteral("./modules/i18n")});

} // namespace LeftoverFiles
