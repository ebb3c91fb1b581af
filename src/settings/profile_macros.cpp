#include "profile_macros.h"

#include "profile_store.h"

namespace {
QString key(int slotId) {
    return QStringLiteral("macro_R8/slot%1").arg(slotId);
}
} // namespace

void ProfileMacros::remember(ProfileStore &store, int slotId, const QString &name) {
    if (slotId >= 1 && slotId <= kMouseSlots)
        store.write(key(slotId), name);
}

QString ProfileMacros::name(const ProfileStore &store, int slotId) {
    return store.read(key(slotId)).toString();
}
