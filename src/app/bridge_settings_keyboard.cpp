#include "myqquickview.h"

void myQQuickView::syncFW() {
    m_keyboardSettings.syncFW();
}

QVariant myQQuickView::ui_82H_GetCurrentProfile() {
    return m_keyboardSettings.currentProfile();
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    m_keyboardSettings.setKeyboardOption(byte1, byte2, byte3, byte4);
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption() {
    return m_keyboardSettings.keyboardOption();
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    m_keyboardSettings.setButtonSensitivity(sens1, sens2, sens3, sens4);
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity() {
    return m_keyboardSettings.buttonSensitivity();
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    m_keyboardSettings.setControlIndicatorLight(effect, frequenty);
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    m_keyboardSettings.setLedType(option, effect, speed, light, color, direction);
}

QVariantList myQQuickView::ui_88H_GetLEDType() {
    return m_keyboardSettings.ledType();
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) {
    m_keyboardSettings.setKeyboardMode(mode);
}

QVariant myQQuickView::ui_89H_GetKeyboardMode() {
    return m_keyboardSettings.keyboardMode();
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix() {
    return m_keyboardSettings.deviceKeyMatrix();
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    m_keyboardSettings.setKeyOnOff(src21);
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff() {
    return m_keyboardSettings.keyOnOff();
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) {
    return m_keyboardSettings.deviceMacro(macroId);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    m_keyboardSettings.setUserPicture(index, option, src512);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) {
    return m_keyboardSettings.userPicture(index);
}

void myQQuickView::ui_13H_SetRecoveryData() {
    m_keyboardSettings.setRecoveryData();
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    m_keyboardSettings.setColor(index, rValue, gValue, bValue);
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index) {
    return m_keyboardSettings.color(index);
}

QString myQQuickView::ui_80H_GetFWVersion() {
    return m_keyboardSettings.firmwareVersion();
}
