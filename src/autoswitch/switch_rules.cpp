#include "switch_rules.h"

#include "profile_store.h"

#include <algorithm>

namespace {

struct Prefix {
    const char *word;
    SwitchRule::Kind kind;
};
constexpr Prefix kPrefixes[] = {{"exe", SwitchRule::Kind::Program},
                                {"class", SwitchRule::Kind::WindowClass},
                                {"title", SwitchRule::Kind::WindowTitle}};

const char *prefixOf(SwitchRule::Kind kind) {
    for (const Prefix &p : kPrefixes) {
        if (p.kind == kind)
            return p.word;
    }
    return "exe";
}

} // namespace

QString SwitchRule::matchText() const {
    return QLatin1String(prefixOf(kind)) + QLatin1Char(':') + pattern.pattern();
}

bool SwitchRules::hasProgramRules() const {
    for (const SwitchRule &r : rules) {
        if (r.kind == SwitchRule::Kind::Program)
            return true;
    }
    return false;
}

bool SwitchRules::hasWindowRules() const {
    for (const SwitchRule &r : rules) {
        if (r.kind != SwitchRule::Kind::Program)
            return true;
    }
    return false;
}

std::optional<SwitchRule> parseSwitchRule(const QString &match, int profile, QString *error) {
    if (!ProfileStore::isValidIndex(profile)) {
        *error = QStringLiteral("profile must be 1..%1").arg(ProfileStore::kCount);
        return std::nullopt;
    }
    SwitchRule rule;
    rule.profile = profile;
    QString pattern = match;
    const int colon = match.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QString word = match.left(colon);
        bool known = false;
        for (const Prefix &p : kPrefixes) {
            if (word == QLatin1String(p.word)) {
                rule.kind = p.kind;
                pattern = match.mid(colon + 1);
                known = true;
            }
        }
        // "wine:x" is a typo of a prefix; "C:*game*" or "*:*" are patterns of their own.
        static const QString patternChars = QStringLiteral("*?[\\/. ");
        const bool looksLikeWord =
            !word.isEmpty() && std::none_of(word.begin(), word.end(),
                                            [](QChar c) { return patternChars.contains(c); });
        if (!known && looksLikeWord && word.size() > 1) {
            *error = QStringLiteral("unknown match kind '%1:' (exe:, class: or title:)").arg(word);
            return std::nullopt;
        }
    }
    if (pattern.trimmed().isEmpty()) {
        *error = QStringLiteral("empty match: give a program name, class:PATTERN or title:PATTERN");
        return std::nullopt;
    }
    rule.pattern = GlobPattern(pattern);
    return rule;
}
