#pragma once

#include <QString>

class ProfileStore;

// Which macro each mouse macro slot plays, as the current profile remembers it. The device's
// twelve slots are shared by all profiles; a profile names the macro of each slot its buttons
// play (key macro_R8/slot<N>), so applying it can write its own macros back into the slots.
namespace ProfileMacros {

constexpr int kMouseSlots = 12;

// Remembers in the current profile that slot `slotId` (1..12) plays macro `name`.
void remember(ProfileStore &store, int slotId, const QString &name);
// The macro the current profile names for slot `slotId`; empty when it names none.
QString name(const ProfileStore &store, int slotId);

} // namespace ProfileMacros
