#pragma once

#include "glob_pattern.h"

#include <QList>
#include <QString>

#include <optional>

// One rule: when a running program's name, or the focused window's class or title, matches
// the pattern, the profile applies.
struct SwitchRule {
    enum class Kind { Program, WindowClass, WindowTitle };

    Kind kind = Kind::Program;
    GlobPattern pattern;
    int profile = 0; // profile index 0..9 (P01..P10)

    // The match as the user writes it and the rules file keeps it: "exe:gimp*",
    // "class:Gimp", "title:*YouTube*".
    QString matchText() const;
};

// The rules in the order they are tried, and the profile that applies when none matches.
struct SwitchRules {
    QList<SwitchRule> rules;
    int defaultProfile = -1; // profile index; -1: none, the mouse is left as it is

    bool hasProgramRules() const;
    bool hasWindowRules() const;
};

// Reads a match as typed: "exe:PATTERN", "class:PATTERN", "title:PATTERN", or a bare
// PATTERN for a program. Null with a message in `error` for an empty pattern or an unknown
// prefix (a word before ':' that is none of the three and holds no pattern character).
std::optional<SwitchRule> parseSwitchRule(const QString &match, int profile, QString *error);
