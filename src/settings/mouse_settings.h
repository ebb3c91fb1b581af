#pragma once

#include <QStringList>
#include <QVariant>

class Dialogs;
class Hid_Thread;
class ProfileStore;

// The mouse's performance and lighting operations. A setter stores the value in the current
// profile first and then sends it, so the profile keeps it even when the device does not
// answer. Getters of stored settings read the profile; only the capability queries and the
// raw read-backs ask the device.
class MouseSettings {
public:
    MouseSettings(ProfileStore &store, Dialogs *dialogs) : m_store(store), m_dialogs(dialogs) {}

    // The device access object; may be null (nothing is sent, device queries fail).
    void setDevice(Hid_Thread *hid) { m_hid = hid; }

    void setReportRate(unsigned char rate);
    QVariant reportRate();
    void setCurrentDpiStage(unsigned char stage);
    QVariant currentDpiStage() const;

    // Stores `values` as given and sends the first 8 `codes`; a shorter code list is padded
    // with 0x80 (stage off).
    void setDpiSet(unsigned char stages, const QVariantList &codes, const QVariantList &values);
    QVariantList dpiSet() const;
    // The number of stages the device supports, 1..8; 8 when it gives no usable answer.
    unsigned char syncDpi();

    void setStageColors(unsigned char type, const QVariantList &colours);
    QVariantList stageColors(unsigned char type) const;

    void setLedEffect(unsigned char effect, unsigned char brightness, unsigned char speed,
                      const QVariantList &configs);
    QVariantList ledEffect() const;

    int sensorType();
    bool isLogoLedWorking();
    QVariantList deviceKeyMatrix();
    QVariantList deviceMacro(unsigned char macroId);

    // OK/Cancel question before the last left button is reassigned, with the texts msg/4 and
    // msg/5 of the current language (`messages` is the message list, msg/0 first).
    bool confirmLeftButtonRemoval(const QStringList &messages);

private:
    ProfileStore &m_store;
    Dialogs *m_dialogs;
    Hid_Thread *m_hid = nullptr;
};
