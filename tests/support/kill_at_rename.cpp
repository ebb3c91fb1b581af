// Preloaded into a program under test: the process kills itself (SIGKILL) at the moment it
// would rename a file onto a name containing $R8_KILL_AT_RENAME, so a test can stop a
// replace at its most delicate step every time instead of by chance.
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

extern "C" int rename(const char *from, const char *to) {
    const char *match = std::getenv("R8_KILL_AT_RENAME");
    if (match && *match && to && std::strstr(to, match))
        std::raise(SIGKILL);
    using Rename = int (*)(const char *, const char *);
    static Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}
