#include "cli_mouse_link.h"

#include "cli.h"

bool CliMouseLink::connect() {
    return m_cli.recheckDevice().ok();
}

bool CliMouseLink::apply(int profile) {
    const Status status = switchAndApplyProfile(m_cli, profile);
    // A watcher's report would only grow: each apply is told as it happens instead.
    m_cli.report().clear();
    return status.ok();
}
