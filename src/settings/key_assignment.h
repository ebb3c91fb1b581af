#pragma once

#include <QVariant>

class Hid_Thread;
class ProfileStore;

// The stored key matrix (one 4-entry list per key ID in the current profile) and the
// commands that send it, plus the mouse's scroll-swap option.
//
// Mouse: 16 key IDs under keydefine_R8/<n>, 64 bytes sent. Keyboard: 126 key IDs under
// keydefine/<n>, 512 bytes sent (the last 8 are not stored). A shorter list is padded with 0
// both in the file and on the wire; entries beyond the block are ignored.
class KeyAssignment {
public:
    explicit KeyAssignment(ProfileStore &store) : m_store(store) {}
    void setDevice(Hid_Thread *hid) { m_hid = hid; }

    // The stored record of a key ID for the current device type; empty when missing.
    QVariantList keyDefine(const QVariant &matrixId) const;
    void setMouseKeyMatrix(const QVariantList &matrix);
    void setKeyboardKeyMatrix(const QVariantList &matrix);

    // Stores the option, then sets bit 6 of the device's option byte 1 to it, keeping the
    // other bits, the sensor type and the report rate as the device reports them.
    void setScrollPinSwap(bool isSwap);
    bool scrollPinSwap() const;

private:
    void storeMatrix(const QString &prefix, int keyCount, const QVariantList &matrix);

    ProfileStore &m_store;
    Hid_Thread *m_hid = nullptr;
};
