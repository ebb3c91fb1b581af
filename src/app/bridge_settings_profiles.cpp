#include "hid_macro_sender.h"
#include "macro_slot_uploader.h"
#include "myqquickview.h"
#include "profile_apply.h"

namespace {
ProfileApply profileApply(myQQuickView *view, ProfileStore &store, MouseSettings &mouse,
                          KeyAssignment &keys) {
    ProfileApply apply(store, mouse, keys, view->hid());
    apply.setMacroUploader(mouseMacroSlotUploader(
        MacroLibrary(MacroFiles(), view->dialogs(), hidMacroSender(view->hid()))));
    return apply;
}
} // namespace

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

void myQQuickView::applyProfile() {
    profileApply(this, m_profileStore, m_mouseSettings, m_keyAssignment).run();
}

void myQQuickView::uploadProfileMacros() {
    profileApply(this, m_profileStore, m_mouseSettings, m_keyAssignment).uploadMacros();
}
