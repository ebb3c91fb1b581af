#include "glob_pattern.h"

namespace {

QString toRegex(const QString &glob) {
    QString rx;
    for (int i = 0; i < glob.size(); ++i) {
        const QChar c = glob[i];
        if (c == QLatin1Char('*')) {
            rx += QLatin1String(".*");
        } else if (c == QLatin1Char('?')) {
            rx += QLatin1Char('.');
        } else if (c == QLatin1Char('[')) {
            int j = i + 1;
            if (j < glob.size() && glob[j] == QLatin1Char('!'))
                ++j;
            if (j < glob.size() && glob[j] == QLatin1Char(']'))
                ++j; // a leading ] belongs to the set
            while (j < glob.size() && glob[j] != QLatin1Char(']'))
                ++j;
            if (j >= glob.size()) {
                rx += QLatin1String("\\[");
                continue;
            }
            QString set = glob.mid(i + 1, j - i - 1);
            const bool negated = set.startsWith(QLatin1Char('!'));
            if (negated)
                set.remove(0, 1);
            set.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
            set.replace(QLatin1Char('['), QLatin1String("\\["));
            if (set.startsWith(QLatin1Char(']')))
                set.replace(0, 1, QLatin1String("\\]"));
            rx += QLatin1Char('[') + QString(negated ? QStringLiteral("^") : QString()) + set +
                  QLatin1Char(']');
            i = j;
        } else {
            rx += QRegularExpression::escape(QString(c));
        }
    }
    return QRegularExpression::anchoredPattern(rx);
}

} // namespace

GlobPattern::GlobPattern(const QString &pattern)
    : m_pattern(pattern),
      m_regex(toRegex(pattern), QRegularExpression::CaseInsensitiveOption |
                                    QRegularExpression::DotMatchesEverythingOption) {}

bool GlobPattern::matches(const QString &text) const {
    return m_regex.match(text).hasMatch();
}
