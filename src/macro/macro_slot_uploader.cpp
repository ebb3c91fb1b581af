#include "macro_slot_uploader.h"

#include "macro_encoder.h"

std::function<void(int, const QString &)> mouseMacroSlotUploader(MacroLibrary library) {
    return [library = std::move(library)](int slotId, const QString &name) {
        const MacroFiles &files = library.files();
        QString macro = !name.isEmpty() && files.exists(name) ? name : QString();
        if (macro.isEmpty()) {
            const QStringList names = files.getMacroIniNames();
            for (const QString &candidate : names) {
                if (files.slotIndex(candidate) == slotId - 1) {
                    macro = candidate;
                    break;
                }
            }
        }
        if (!macro.isEmpty())
            library.setMouseMacroKey(slotId, macro, MacroDevice::mouse);
    };
}
