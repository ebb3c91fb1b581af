#include "hid_macro_sender.h"

#include "hid_thread.h"

MacroSender hidMacroSender(Hid_Thread *hid) {
    return [hid](MacroSlotCommand command, uchar macroId, const QByteArray &buffer) {
        if (!hid)
            return;
        // The commands copy the buffer before they return; a private copy keeps the
        // caller's bytes untouched.
        QByteArray bytes = buffer;
        auto *data = reinterpret_cast<uchar *>(bytes.data());
        if (command == MacroSlotCommand::Mouse13H && bytes.size() >= 128)
            hid->hid_13H_SetMacroKey(macroId, data);
        else if (command == MacroSlotCommand::Keyboard11H && bytes.size() >= 192)
            hid->hid_11H_SetMacroKey(macroId, data);
    };
}
