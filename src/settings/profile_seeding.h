#pragma once

#include <QStringList>

// First start: every profile file p1.bin .. p10.bin missing from `folder` becomes a copy of
// the factory profile pD.bin in the same folder, so a new profile shows and sends the
// factory values instead of an empty file's zeros.
//
// Each copy is written to a temporary file and moved into place only when no file of that
// name exists by then: a profile that exists (or that another process creates meanwhile)
// is never touched. Without a readable pD.bin nothing is created.
//
// Returns the names of the files created.
QStringList seedMissingProfiles(const QString &folder = QStringLiteral("./modules/setting"));
