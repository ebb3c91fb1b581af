#include "cli_arguments.h"

#include <QRegularExpression>

QString Arguments::takeOption(const QString &name, bool *found) {
    if (found)
        *found = false;
    const QString prefix = name + QLatin1Char('=');
    for (int i = 0; i < m_words.size(); ++i) {
        const QString &w = m_words[i];
        if (w == name) {
            if (found)
                *found = true;
            if (i + 1 >= m_words.size()) {
                m_missing = name;
                m_words.removeAt(i);
                return {};
            }
            const QString value = m_words[i + 1];
            m_words.remove(i, 2);
            return value;
        }
        if (w.startsWith(prefix)) {
            if (found)
                *found = true;
            const QString value = w.mid(prefix.size());
            m_words.removeAt(i);
            return value;
        }
    }
    return {};
}

QString Arguments::strayOption() const {
    // "-5" is a number, not an option.
    static const QRegularExpression option(QStringLiteral("^--?[A-Za-z]"));
    for (const QString &w : m_words) {
        if (option.match(w).hasMatch())
            return w;
    }
    return {};
}
