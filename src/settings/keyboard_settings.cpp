#include "keyboard_settings.h"

#include "byte_lists.h"
#include "device_link.h"
#include "hid_thread.h"
#include "profile_store.h"

namespace {
const QString kLedType = QStringLiteral("color/ledType");

QString pictureKey(unsigned char index) {
    return QStringLiteral("userPicture/%1").arg(index);
}

QString colourKey(unsigned char index) {
    return QStringLiteral("color/%1").arg(index);
}

QVariantList ints(std::initializer_list<unsigned char> bytes) {
    QVariantList list;
    for (unsigned char b : bytes)
        list.append(int(b));
    return list;
}
} // namespace

void KeyboardSettings::setKeyboardOption(unsigned char byte1, unsigned char byte2,
                                         unsigned char byte3, unsigned char byte4) {
    if (m_hid)
        m_hid->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

QVariantList KeyboardSettings::keyboardOption() {
    unsigned char b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (m_hid)
        m_hid->hid_83H_GetKeyboardoption(b1, b2, b3, b4);
    return ints({b1, b2, b3, b4});
}

void KeyboardSettings::setButtonSensitivity(unsigned char sens1, unsigned char sens2,
                                            unsigned char sens3, unsigned char sens4) {
    if (m_hid)
        m_hid->hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4);
}

QVariantList KeyboardSettings::buttonSensitivity() {
    unsigned char s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    if (m_hid)
        m_hid->hid_84H_GetButtonSensitivity(s1, s2, s3, s4);
    return ints({s1, s2, s3, s4});
}

void KeyboardSettings::setControlIndicatorLight(unsigned char effect, unsigned char frequency) {
    if (m_hid)
        m_hid->hid_07H_SetControlIndicatorLight(effect, frequency);
}

void KeyboardSettings::setLedType(unsigned char option, unsigned char effect, unsigned char speed,
                                  unsigned char light, unsigned char color,
                                  unsigned char direction) {
    m_store.write(kLedType, ints({effect, speed, light, color, direction}));
    if (m_hid)
        m_hid->hid_08H_SetLEDType(option, effect, speed, light, color, direction);
}

QVariantList KeyboardSettings::ledType() const {
    return settingsList(m_store.read(kLedType));
}

void KeyboardSettings::setKeyboardMode(unsigned char mode) {
    if (m_hid)
        m_hid->hid_09H_SetKeyboardMode(mode);
}

QVariant KeyboardSettings::keyboardMode() {
    unsigned char mode = 0;
    if (m_hid)
        m_hid->hid_89H_GetKeyboardMode(mode);
    return int(mode);
}

void KeyboardSettings::setKeyOnOff(const QVariantList &table) {
    auto block = toBlock<21>(table);
    if (m_hid)
        m_hid->hid_0EH_SetKeyOnOff(block.data());
}

QVariantList KeyboardSettings::keyOnOff() {
    unsigned char table[21] = {};
    if (m_hid)
        m_hid->hid_8EH_GetKeyOnOff(table);
    return toIntList(table, 21);
}

void KeyboardSettings::setUserPicture(unsigned char index, unsigned char option,
                                      const QVariantList &picture) {
    m_store.write(pictureKey(index), picture);
    if (option == kStoreOnly)
        return;
    auto block = toBlock<kPictureSize>(picture);
    if (m_hid)
        m_hid->hid_12H_SetUserPicture(index, option, block.data());
}

QVariantList KeyboardSettings::userPicture(unsigned char index) const {
    return settingsList(m_store.read(pictureKey(index)));
}

void KeyboardSettings::setRecoveryData() {
    if (m_hid)
        m_hid->hid_13H_SetRecoveryData();
}

void KeyboardSettings::setColor(unsigned char index, unsigned char red, unsigned char green,
                                unsigned char blue) {
    m_store.write(colourKey(index), ints({red, green, blue}));
    if (m_hid)
        m_hid->hid_14H_SetColor(index, red, green, blue);
}

QVariantList KeyboardSettings::color(unsigned char index) const {
    return settingsList(m_store.read(colourKey(index)));
}

QString KeyboardSettings::firmwareVersion() {
    QString version;
    if (m_hid)
        m_hid->hid_80H_GetFWVersion(version);
    return version;
}

QVariant KeyboardSettings::currentProfile() {
    unsigned char profile = 0;
    if (m_hid)
        m_hid->hid_82H_GetCurrentProfile(profile);
    return int(profile);
}

QVariantList KeyboardSettings::deviceKeyMatrix() {
    unsigned char matrix[512] = {};
    if (m_hid)
        m_hid->hid_8DH_GetKeyMatrix(matrix);
    return toIntList(matrix, 512);
}

QVariantList KeyboardSettings::deviceMacro(unsigned char macroId) {
    unsigned char macro[192] = {};
    if (m_hid)
        m_hid->hid_91H_GetMacroKey(macroId, macro);
    return toIntList(macro, 192);
}

void KeyboardSettings::selectProfile(int profile) {
    if (!m_store.select(profile))
        return;
    if (m_hid && DeviceType::of(m_hid) == DeviceType::kKeyboard)
        m_hid->hid_02H_SetCurrentProfile(static_cast<unsigned char>(profile & 0xFF));
}

void KeyboardSettings::syncFW() {
    if (!m_hid || DeviceType::of(m_hid) != DeviceType::kKeyboard)
        return;
    // One buffer for all five: a picture the device does not send keeps the previous one's
    // bytes, as the device layer hands a failed read's block back unchanged.
    unsigned char picture[kPictureSize] = {};
    for (unsigned char index = 0; index < kSyncedPictures; ++index) {
        m_hid->hid_92H_GetUserPicture(index, picture);
        m_store.write(pictureKey(index), toIntList(picture, kPictureSize));
    }
}
