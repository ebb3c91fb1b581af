#include "myqquickview.h"

void myQQuickView::attachSettingsDevice(Hid_Thread *hid) {
    m_mouseSettings.setDevice(hid);
    m_keyboardSettings.setDevice(hid);
    m_keyAssignment.setDevice(hid);
}

QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId) {
    return m_profileStore.defaultList(uiPageId);
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile) {
    m_keyboardSettings.selectProfile(profile);
}

void myQQuickView::saveProfile(int profile) {
    m_profileExchange.saveProfile(profile);
}

void myQQuickView::loadProfile(int profile) {
    m_profileExchange.loadProfile(profile);
}

void myQQuickView::resetProfile(int profile) {
    m_profileExchange.resetProfile(profile);
}
