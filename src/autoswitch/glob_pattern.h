#pragma once

#include <QRegularExpression>
#include <QString>

// A shell-style pattern: `*` any run of characters (slashes included, window titles hold
// them), `?` one character, `[abc]` / `[!abc]` one of a set. Case is ignored: a program
// called "gimp" has the window class "Gimp". An unclosed `[` stands for itself.
class GlobPattern {
public:
    explicit GlobPattern(const QString &pattern = QString());

    const QString &pattern() const { return m_pattern; }
    // True when the whole of `text` matches.
    bool matches(const QString &text) const;

private:
    QString m_pattern;
    QRegularExpression m_regex;
};
