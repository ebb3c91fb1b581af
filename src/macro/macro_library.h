#pragma once

#include "macro_files.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

class Dialogs;

// Which command carries a macro slot to the device.
enum class MacroSlotCommand {
    Mouse13H,    // mouse slot ID 1..12, 128 bytes
    Keyboard11H, // keyboard macro ID, 192 bytes
};

// Writes one finished slot buffer (128 bytes for the mouse, 192 for the keyboard) into the
// device's macro slot `macroId`. Called on the GUI thread; the buffer is only borrowed.
using MacroSender =
    std::function<void(MacroSlotCommand command, uchar macroId, const QByteArray &buffer)>;

// The macro operations of the host view: the macro files plus writing macros into device
// slots. `deviceType` is the device the program currently talks to (0 keyboard, 1 mouse).
class MacroLibrary {
public:
    // `dialogs` (not owned, may be null: no boxes) shows the warnings and file choosers;
    // `sender` carries slot buffers to the device.
    MacroLibrary(MacroFiles files, Dialogs *dialogs, MacroSender sender);

    const MacroFiles &files() const { return m_files; }

    // Encodes the macro `name` and writes it into mouse slot `slotId`, its repeat count in
    // bytes 0-1. A macro longer than the slot is cut and a "MACRO" warning is shown.
    void setMouseMacroKey(int slotId, const QString &name, int deviceType) const;
    // The same for a keyboard macro slot; the warning shows `messages` 0 and 1 (the
    // language's title and text).
    void setKeyboardMacroKey(int macroId, const QString &name, int deviceType,
                             const QStringList &messages) const;

    // Saves the lines and, when the macro occupies a device slot, writes it there again.
    bool saveMacroIni(const QString &name, const QStringList &lines, int deviceType,
                      const QStringList &messages) const;

    // Renames a macro file. A new name no macro can have (empty, beginning with ".", with a
    // path separator) is refused with a warning box; a name taken already fails silently.
    bool renameMacroIniFile(const QString &oldName, const QString &newName) const;

    // Import and export through the file choosers ("Macro(*.mc)", starting on the desktop).
    // An export target chosen without the ".mc" ending gets it.
    void loadMacroIniFromFile(const QString &name) const;
    void saveMacroIniToFile(const QString &name) const;

private:
    MacroFiles m_files;
    Dialogs *m_dialogs;
    MacroSender m_sender;
};
