#include "macro_slot_buffer.h"

MacroSlotBuffer fitMacroToSlot(const MacroEncoding &encoding, int slotSize) {
    MacroSlotBuffer slot;
    slot.bytes = QByteArray(slotSize, '\0');
    const int size = int(encoding.bytes.size());
    int keep = size;
    if (size > slotSize) {
        slot.cut = true;
        keep = 0;
        for (int end : encoding.itemEnds)
            if (end + 2 <= slotSize)
                keep = end;
        // What follows `keep` in the buffer is already 00 00: the end mark.
    }
    for (int i = 0; i < keep && i < slotSize; ++i)
        slot.bytes[i] = char(encoding.bytes[i]);
    return slot;
}
