#pragma once

#include "mouse_link.h"

class Cli;

// The watcher's mouse: r8ctl's device session, and the profile switch-and-apply that
// `profile switch` and `profile apply` use.
class CliMouseLink : public MouseLink {
public:
    explicit CliMouseLink(Cli &cli) : m_cli(cli) {}

    bool connect() override;
    bool apply(int profile) override;

private:
    Cli &m_cli;
};
