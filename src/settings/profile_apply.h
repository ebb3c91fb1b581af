#pragma once

#include <QList>
#include <QString>

#include <functional>

class Hid_Thread;
class KeyAssignment;
class MouseSettings;
class ProfileStore;

// Sends what the current profile holds for the mouse, through the setters the pages use (each
// stores the value again, then sends it): report rate, DPI values and stage, stage colours,
// palette, lighting, scroll swap and buttons, then the macros the buttons play.
//
// The objects are not owned and must outlive this one; they are the ones the window's host
// view and r8ctl hold. `hid` is the device the setters send to (may be null: nothing is sent,
// every step counts as reached).
class ProfileApply {
public:
    struct Step {
        QString setting; // rate, dpi, dpiColors, palette, light, buttons, macros
        bool reached;    // every transfer of the step ended well
    };

    // Writes a macro into mouse macro slot `slotId` (1..12): `name` is the macro the profile
    // names for the slot (ProfileMacros), empty when it names none. The macro library lives
    // above this layer, so the caller brings it in through this.
    using MacroUploader = std::function<void(int slotId, const QString &name)>;

    ProfileApply(ProfileStore &store, MouseSettings &mouse, KeyAssignment &keys, Hid_Thread *hid)
        : m_store(store), m_mouse(mouse), m_keys(keys), m_hid(hid) {}

    void setMacroUploader(MacroUploader uploader) { m_uploadMacro = std::move(uploader); }

    // Runs the steps in order and waits for their transfers; steps the profile holds nothing
    // for are left out.
    QList<Step> run();

    // The last step alone: every macro slot a button of the profile plays (each slot once),
    // written through the uploader. Empty without an uploader or without macro buttons.
    QList<Step> uploadMacros();

private:
    // Runs `send` and collects whether every transfer it started ended well.
    template <typename Send> Step step(const QString &setting, Send send);

    ProfileStore &m_store;
    MouseSettings &m_mouse;
    KeyAssignment &m_keys;
    Hid_Thread *m_hid;
    MacroUploader m_uploadMacro;
};
