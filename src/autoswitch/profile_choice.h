#pragma once

#include "switch_rules.h"

#include <QString>
#include <QStringList>

// The window that has the focus, as the desktop names it. `known` is false where no focused
// window can be read (a Wayland session, no window manager) or none has the focus.
struct FocusedWindow {
    bool known = false;
    QString instance;    // first WM_CLASS string ("gimp")
    QString windowClass; // second WM_CLASS string ("Gimp")
    QString title;

    bool operator==(const FocusedWindow &o) const {
        return known == o.known && instance == o.instance && windowClass == o.windowClass &&
               title == o.title;
    }
    bool operator!=(const FocusedWindow &o) const { return !(*this == o); }
};

// The profile the rules choose. `rule` is the 0-based number of the rule that matched, -1
// when the default applies; `profile` is -1 when nothing applies at all.
struct ProfileChoice {
    int profile = -1;
    int rule = -1;
};

// Tries the rules in order against the names of the running programs and the focused
// window; the first that matches wins, otherwise the default. A class rule matches the
// window's instance or its class.
ProfileChoice chooseProfile(const SwitchRules &rules, const QStringList &programs,
                            const FocusedWindow &focus);
