#include "profile_choice.h"

#include <algorithm>

namespace {

bool ruleMatches(const SwitchRule &rule, const QStringList &programs, const FocusedWindow &focus) {
    switch (rule.kind) {
    case SwitchRule::Kind::Program:
        return std::any_of(programs.begin(), programs.end(),
                           [&rule](const QString &name) { return rule.pattern.matches(name); });
    case SwitchRule::Kind::WindowClass:
        return focus.known &&
               (rule.pattern.matches(focus.instance) || rule.pattern.matches(focus.windowClass));
    case SwitchRule::Kind::WindowTitle:
        return focus.known && rule.pattern.matches(focus.title);
    }
    return false;
}

} // namespace

ProfileChoice chooseProfile(const SwitchRules &rules, const QStringList &programs,
                            const FocusedWindow &focus) {
    for (int i = 0; i < rules.rules.size(); ++i) {
        if (ruleMatches(rules.rules[i], programs, focus))
            return {rules.rules[i].profile, i};
    }
    return {rules.defaultProfile, -1};
}
