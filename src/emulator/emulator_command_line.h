#pragma once

#include "emulator_options.h"

#include <QStringList>

// What the command line (and the environment) ask of the emulator:
//   --emulate[=OPTIONS]   run against the virtual R8 (OPTIONS as parseEmulatorOptions takes)
//   --wire-log FILE       (or --wire-log=FILE) write the emulator's wire log
// R8_EMULATE (options, set even empty: emulate) and R8_WIRE_LOG are read first; the command
// line wins. Other arguments are left alone.
struct EmulatorCommandLine {
    bool emulate = false;
    EmulatorOptions options;
    QString error; // non-empty: the arguments were bad
};

EmulatorCommandLine parseEmulatorCommandLine(const QStringList &arguments);
