#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// One run of r8ctl. `arguments` as QCoreApplication::arguments() gives them (program name
// first); `programFolder` is where modules/ lies, and becomes the current directory for the
// run (the previous one comes back afterwards). Returns the exit code: 0 done, 1 device or
// handshake failure, 2 bad usage or bad input.
int runR8ctl(const QStringList &arguments, const QString &programFolder, QTextStream &out,
             QTextStream &err);
