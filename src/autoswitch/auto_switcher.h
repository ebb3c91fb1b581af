#pragma once

#include "mouse_link.h"
#include "profile_choice.h"
#include "switch_rules.h"

#include <QStringList>

#include <functional>

// Decides when the mouse gets another profile: whenever one of its inputs changes, the rules
// choose a profile, and a profile other than the one last applied is applied. It never sends
// the same profile twice in a row, except when the mouse's state is unknown: after the mouse
// came (back), and after the configurator's window closed (it may have sent anything).
// While the window is open, or no mouse answers, nothing is sent.
class AutoSwitcher {
public:
    using Log = std::function<void(const QString &)>;

    // `link` must outlive the switcher. `log` gets one line per event worth telling.
    explicit AutoSwitcher(MouseLink &link, Log log = Log());

    void setRules(const SwitchRules &rules);
    // New rules together with the programs read for them: one decision, not two.
    void setRules(const SwitchRules &rules, const QStringList &programs);
    void setPrograms(const QStringList &names);
    void setFocus(const FocusedWindow &focus);
    void setWindowOpen(bool open);
    // The outcome of a device check.
    void setMouseAnswers(bool answers);

    bool isWindowOpen() const { return m_windowOpen; }
    bool mouseAnswers() const { return m_mouse; }
    // The profile index last applied; -1 when none or when the mouse's state is unknown.
    int appliedProfile() const { return m_applied; }
    ProfileChoice choice() const;

private:
    void decide();
    void forgetApplied();
    void say(const QString &line) const;

    MouseLink &m_link;
    Log m_log;
    SwitchRules m_rules;
    QStringList m_programs;
    FocusedWindow m_focus;
    bool m_windowOpen = false;
    bool m_mouse = false;
    int m_applied = -1;
    bool m_applying = false;
    bool m_again = false; // news came during an apply
    bool m_stale = false; // the applied profile was forgotten during an apply
};

// "P02", as the profile column shows it.
QString profileLabel(int index);
