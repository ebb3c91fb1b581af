#include "auto_switcher.h"

AutoSwitcher::AutoSwitcher(MouseLink &link, Log log) : m_link(link), m_log(std::move(log)) {}

QString profileLabel(int index) {
    return QStringLiteral("P%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

void AutoSwitcher::say(const QString &line) const {
    if (m_log)
        m_log(line);
}

ProfileChoice AutoSwitcher::choice() const {
    return chooseProfile(m_rules, m_programs, m_focus);
}

void AutoSwitcher::setRules(const SwitchRules &rules) {
    m_rules = rules;
    decide();
}

void AutoSwitcher::setRules(const SwitchRules &rules, const QStringList &programs) {
    m_rules = rules;
    m_programs = programs;
    decide();
}

void AutoSwitcher::setPrograms(const QStringList &names) {
    m_programs = names;
    decide();
}

void AutoSwitcher::setFocus(const FocusedWindow &focus) {
    m_focus = focus;
    decide();
}

void AutoSwitcher::setWindowOpen(bool open) {
    if (open == m_windowOpen)
        return;
    m_windowOpen = open;
    if (open) {
        say(QStringLiteral("the configurator's window is open: leaving the mouse alone"));
        return;
    }
    say(QStringLiteral("the configurator's window closed: switching again"));
    forgetApplied();
    decide();
}

void AutoSwitcher::setMouseAnswers(bool answers) {
    if (!answers) {
        if (m_mouse || m_applied >= 0)
            say(QStringLiteral("the mouse is gone: waiting for it"));
        m_mouse = false;
        forgetApplied();
        return;
    }
    if (!m_mouse)
        say(QStringLiteral("the mouse answers"));
    m_mouse = true;
    forgetApplied();
    decide();
}

void AutoSwitcher::forgetApplied() {
    m_applied = -1;
    if (m_applying)
        m_stale = true;
}

// The device layer runs the event loop while it waits for the mouse, so news arrive in the
// middle of an apply: they are noted and decided on once the apply is over.
void AutoSwitcher::decide() {
    if (m_applying) {
        m_again = true;
        return;
    }
    do {
        m_again = false;
        if (m_windowOpen || !m_mouse)
            return;
        const ProfileChoice c = choice();
        if (c.profile < 0 || c.profile == m_applied)
            continue;
        const QString match = c.rule >= 0 ? m_rules.rules[c.rule].matchText() : QString();
        m_applying = true;
        m_stale = false;
        const bool sent = m_link.apply(c.profile);
        m_applying = false;
        if (!sent) {
            say(QStringLiteral("%1 could not be sent: waiting for the mouse")
                    .arg(profileLabel(c.profile)));
            m_mouse = false;
            m_applied = -1;
            return;
        }
        // Forgotten meanwhile (the window closed, the mouse came back): it goes again.
        m_applied = m_stale ? -1 : c.profile;
        m_again = m_again || m_stale;
        say(c.rule >= 0 ? QStringLiteral("%1 applied (rule %2: %3)")
                              .arg(profileLabel(c.profile))
                              .arg(c.rule + 1)
                              .arg(match)
                        : QStringLiteral("%1 applied (default)").arg(profileLabel(c.profile)));
    } while (m_again);
}
