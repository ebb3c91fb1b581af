// The host view's macro slots: short forwards to the macro library.
#include "device_link.h"
#include "hid_macro_sender.h"
#include "macro_encoder.h"
#include "macro_library.h"
#include "myqquickview.h"

namespace {
// The device the program talks to: 0 keyboard, 1 mouse.
int currentDeviceType(const myQQuickView *view) {
    return DeviceType::of(view->hid());
}

MacroLibrary macroLibrary(myQQuickView *view) {
    return MacroLibrary(MacroFiles(), view->dialogs(), hidMacroSender(view->hid()));
}
} // namespace

QVariant myQQuickView::createMacroIni() {
    return MacroFiles().createMacroIni();
}

QStringList myQQuickView::getMacroIniNames() {
    return MacroFiles().getMacroIniNames();
}

QStringList myQQuickView::loadMacroIni(QVariant name) {
    return MacroFiles().loadMacroIni(name.toString());
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros) {
    return macroLibrary(this).saveMacroIni(name.toString(), macros, currentDeviceType(this),
                                           m_messages);
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name) {
    return MacroFiles().loadMacroIniConfig(name.toString(), currentDeviceType(this));
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config) {
    MacroFiles().setMacroIniConfig(name.toString(), config, currentDeviceType(this));
}

QVariant myQQuickView::deleteMacroIni(QVariant name) {
    return MacroFiles().deleteMacroIni(name.toString());
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName) {
    macroLibrary(this).renameMacroIniFile(oldName.toString(), newName.toString());
}

void myQQuickView::loadMacroIniFromFile(QVariant name) {
    macroLibrary(this).loadMacroIniFromFile(name.toString());
}

void myQQuickView::saveMacroIniToFile(QVariant name) {
    macroLibrary(this).saveMacroIniToFile(name.toString());
}

QList<uchar> myQQuickView::macroIncode(QStringList macros) {
    return ::macroIncode(macros, currentDeviceType(this));
}

void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary(this).setMouseMacroKey(macroId.toInt(), name.toString(), currentDeviceType(this));
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary(this).setKeyboardMacroKey(macroId.toInt(), name.toString(),
                                           currentDeviceType(this), m_messages);
}
