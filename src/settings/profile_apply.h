#pragma once

#include <QList>
#include <QString>

class Hid_Thread;
class KeyAssignment;
class MouseSettings;
class ProfileStore;

// Sends what the current profile holds for the mouse, through the setters the pages use (each
// stores the value again, then sends it): report rate, DPI values and stage, stage colours,
// palette, lighting, scroll swap and buttons.
//
// The objects are not owned and must outlive this one; they are the ones the window's host
// view and r8ctl hold. `hid` is the device the setters send to (may be null: nothing is sent,
// every step counts as reached).
class ProfileApply {
public:
    struct Step {
        QString setting; // rate, dpi, dpiColors, palette, light, buttons
        bool reached;    // every transfer of the step ended well
    };

    ProfileApply(ProfileStore &store, MouseSettings &mouse, KeyAssignment &keys, Hid_Thread *hid)
        : m_store(store), m_mouse(mouse), m_keys(keys), m_hid(hid) {}

    // Runs the steps in order and waits for their transfers; steps the profile holds nothing
    // for are left out.
    QList<Step> run();

private:
    // Runs `send` and collects whether every transfer it started ended well.
    template <typename Send> Step step(const QString &setting, Send send);

    ProfileStore &m_store;
    MouseSettings &m_mouse;
    KeyAssignment &m_keys;
    Hid_Thread *m_hid;
};
