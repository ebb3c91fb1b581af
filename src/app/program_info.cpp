#include "program_info.h"

#include "emulator_options.h"
#include "r8_build_info.h"

#include <cstdio>
#include <cstring>

namespace {

// Also the source of the manual page (r8config.1): the first line is its synopsis, each
// paragraph that ends in ':' a section.
const char *const kHelp = R"(usage: r8config [--emulate[=OPTIONS]] [--wire-log FILE]

The configuration window of the R8 gaming mouse: report rate, DPI stages and their colours,
lighting, button assignments, macros, profiles and the system's pointer settings. Without a
mouse (and without --emulate) it says "Can not detect R8 !" and ends.

Options:
  --emulate[=OPTIONS]  run against the virtual R8 instead of a device (OPTIONS: %s)
  --wire-log FILE      write every report that crosses the virtual bus to FILE
  --version            print the version
  --help, -h           this text

Environment:
  R8_EMULATE           options as for --emulate; set, even empty, it selects the virtual R8
  R8_WIRE_LOG          as --wire-log
  XDG_DATA_HOME        the user's files live in $XDG_DATA_HOME/r8config (default
                       ~/.local/share/r8config)

Files:
  Profiles, the application config, macros and the user's own language files live under
  modules/ in the user's folder, which is shared with r8ctl; the factory files, skins,
  sounds and the installed languages are read from the installation
  (<prefix>/share/r8config). A copy whose own folder holds a writable modules/ (the build
  tree, a portable copy) keeps everything there instead.
)";

} // namespace

std::optional<int> answerInfoOption(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("r8config %s\n", R8BuildInfo::kVersion);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(kHelp, kEmulatorOptionsHelp);
            return 0;
        }
    }
    return std::nullopt;
}
