#pragma once

#include <QString>
#include <QVariant>

class Hid_Thread;
class ProfileStore;

// The companion keyboard's operations. Setters with a profile key store first and then send;
// the others only send. Device read-backs return the bytes as ints 0..255 without looking
// at the command's outcome. Lists shorter than a block are padded with 0, longer ones cut.
class KeyboardSettings {
public:
    static constexpr int kPictureSize = 512;
    static constexpr int kSyncedPictures = 5;
    // The user-picture option that means "store only, send nothing".
    static constexpr unsigned char kStoreOnly = 255;

    explicit KeyboardSettings(ProfileStore &store) : m_store(store) {}
    void setDevice(Hid_Thread *hid) { m_hid = hid; }

    void setKeyboardOption(unsigned char byte1, unsigned char byte2, unsigned char byte3,
                           unsigned char byte4);
    QVariantList keyboardOption();
    void setButtonSensitivity(unsigned char sens1, unsigned char sens2, unsigned char sens3,
                              unsigned char sens4);
    QVariantList buttonSensitivity();
    void setControlIndicatorLight(unsigned char effect, unsigned char frequency);
    void setLedType(unsigned char option, unsigned char effect, unsigned char speed,
                    unsigned char light, unsigned char color, unsigned char direction);
    QVariantList ledType() const;
    void setKeyboardMode(unsigned char mode);
    QVariant keyboardMode();
    void setKeyOnOff(const QVariantList &table);
    QVariantList keyOnOff();
    void setUserPicture(unsigned char index, unsigned char option, const QVariantList &picture);
    QVariantList userPicture(unsigned char index) const;
    void setRecoveryData();
    void setColor(unsigned char index, unsigned char red, unsigned char green, unsigned char blue);
    QVariantList color(unsigned char index) const;
    QString firmwareVersion();
    QVariant currentProfile();
    QVariantList deviceKeyMatrix();
    QVariantList deviceMacro(unsigned char macroId);

    // Makes `profile` the current profile (ignored when it already is or lies outside 0..9).
    // The keyboard keeps its own current profile and is told; the mouse is not.
    void selectProfile(int profile);

    // On the keyboard, copies user pictures 0..4 from the device into the current profile.
    // Does nothing for the mouse.
    void syncFW();

private:
    ProfileStore &m_store;
    Hid_Thread *m_hid = nullptr;
};
