#pragma once

#include "macro_library.h"

#include <QString>

#include <functional>

// Writes the macros of a profile back into the mouse's macro slots when the profile is
// applied: slot `slotId` (1..12) gets the macro `name` the profile names for it when that
// file exists, otherwise the macro file that holds the slot (config index slotId - 1).
// Nothing is written when there is neither.
std::function<void(int slotId, const QString &name)> mouseMacroSlotUploader(MacroLibrary library);
