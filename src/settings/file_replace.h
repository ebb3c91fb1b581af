#pragma once

#include <QString>

// Replaces `target` with a byte copy of `source`. The copy goes to a temporary file beside
// the target, which is renamed over it only once it is complete: when anything fails (source
// missing or unreadable, folder not writable) the target is left exactly as it was.
bool replaceWithCopy(const QString &source, const QString &target);
