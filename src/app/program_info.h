#pragma once

#include <optional>

// r8config --help and --version. They are answered before anything else starts (no display,
// no device, no data folder needed), so that the manual page can be made from them at build
// time. Returns the exit code when one of them was given.
std::optional<int> answerInfoOption(int argc, char *argv[]);
