#include "cli_dialogs.h"

void CliDialogs::warning(const QString &title, const QString &text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_warnings.append(title.isEmpty() ? line : title + QStringLiteral(": ") + line);
}

bool CliDialogs::question(const QString &, const QString &) {
    if (!m_yes)
        m_refused = true;
    return m_yes;
}

QStringList CliDialogs::takeWarnings() {
    QStringList out;
    out.swap(m_warnings);
    return out;
}
